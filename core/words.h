#pragma once

#include "language.h"

#include <cstdint>
#include <string_view>

// Every wording the core writes, in one catalogue per language (words_persian.cpp,
// words_english.cpp). Persian wordings use the Persian letters yeh (U+06CC) and keheh (U+06A9), as
// a Persian keyboard types them.
namespace classifier {

enum class Word : std::uint8_t {
    // parts and kinds of a soil
    Gravel,
    Sand,
    Silt,
    Clay,
    Fines,
    CoarseGrained,
    FineGrained,
    // the words of the Unified group names
    WellGradedName,
    PoorlyGradedName,
    Silty,
    Clayey,
    Sandy,
    Gravelly,
    LeanClay,            // CL, without its plasticity words
    FatClay,             // CH
    LeanSilt,            // ML
    ElasticSilt,         // MH
    LowPlasticityWords,  // follow a fine soil's noun in Persian; nothing in English
    HighPlasticityWords, //   "
    With,
    NameAnd,
    SiltyClayName, // CL-ML, and the fines of a dual symbol such as SW-SC that plot there
    OrganicClay,   // OL or OH on or above the A-line
    OrganicSilt,   // OL or OH below it
    SiltyClayey,   // SC-SM, GC-GM
    OrganicFines,  // "with organic fines"
    // the Unified decision path
    LowPlasticity,
    HighPlasticity,
    FinesNameTheSoil,
    GradingNamesTheSoil,
    DualSymbol,
    WellGraded,
    PoorlyGraded,
    NonPlastic,     // "non-plastic (NP)"
    OrganicVerdict, // the organic test's outcomes
    Inorganic,
    OrganicByLab,
    InorganicByLab,
    InCoarsePart, // "in the coarse part, gravel 48 % is more than sand 3 %"
    IsMoreThan,
    IsAtLeast,
    SentenceEnd,
    LiquidLimitNotGiven,
    // the AASHTO results and decision path
    SoilTypeCoarse,
    SoilTypeFine,
    FineSand,
    GranularMaterial,
    SiltyClayeyGranular,
    SiltySoil,
    ClayeySoil,
    ExcellentToGood,
    FairToPoor,
    ZeroIndexNote,
    NegativeIndexNote,
    GroupIndex,
    ShownAsZero,
    ShownAsItIs,
    Passed,
    Failed,
    WritesZeroIndex,
    Group,
    LastRowPassed,
    RatingAsSubgrade,
    NoGroup,
    NoGroupRow,
    ClosestRows,
    FirstRowThatFits,
    RoundedToWhole,
    PartialIndex,
    GroupIndexIsZero,
    NonPlasticIndexNote,
    // the rule sets, when one answers otherwise than the other
    ByWindowRules,
    ByStandard,
    NotClassified,
    // joiners of the paths and errors
    And,
    Comma,
    Semicolon,
    // the charts
    LiquidLimitAxis,
    PlasticityIndexAxis,
    PlasticityChart,
    AashtoChart,
    NamedByGrading,
    NamedBySieves,
    ALine,
    ULine,
    SamplesDrawn,        // " samples drawn; "
    SamplesCounted,      // " more shaded by their number in each grid square (most: "
    HighLiquidLimitLine, // "LL = 50"
    ClayeyFinesLine,     // "PI = 7"
    A7DividingLine,      // "PI = LL − 30"
    NonPlasticNotDrawn,
    // the errors of a field or a row of a sheet
    Empty,
    NotANumber,
    BoundNotMeasured,
    Outside0To100,
    Below0,
    NoSuchColumn,
    NeededForGrading,
    FieldsWhereHeaderHas,
    FieldsEnd,
    GroupIndexOverflow,
    // what a lab sheet says of itself
    WorkbookRefused,
    RowCountOne, // "1 row: "
    RowCountMany,
    Classified,
    Refused,
    RefusedRowOne, // "(row 12)"
    RefusedRowsMany,
    MoreRows, // "and 11 more"
    // the legend and the table of a chart
    GapStripsNoGroup,  // "no group between LL 40 and 41 or PI 10 and 11"
    A7LineOnOrBelow,   // of the line PI = LL − 30: "on the line or below it: A-7-5"
    A7LineAbove,       //   "above it: A-7-6"
    UnlabelledSamples, // the title of the table of samples not labelled on the chart
    SampleColumn,      // "Sample"
    SymbolColumn,      // "Symbol"
    GroupColumn,       // "Group"
    LiquidLimitColumn, // "LL"
    PlasticityColumn,  // "PI"
    MoreUnlabelled,    // " more samples not labelled"
    FinerPassesMore,
    PlasticAboveLiquid,
    NotLiquidLessPlastic,
    NumberBesideNonPlastic,
    DiametersOutOfOrder,
    NotAbove0,
    Below1,
    NotYesOrNo,
    NeededWhereFinesDecide,
    NeededForGranularSoil,
    NeededForOrganicTest,
};

inline constexpr std::size_t kWordCount = static_cast<std::size_t>(Word::NeededForOrganicTest) + 1;

std::string_view say(Word word, Language language);

// The catalogues themselves.
std::string_view inPersian(Word word);
std::string_view inEnglish(Word word);

// A catalogue of one language: every word once, in the order of Word.
struct Wording {
    Word word;
    std::string_view text;
};

template <std::size_t N> constexpr bool isCatalogue(const Wording (&wordings)[N]) {
    if (N != kWordCount) {
        return false;
    }
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(wordings[i].word) != i) {
            return false;
        }
    }
    return true;
}

} // namespace classifier
