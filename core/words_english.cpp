// The core's wordings in English.
#include "words.h"

namespace classifier {

namespace {

constexpr Wording kEnglish[] = {
    {Word::Gravel, "gravel"},
    {Word::Sand, "sand"},
    {Word::Silt, "silt"},
    {Word::Clay, "clay"},
    {Word::Fines, "fines"},
    {Word::CoarseGrained, "coarse-grained"},
    {Word::FineGrained, "fine-grained"},
    {Word::WellGradedName, "well-graded"},
    {Word::PoorlyGradedName, "poorly graded"},
    {Word::Silty, "silty"},
    {Word::Clayey, "clayey"},
    {Word::Sandy, "sandy"},
    {Word::Gravelly, "gravelly"},
    {Word::LeanClay, "lean clay"},
    {Word::FatClay, "fat clay"},
    {Word::LeanSilt, "silt"},
    {Word::ElasticSilt, "elastic silt"},
    {Word::LowPlasticityWords, ""},
    {Word::HighPlasticityWords, ""},
    {Word::With, "with"},
    {Word::NameAnd, "and"},
    {Word::LowPlasticity, "low plasticity"},
    {Word::HighPlasticity, "high plasticity"},
    {Word::FinesNameTheSoil, "the fines name the soil"},
    {Word::GradingNamesTheSoil, "the grading names the soil"},
    {Word::DualSymbol, "dual symbol, with a fines letter and a grading letter"},
    {Word::WellGraded, "well graded"},
    {Word::PoorlyGraded, "poorly graded"},
    {Word::SoilTypeCoarse, "Coarse-grained"},
    {Word::SoilTypeFine, "Fine-grained"},
    {Word::FineSand, "Fine sand"},
    {Word::GranularMaterial, "Sand and gravel or stone fragments"},
    {Word::SiltyClayeyGranular, "Clayey and silty sand and gravel"},
    {Word::SiltySoil, "Silty soil"},
    {Word::ClayeySoil, "Clayey soil"},
    {Word::ExcellentToGood, "excellent to good"},
    {Word::FairToPoor, "fair to poor"},
    {Word::ZeroIndexNote, "The group index of this kind of soil is zero."},
    {Word::NegativeIndexNote, "The group index came out negative and is taken as zero."},
    {Word::GroupIndex, "group index "},
    {Word::ShownAsZero, "negative, shown as 0"},
    {Word::ShownAsItIs, "shown as it is"},
    {Word::Passed, "passed"},
    {Word::Failed, "failed"},
    {Word::WritesZeroIndex, "the group index is written as 0"},
    {Word::Group, "group "},
    {Word::LastRowPassed, "the last row that passed"},
    {Word::RatingAsSubgrade, "rating as subgrade"},
    {Word::NoGroup, "no group"},
    {Word::NoGroupRow, "no group row takes this sample"},
    {Word::ClosestRows, "closest rows"},
    {Word::And, " and "},
    {Word::Comma, ", "},
    {Word::Semicolon, "; "},
    {Word::LiquidLimitAxis, "Liquid limit LL"},
    {Word::PlasticityIndexAxis, "Plasticity index PI"},
    {Word::PlasticityChart, "Plasticity chart"},
    {Word::AashtoChart, "Liquid limit and plasticity index"},
    {Word::NamedByGrading,
     "This sample is named by its grading; LL and PI do not decide its letters"},
    {Word::NamedBySieves, "The sieves decide this sample's group; LL and PI alone do not"},
    {Word::ALine, "A-line"},
    {Word::ULine, "U-line"},
    {Word::HighLiquidLimitLine, "LL = 50"},
    {Word::ClayeyFinesLine, "PI = 7"},
    {Word::A7DividingLine, "PI = LL \u2212 30"},
    {Word::Empty, "empty"},
    {Word::NotANumber, "not a number"},
    {Word::Outside0To100, "outside 0 to 100"},
    {Word::Below0, "below 0"},
    {Word::NoSuchColumn, "no such column"},
    {Word::NeededForGrading, "needed with 12 % fines or less"},
    {Word::FieldsWhereHeaderHas, " fields where the header has "},
    {Word::FieldsEnd, ""},
    {Word::GroupIndexOverflow, "so large that the group index leaves the range of numbers"},
};
static_assert(isCatalogue(kEnglish));

} // namespace

std::string_view inEnglish(Word word) {
    return kEnglish[static_cast<std::size_t>(word)].text;
}

} // namespace classifier
