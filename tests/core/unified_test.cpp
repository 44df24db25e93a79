#include "core/unified.h"
#include "core/validation.h"

#include <gtest/gtest.h>

namespace classifier {
namespace {

// Texts typed for F200, P4, LL, PI, Cc and Cu, and the symbol with a blank between its letters.
struct Sample {
    const char* f;
    const char* p4;
    const char* ll;
    const char* pi;
    const char* cc;
    const char* cu;
    const char* symbol;
};

void PrintTo(const Sample& s, std::ostream* os) {
    *os << "F " << s.f << " P4 " << s.p4 << " LL " << s.ll << " PI " << s.pi << " Cc '" << s.cc
        << "' Cu '" << s.cu << "'";
}

std::optional<UnifiedResult> classified(const Sample& s) {
    FieldTexts texts;
    texts.set(Quantity::Fines, s.f);
    texts.set(Quantity::PassingNo4, s.p4);
    texts.set(Quantity::LiquidLimit, s.ll);
    texts.set(Quantity::PlasticityIndex, s.pi);
    texts.set(Quantity::Cc, s.cc);
    texts.set(Quantity::Cu, s.cu);
    const Checked<UnifiedSample> checked = checkUnified(texts, {});
    return checked.sample() ? classifyUnified(*checked.sample()) : std::nullopt;
}

class UnifiedSymbols : public testing::TestWithParam<Sample> {};

TEST_P(UnifiedSymbols, FollowTheRules) {
    const std::optional<UnifiedResult> result = classified(GetParam());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->symbol.text(), GetParam().symbol);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, UnifiedSymbols,
    testing::Values(
        // the design-time sample
        Sample{"34", "98", "38", "26", "1.06", "23.5", "S C"},
        // fine-grained: above the A-line or not, high or low liquid limit
        Sample{"50.01", "98", "38", "26", "", "", "C L"},
        Sample{"60", "98", "50", "30", "", "", "C L"},
        Sample{"60", "98", "50.5", "30", "", "", "C H"},
        Sample{"60", "98", "30", "7.3", "x", "y", "C L"},
        Sample{"60", "98", "30", "7.2", "1", "6", "M L"},
        Sample{"60", "98", "10", "0", "1", "6", "C L"},
        Sample{"100", "100", "80", "10", "1", "6", "M H"},
        Sample{"60", "40", "70", "40", "1", "6", "C H"},
        // F 50 is still coarse-grained
        Sample{"50", "98", "38", "26", "", "", "S C"},
        // above 12 up to 50: clay needs the A-line and PI above 7
        Sample{"20", "60", "30", "8", "", "", "S C"}, Sample{"20", "60", "30", "7", "", "", "S M"},
        Sample{"20", "60", "20", "7", "", "", "S M"}, Sample{"20", "40", "30", "8", "", "", "G C"},
        Sample{"12.01", "40", "60", "10", "", "", "G M"},
        // above 5 up to 12: dual symbol, no PI bound
        Sample{"8", "60", "20", "5", "2", "7", "S C - S W"},
        Sample{"12", "60", "20", "5", "2", "5", "S C - S P"},
        Sample{"8", "60", "40", "10", "2", "7", "S M - S W"},
        Sample{"8", "30", "40", "20", "2", "8", "G C - G W"},
        Sample{"8", "30", "40", "10", "2", "8", "G M - G W"},
        Sample{"8", "30", "40", "20", "2", "3", "G C - G P"},
        Sample{"5.01", "30", "40", "20", "0.9", "8", "G C - G P"},
        // 5 or less: the grading letter alone; sand needs Cu 6, gravel Cu 4
        Sample{"5", "60", "0", "0", "1", "6", "S W"}, Sample{"5", "60", "0", "0", "3", "6", "S P"},
        Sample{"5", "60", "0", "0", "2.999", "6", "S W"},
        Sample{"5", "60", "0", "0", "0.99", "6", "S P"},
        Sample{"5", "60", "0", "0", "1", "5.99", "S P"},
        Sample{"3", "40", "0", "0", "2", "10", "G W"},
        Sample{"3", "40", "0", "0", "2", "3.9", "G P"},
        Sample{"3", "40", "0", "0", "1", "4", "G W"}, Sample{"0", "50", "0", "0", "2", "4", "G W"},
        Sample{"0", "50.01", "0", "0", "2", "4", "S P"},
        // coefficients in a Persian keyboard's digits
        Sample{"3", "60", "0", "0", "\u06F2", "\u06F1\u06F0", "S W"}));

TEST(UnifiedSymbols, DualFormsPutTheirGradingPairFirstWhenCompact) {
    const std::optional<UnifiedResult> result = classified({"8", "60", "20", "5", "2", "7", ""});
    EXPECT_EQ(result->symbol.text(), "S C - S W");
    EXPECT_EQ(result->symbol.compactText(), "SW-SC");
}

TEST(UnifiedMethod, GradingTestOnlyForTwelvePercentFinesOrLess) {
    EXPECT_TRUE(needsGradingTest({12, 60, 0, 0, {}, {}}));
    EXPECT_FALSE(needsGradingTest({12.01, 60, 0, 0, {}, {}}));
    EXPECT_FALSE(classifyUnified({3, 60, 0, 0, 2.0, std::nullopt}));
    EXPECT_TRUE(classifyUnified({13, 60, 0, 0, std::nullopt, std::nullopt}));
}

} // namespace
} // namespace classifier
