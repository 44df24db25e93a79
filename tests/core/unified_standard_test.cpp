// The Unified method by the standard's rules (ASTM D2487), at every boundary it draws.
#include "core/unified.h"
#include "core/validation.h"

#include <gtest/gtest.h>

#include <set>

namespace classifier {
namespace {

using Q = Quantity;

// Typed fields, and the symbol and English name the standard gives.
struct Standard {
    std::vector<std::pair<Quantity, const char*>> fields;
    const char* symbol;
    const char* name;
};

void PrintTo(const Standard& s, std::ostream* os) {
    for (const auto& [field, text] : s.fields) {
        *os << symbolOf(field) << "=" << text << " ";
    }
}

std::optional<UnifiedResult>
byStandard(const std::vector<std::pair<Quantity, const char*>>& fields) {
    FieldTexts texts;
    for (const auto& [field, text] : fields) {
        texts.set(field, text);
    }
    const Checked<UnifiedSample> checked = checkUnified(texts, {}, Rules::Standard);
    return checked.sample() ? classifyUnified(*checked.sample(), Rules::Standard) : std::nullopt;
}

// F200, P4, LL and PI; then Cc and Cu.
std::vector<std::pair<Quantity, const char*>> s(const char* f, const char* p4, const char* ll,
                                                const char* pi) {
    return {{Q::Fines, f}, {Q::PassingNo4, p4}, {Q::LiquidLimit, ll}, {Q::PlasticityIndex, pi}};
}
std::vector<std::pair<Quantity, const char*>> graded(const char* f, const char* p4, const char* cc,
                                                     const char* cu) {
    return {{Q::Fines, f}, {Q::PassingNo4, p4}, {Q::LiquidLimit, "30"}, {Q::PlasticityIndex, "10"},
            {Q::Cc, cc},   {Q::Cu, cu}};
}
template <class... More>
std::vector<std::pair<Quantity, const char*>> with(std::vector<std::pair<Quantity, const char*>> f,
                                                   More... more) {
    (f.push_back(more), ...);
    return f;
}

class UnifiedByStandard : public testing::TestWithParam<Standard> {};

TEST_P(UnifiedByStandard, GivesTheStandardsSymbolAndName) {
    const std::optional<UnifiedResult> result = byStandard(GetParam().fields);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->symbol.compactText(), GetParam().symbol);
    EXPECT_EQ(result->name(Language::English), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, UnifiedByStandard,
    testing::Values(
        // 50 % fines and more is fine-grained
        Standard{s("49.99", "90", "30", "10"), "SC", "Clayey sand"},
        Standard{s("50", "90", "30", "10"), "CL", "Sandy lean clay"},
        // below 5 % clean, 5 to 12 % dual, above 12 % named by the fines
        Standard{graded("4.99", "60", "2", "7"), "SW", "Well-graded sand with gravel"},
        Standard{graded("5", "60", "2", "7"), "SW-SC", "Well-graded sand with clay and gravel"},
        Standard{graded("12", "60", "2", "5"), "SP-SC", "Poorly graded sand with clay and gravel"},
        Standard{s("12.01", "60", "30", "10"), "SC", "Clayey sand with gravel"},
        // gravel against sand within the coarse part; a tie is sand
        Standard{s("49", "52", "30", "4"), "GM", "Silty gravel"},
        Standard{s("20", "60", "30", "10"), "SC", "Clayey sand with gravel"},
        Standard{s("20", "59.99", "30", "10"), "GC", "Clayey gravel with sand"},
        // Cu at least 4 for gravel, 6 for sand; Cc from 1 to 3, both inclusive
        Standard{graded("3", "51", "2", "4"), "GW", "Well-graded gravel with sand"},
        Standard{graded("3", "51", "2", "3.99"), "GP", "Poorly graded gravel with sand"},
        Standard{graded("3", "60", "2", "6"), "SW", "Well-graded sand with gravel"},
        Standard{graded("3", "60", "2", "5.99"), "SP", "Poorly graded sand with gravel"},
        Standard{graded("3", "90", "1", "6"), "SW", "Well-graded sand"},
        Standard{graded("3", "90", "0.99", "6"), "SP", "Poorly graded sand"},
        Standard{graded("3", "90", "3", "6"), "SW", "Well-graded sand"},
        Standard{graded("3", "90", "3.01", "6"), "SP", "Poorly graded sand"},
        // the A-line, on it counting as above, with decimals typed on it
        Standard{s("60", "100", "40", "14.6"), "CL", "Sandy lean clay"},
        Standard{s("60", "100", "40", "14.59"), "ML", "Sandy silt"},
        Standard{s("90", "100", "40.1", "14.673"), "CL", "Lean clay"},
        // PI 4 to 7 on or above the A-line: CL-ML; below PI 4: silt
        Standard{s("90", "100", "20", "3.99"), "ML", "Silt"},
        Standard{s("90", "100", "20", "4"), "CL-ML", "Silty clay"},
        Standard{s("90", "100", "25.4", "4"), "CL-ML", "Silty clay"},
        Standard{s("90", "100", "25.5", "4"), "ML", "Silt"},
        Standard{s("90", "100", "20", "7"), "CL-ML", "Silty clay"},
        Standard{s("90", "100", "20", "7.01"), "CL", "Lean clay"},
        Standard{s("90", "100", "18", "2"), "ML", "Silt"},
        Standard{s("30", "90", "20", "5"), "SC-SM", "Silty, clayey sand"},
        Standard{s("30", "50", "20", "5"), "GC-GM", "Silty, clayey gravel with sand"},
        Standard{with(graded("8", "60", "2", "7"), std::pair{Q::LiquidLimit, "20"},
                      std::pair{Q::PlasticityIndex, "5"}),
                 "SW-SC", "Well-graded sand with silty clay and gravel"},
        Standard{with(graded("8", "90", "2", "3"), std::pair{Q::LiquidLimit, "18"},
                      std::pair{Q::PlasticityIndex, "2"}),
                 "SP-SM", "Poorly graded sand with silt"},
        // LL 50 and more is H
        Standard{s("90", "100", "49.99", "30"), "CL", "Lean clay"},
        Standard{s("90", "100", "50", "30"), "CH", "Fat clay"},
        Standard{s("90", "100", "50", "20"), "MH", "Elastic silt"},
        // organic below an oven-dried LL of 0.75 LL, wherever it plots
        Standard{with(s("90", "100", "40", "20"), std::pair{Q::OvenDriedLiquidLimit, "30"}), "CL",
                 "Lean clay"},
        Standard{with(s("90", "100", "40", "20"), std::pair{Q::OvenDriedLiquidLimit, "29.99"}),
                 "OL", "Organic clay"},
        Standard{with(s("90", "100", "45.2", "20"), std::pair{Q::OvenDriedLiquidLimit, "33.9"}),
                 "CL", "Lean clay"},
        Standard{with(s("90", "100", "40", "2"), std::pair{Q::Organic, "yes"}), "OL",
                 "Organic silt"},
        Standard{with(s("90", "100", "60", "40"), std::pair{Q::Organic, "Yes"}), "OH",
                 "Organic clay"},
        Standard{with(s("90", "100", "60", "20"), std::pair{Q::OvenDriedLiquidLimit, "20"}), "OH",
                 "Organic silt"},
        Standard{with(s("90", "100", "60", "20"), std::pair{Q::OvenDriedLiquidLimit, "20"},
                      std::pair{Q::Organic, "no"}),
                 "MH", "Elastic silt"},
        Standard{with(s("30", "90", "40", "20"), std::pair{Q::Organic, "\u0628\u0644\u0647"}), "SC",
                 "Clayey sand with organic fines"},
        Standard{with(graded("8", "60", "2", "7"), std::pair{Q::Organic, "y"}), "SW-SC",
                 "Well-graded sand with clay, gravel and organic fines"},
        // non-plastic fines are silt; LL may then be missing, and is L
        Standard{s("60", "100", "30", "NP"), "ML", "Sandy silt"},
        Standard{s("60", "100", "", "np"), "ML", "Sandy silt"},
        Standard{s("60", "100", "55", "NP"), "MH", "Sandy elastic silt"},
        Standard{with(s("20", "60", "30", ""), std::pair{Q::PlasticLimit, "NP"}), "SM",
                 "Silty sand with gravel"},
        // PI from LL − PL, or LL and PL beside a PI at most 1 apart
        Standard{with(s("90", "100", "24", ""), std::pair{Q::PlasticLimit, "20"}), "CL-ML",
                 "Silty clay"},
        Standard{with(s("90", "100", "38.4", ""), std::pair{Q::PlasticLimit, "20.1"}), "CL",
                 "Lean clay"},
        Standard{with(s("90", "100", "30", "11"), std::pair{Q::PlasticLimit, "20"}), "CL",
                 "Lean clay"},
        // Cc and Cu from the diameters: Cc = 0.3² / (0.1 × 0.9) = 1, Cu = 9
        Standard{{{Q::Fines, "3"},
                  {Q::PassingNo4, "90"},
                  {Q::D10, "0.1"},
                  {Q::D30, "0.3"},
                  {Q::D60, "0.9"}},
                 "SW",
                 "Well-graded sand"},
        Standard{{{Q::Fines, "3"},
                  {Q::PassingNo4, "90"},
                  {Q::D10, "0.1"},
                  {Q::D30, "0.15"},
                  {Q::D60, "0.9"}},
                 "SP",
                 "Poorly graded sand"}));

// The name of a fine soil by the coarse part: below 15 % none, to 29 % "with", from 30 %
// "sandy" or "gravelly", with the other part named from 15 %.
INSTANTIATE_TEST_SUITE_P(
    NameSteps, UnifiedByStandard,
    testing::Values(Standard{s("85.01", "95", "20", "5"), "CL-ML", "Silty clay"},
                    Standard{s("85", "95", "20", "5"), "CL-ML", "Silty clay with sand"},
                    Standard{s("85", "90", "20", "5"), "CL-ML", "Silty clay with gravel"},
                    Standard{s("70.01", "90", "20", "5"), "CL-ML", "Silty clay with sand"},
                    Standard{s("70", "90", "20", "5"), "CL-ML", "Sandy silty clay"},
                    Standard{s("60", "85", "20", "5"), "CL-ML", "Sandy silty clay with gravel"},
                    Standard{s("60", "75", "20", "5"), "CL-ML", "Gravelly silty clay with sand"},
                    Standard{s("60", "74.99", "20", "5"), "CL-ML", "Gravelly silty clay"},
                    Standard{with(s("70", "90", "60", "20"), std::pair{Q::Organic, "yes"}), "OH",
                             "Sandy organic silt"},
                    Standard{with(s("60", "85", "40", "20"), std::pair{Q::Organic, "yes"}), "OL",
                             "Sandy organic clay with gravel"}));

// Worked examples. A worksheet after ASTM D2487 by Sangho Lee, "United Soil Classification
// System (by ASTM D 2487)" (pdfcoffee.com, 2021): gravel 32 %, sand 18 %, fines 50 %, LL 50,
// PL 20, D10 0.05, D30 0.3, D60 1 mm: CH, gravelly fat clay with sand. Garber and Hoel,
// Traffic and Highway Engineering (with its Table 17.3, as reproduced at sciemce.com): 100 %
// passing No. 4, 30 % passing No. 200, LL 33, PL 12: SC, clayey sand.
INSTANTIATE_TEST_SUITE_P(WorkedExamples, UnifiedByStandard,
                         testing::Values(Standard{{{Q::Fines, "50"},
                                                   {Q::PassingNo4, "68"},
                                                   {Q::LiquidLimit, "50"},
                                                   {Q::PlasticLimit, "20"},
                                                   {Q::D10, "0.05"},
                                                   {Q::D30, "0.3"},
                                                   {Q::D60, "1"}},
                                                  "CH",
                                                  "Gravelly fat clay with sand"},
                                         Standard{{{Q::Fines, "30"},
                                                   {Q::PassingNo4, "100"},
                                                   {Q::LiquidLimit, "33"},
                                                   {Q::PlasticLimit, "12"}},
                                                  "SC",
                                                  "Clayey sand"}));

// The window's spacing in the standard's order.
TEST(UnifiedByStandard, WritesTheGradingPairAndTheClayPairFirst) {
    const std::pair<std::vector<std::pair<Quantity, const char*>>, const char*> cases[] = {
        {with(graded("8", "60", "2", "7"), std::pair{Q::LiquidLimit, "40"}), "S W - S M"},
        {s("90", "100", "20", "5"), "C L - M L"},
        {s("30", "90", "20", "5"), "S C - S M"},
        {with(s("90", "100", "60", "40"), std::pair{Q::Organic, "yes"}), "O H"},
    };
    for (const auto& [fields, text] : cases) {
        EXPECT_EQ(byStandard(fields)->symbol.text(), text);
    }
}

TEST(UnifiedByStandard, NamesEverySymbolInPersian) {
    const std::pair<std::vector<std::pair<Quantity, const char*>>, const char*> cases[] = {
        {s("90", "100", "20", "5"), "رس لای‌دار با خاصیت خمیری کم"},
        {s("60", "100", "20", "5"),
         "رس لای‌دار ماسه‌ای با خاصیت خمیری کم"},
        {s("30", "90", "20", "5"), "ماسه رس‌دار لای‌دار"},
        {s("30", "50", "20", "5"), "شن رس‌دار لای‌دار همراه با ماسه"},
        {with(s("90", "100", "40", "2"), std::pair{Q::Organic, "yes"}),
         "لای آلی با خاصیت خمیری کم"},
        {with(s("90", "100", "60", "40"), std::pair{Q::Organic, "yes"}),
         "رس آلی با خاصیت خمیری زیاد"},
        {with(s("30", "90", "40", "20"), std::pair{Q::Organic, "yes"}),
         "ماسه رس‌دار همراه با ریزدانه آلی"},
        {with(graded("8", "60", "2", "7"), std::pair{Q::LiquidLimit, "20"},
              std::pair{Q::PlasticityIndex, "5"}),
         "ماسه خوب دانه‌بندی‌شده همراه با رس لای‌دار و "
         "شن"},
        {with(graded("8", "60", "2", "7"), std::pair{Q::Organic, "yes"}),
         "ماسه خوب دانه‌بندی‌شده همراه با رس، شن و "
         "ریزدانه "
         "آلی"},
    };
    for (const auto& [fields, persian] : cases) {
        EXPECT_EQ(byStandard(fields)->name(Language::Persian), persian);
    }
}

TEST(UnifiedByStandard, SaysWhyInItsPath) {
    const auto gravel = byStandard(s("49", "52", "30", "4"));
    const auto path = explainUnified(*gravel, Language::English, {});
    EXPECT_EQ(path[1], "in the coarse part, gravel 48 % is more than sand 3 %: gravel (G)");
    EXPECT_EQ(explainUnified(*gravel, Language::Persian, {})[1],
              "\u200Fدر بخش درشت، شن \u206648\u2069 % بیش از ماسه \u20663\u2069 % است: شن (G)");
    const auto nonPlastic = byStandard(s("60", "100", "", "NP"));
    EXPECT_EQ(explainUnified(*nonPlastic, Language::English, {})[1],
              "non-plastic (NP); no LL: the liquid limit of a non-plastic soil is taken as 0: silt "
              "(M)");
    const auto organic =
        byStandard(with(s("90", "100", "40", "20"), std::pair{Q::OvenDriedLiquidLimit, "29"}));
    EXPECT_EQ(explainUnified(*organic, Language::English, {})[1],
              "LL (oven-dried) / LL = 0.725 < 0.75: organic (O)");
}

// Over a grid of samples every symbol the standard gives has a name in both languages.
TEST(UnifiedByStandard, NamesEverySymbolItGives) {
    std::set<std::string> symbols;
    for (const char* f : {"3", "8", "30", "70"}) {
        for (const char* p4 : {"40", "90"}) {
            for (const char* ll : {"20", "35", "60"}) {
                for (const char* pi : {"NP", "2", "5", "12", "40"}) {
                    for (const char* organic : {"no", "yes"}) {
                        const auto result = byStandard(with(
                            graded(f, p4, "2", "3"), std::pair{Q::LiquidLimit, ll},
                            std::pair{Q::PlasticityIndex, pi}, std::pair{Q::Organic, organic}));
                        if (!result) {
                            continue; // PI above LL
                        }
                        symbols.insert(result->symbol.compactText());
                        EXPECT_FALSE(result->name(Language::English).empty());
                        EXPECT_FALSE(result->name(Language::Persian).empty());
                    }
                }
            }
        }
    }
    EXPECT_EQ(symbols, (std::set<std::string>{"CH", "CL", "CL-ML", "GC", "GC-GM", "GM", "GP",
                                              "GP-GC", "GP-GM", "MH", "ML", "OH", "OL", "SC",
                                              "SC-SM", "SM", "SP", "SP-SC", "SP-SM"}));
}

} // namespace
} // namespace classifier
