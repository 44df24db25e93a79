#include "core/unified.h"
#include "fake_window.h"

#include <gtest/gtest.h>

namespace classifier {
namespace {

using test::FakeWindow;

// Texts typed into Text1, Text2, Text3, Text4, Text6, Text7 and the symbol expected in Text5.
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

void typeSample(FakeWindow& window, const Sample& s) {
    window.type("Text1", s.f);
    window.type("Text2", s.p4);
    window.type("Text3", s.ll);
    window.type("Text4", s.pi);
    window.type("Text6", s.cc);
    window.type("Text7", s.cu);
}

class UnifiedSymbols : public testing::TestWithParam<Sample> {};

TEST_P(UnifiedSymbols, WritesTheLettersThenTheSymbol) {
    FakeWindow window;
    typeSample(window, GetParam());
    unifiedClassify(window);

    const std::string symbol = GetParam().symbol;
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.text("Text5"), symbol);
    std::vector<std::string> writes = {"Label6=" + symbol.substr(0, 1),
                                       "Label7=" + symbol.substr(2, 1)};
    if (symbol.size() == 9) {
        EXPECT_EQ(symbol.substr(3, 5), " - " + symbol.substr(0, 1) + " ");
        writes.push_back("Label10=" + symbol.substr(8, 1));
    }
    writes.push_back("Text5=" + symbol);
    EXPECT_EQ(window.writes, writes);
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

TEST(UnifiedState, ASecondRunShowsOnlyItsOwnLetters) {
    FakeWindow window;
    typeSample(window, {"60", "98", "60", "40", "", "", ""});
    unifiedClassify(window);
    ASSERT_EQ(window.text("Text5"), "C H");
    typeSample(window, {"8", "60", "20", "5", "2", "7", ""});
    unifiedClassify(window);
    EXPECT_EQ(window.text("Text5"), "S C - S W");
    EXPECT_EQ(window.text("Label6"), "S");
    EXPECT_EQ(window.text("Label7"), "C");
    EXPECT_EQ(window.text("Label10"), "W");
}

TEST(UnifiedState, ASingleFormLeavesTheGradationLetterAlone) {
    FakeWindow window;
    typeSample(window, {"8", "60", "20", "5", "2", "7", ""});
    unifiedClassify(window);
    typeSample(window, {"60", "98", "60", "40", "", "", ""});
    unifiedClassify(window);
    EXPECT_EQ(window.text("Text5"), "C H");
    EXPECT_EQ(window.text("Label10"), "W");
}

TEST(UnifiedState, ARefusalKeepsThePreviousSymbol) {
    FakeWindow window;
    unifiedClassify(window);
    ASSERT_EQ(window.text("Text5"), "S C");
    window.type("Text1", "3");
    window.type("Text6", "");
    const auto before = window.state();
    unifiedClassify(window);
    EXPECT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.state(), before);
}

TEST(UnifiedMethod, GradingTestOnlyForTwelvePercentFinesOrLess) {
    EXPECT_TRUE(needsGradingTest({12, 60, 0, 0, {}, {}}));
    EXPECT_FALSE(needsGradingTest({12.01, 60, 0, 0, {}, {}}));
    EXPECT_FALSE(classifyUnified({3, 60, 0, 0, 2.0, std::nullopt}));
    EXPECT_TRUE(classifyUnified({13, 60, 0, 0, std::nullopt, std::nullopt}));
}

} // namespace
} // namespace classifier
