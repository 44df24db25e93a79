// The AASHTO method by the standard's rules (AASHTO M 145), at every boundary it draws.
#include "core/aashto.h"
#include "core/validation.h"

#include <gtest/gtest.h>

namespace classifier {
namespace {

using Q = Quantity;

// F200, P40, P10, LL, PI as typed, and the designation the standard gives.
struct Standard {
    std::vector<const char*> typed;
    const char* designation;
};

void PrintTo(const Standard& s, std::ostream* os) {
    for (const char* text : s.typed) {
        *os << text << " ";
    }
}

std::optional<AashtoResult> byStandard(const std::vector<const char*>& typed,
                                       const char* plasticLimit = nullptr) {
    FieldTexts texts;
    const Quantity fields[] = {Q::Fines, Q::PassingNo40, Q::PassingNo10, Q::LiquidLimit,
                               Q::PlasticityIndex};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        texts.set(fields[i], typed[i]);
    }
    if (plasticLimit) {
        texts.set(Q::PlasticLimit, plasticLimit);
    }
    const Checked<AashtoSample> checked = checkAashto(texts, {}, Rules::Standard);
    return checked.sample() ? classifyAashto(*checked.sample(), Rules::Standard) : std::nullopt;
}

class AashtoByStandard : public testing::TestWithParam<Standard> {};

TEST_P(AashtoByStandard, TakesTheFirstGroupFromTheLeftThatFits) {
    const std::optional<AashtoResult> result = byStandard(GetParam().typed);
    ASSERT_TRUE(result);
    EXPECT_EQ(designation(*result, {}), GetParam().designation);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, AashtoByStandard,
    testing::Values(
        // granular up to 35 % passing No. 200
        Standard{{"35", "60", "80", "30", "12"}, "A-2-6 (0)"},
        Standard{{"35.01", "60", "80", "30", "12"}, "A-6 (0)"},
        // the sieve limits of A-1-a, A-1-b and A-3, "30 max" ≤ 30, "51 min" > 50
        Standard{{"15", "30", "50", "20", "6"}, "A-1-a (0)"},
        Standard{{"15", "30", "50.01", "20", "6"}, "A-1-b (0)"},
        Standard{{"15", "30.01", "50", "20", "6"}, "A-1-b (0)"},
        Standard{{"15.01", "30", "50", "20", "6"}, "A-1-b (0)"},
        Standard{{"25", "50", "60", "20", "6"}, "A-1-b (0)"},
        Standard{{"25.01", "50", "60", "20", "6"}, "A-2-4 (0)"},
        Standard{{"10", "50.01", "90", "", "NP"}, "A-3 (0)"},
        Standard{{"10", "50", "90", "", "NP"}, "A-1-b (0)"},
        Standard{{"10.01", "60", "90", "", "NP"}, "A-2-4 (0)"},
        Standard{{"10", "60", "90", "20", "2"}, "A-2-4 (0)"},
        // the first group that fits: A-1-a before A-1-b, A-1-b before A-3
        Standard{{"8", "25", "40", "", "np"}, "A-1-a (0)"},
        // LL 40 / PI 10 with decimals: nothing falls between the rows
        Standard{{"20", "40", "60", "30", "8"}, "A-2-4 (0)"},
        Standard{{"28", "40", "60", "40", "10"}, "A-2-4 (0)"},
        Standard{{"28", "40", "60", "40.5", "8"}, "A-2-5 (0)"},
        Standard{{"28", "40", "60", "30", "10.5"}, "A-2-6 (0)"},
        Standard{{"60", "80", "100", "40", "10"}, "A-4 (5)"},
        Standard{{"60", "80", "100", "40.5", "8"}, "A-5 (4)"},
        Standard{{"60", "80", "100", "30", "10.5"}, "A-6 (4)"},
        // A-7-5 when PI ≤ LL − 30, on the line typed in decimals
        Standard{{"60", "80", "100", "45.3", "15.3"}, "A-7-5 (8)"},
        Standard{{"60", "80", "100", "45.3", "15.31"}, "A-7-6 (8)"},
        Standard{{"60", "80", "100", "50", "20"}, "A-7-5 (11)"},
        // the index rounded to the nearest whole number, halves up: 2.5 × 0.2 = 0.5
        Standard{{"37.5", "80", "100", "40", "10"}, "A-4 (1)"},
        Standard{{"37.4", "80", "100", "40", "10"}, "A-4 (0)"},
        Standard{{"60", "80", "100", "54", "25"}, "A-7-6 (14)"}, // 6.75 + 6.75 = 13.5
        // a negative index is 0
        Standard{{"36", "80", "100", "20", "2"}, "A-4 (0)"},
        // A-2-6 and A-2-7 take the partial index 0.01 (F200 − 15)(PI − 10)
        Standard{{"35", "60", "80", "30", "20"}, "A-2-6 (2)"},
        Standard{{"35", "60", "80", "60", "30"}, "A-2-7 (4)"},
        Standard{{"20", "60", "80", "30", "19"}, "A-2-6 (0)"},
        // A-2-4 and A-2-5 have an index of 0, whatever the formula gives
        Standard{{"35", "60", "80", "90", "10"}, "A-2-5 (0)"},
        // a non-plastic silt-clay has an index of 0
        Standard{{"80", "90", "100", "", "NP"}, "A-4 (0)"}));

// Das, Principles of Geotechnical Engineering, the AASHTO worked example (58 % passing No.
// 200, 80 % No. 40, 100 % No. 10, LL 30, PI 10: GI = 3.45, A-4(3); as reproduced at
// engineerstoday.blogspot.com). Budhu, Soil Mechanics and Foundations, exercise 3.15 (soil A:
// 34.13 % passing No. 200, 56.81 % No. 40, 89.89 % No. 10, LL 23, PL 8: A-2-6(1); soil B: 0 %,
// 31.64 %, 74.28 %, non-plastic: A-1-b; soil C: 1.2 %, 59.4 %, 97 %, non-plastic: A-3; as
// solved at coursehero.com).
INSTANTIATE_TEST_SUITE_P(WorkedExamples, AashtoByStandard,
                         testing::Values(Standard{{"58", "80", "100", "30", "10"}, "A-4 (3)"},
                                         Standard{{"0", "31.64", "74.28", "", "NP"}, "A-1-b (0)"},
                                         Standard{{"1.2", "59.4", "97", "", "NP"}, "A-3 (0)"}));

TEST(AashtoByStandard, WorksOutPIFromLLAndPL) {
    const auto soilA = byStandard({"34.13", "56.81", "89.89", "23", ""}, "8");
    EXPECT_EQ(designation(*soilA, {}), "A-2-6 (1)");
    EXPECT_EQ(explainAashto(*soilA, Language::English, {})[8],
              "GI = 0.01 \u00D7 (34.13 \u2212 15) \u00D7 (15 \u2212 10) = 0.9565, rounded to the "
              "nearest whole number: 1");
}

TEST(AashtoByStandard, NotesTheZerosItWrites) {
    const auto zeroGroup = byStandard({"35", "60", "80", "90", "10"});
    EXPECT_TRUE(zeroGroup->zeroIndexNote());
    EXPECT_FALSE(zeroGroup->negativeIndex());
    const auto negative = byStandard({"36", "80", "100", "20", "2"});
    EXPECT_FALSE(negative->zeroIndexNote());
    EXPECT_TRUE(negative->negativeIndex());
    const auto nonPlastic = byStandard({"80", "90", "100", "", "NP"});
    EXPECT_EQ(noteTexts(*nonPlastic, Language::English),
              std::vector<std::string_view>{"The group index of a non-plastic soil is zero."});
}

TEST(AashtoByStandard, ExplainsTheRowsUpToTheOneThatFits) {
    const auto result = byStandard({"58", "80", "100", "30", "10"});
    const std::vector<std::string> expected = {
        "F200 = 58 % > 35 %: fine-grained",
        "A-4: passed, LL = 30 \u2264 40, PI = 10 \u2264 10; the first row from the left that fits",
        "group index GI = (F200 \u2212 35) \u00D7 (0.2 + 0.005 \u00D7 (LL \u2212 40)) + 0.01 "
        "\u00D7 (F200 \u2212 15) \u00D7 (PI \u2212 10)",
        "GI = (58 \u2212 35) \u00D7 (0.2 + 0.005 \u00D7 (30 \u2212 40)) + 0.01 \u00D7 (58 "
        "\u2212 15) \u00D7 (10 \u2212 10) = 3.45, rounded to the nearest whole number: 3",
        "group A-4 (3); rating as subgrade: fair to poor",
    };
    EXPECT_EQ(explainAashto(*result, Language::English, {}), expected);
}

} // namespace
} // namespace classifier
