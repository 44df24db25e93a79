// Where the window's rules and the standard's answer a sample differently, and why.
#include "core/other_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace classifier {
namespace {

struct Both {
    UnifiedResult window, standard;
};

Both unified(const UnifiedSample& sample) {
    return {*classifyUnified(sample, Rules::Window), *classifyUnified(sample, Rules::Standard)};
}

TEST(OtherRules, SayTheOtherAnswerAndTheStepThatDecidedIt) {
    const Both both = unified({49, 52, 30, 4, {}, {}});
    EXPECT_FALSE(sameAnswer(both.window, both.standard));
    EXPECT_EQ(answerText(both.standard, Language::English), "standard: GM, silty gravel");
    EXPECT_EQ(answerText(both.window, Language::English),
              "window rules: SM, silty sand with gravel");
    EXPECT_EQ(answerText(both.standard, Language::Persian),
              "\u200Fطبق استاندارد: \u2066GM\u2069، شن لای‌دار");
    EXPECT_EQ(whyOtherwise(both.window, both.standard, Language::English, {}),
              "in the coarse part, gravel 48 % is more than sand 3 %: gravel (G)");
    EXPECT_EQ(whyOtherwise(both.standard, both.window, Language::English, {}),
              "P4 = 52 % > 50 %: sand (S)");
}

TEST(OtherRules, FindTheFirstStepTheyDisagreeOn) {
    const std::pair<UnifiedSample, const char*> cases[] = {
        {{50, 90, 30, 10, {}, {}}, "F200 = 50 % \u2265 50 %: fine-grained"},
        {{90, 100, 18, 2, {}, {}},
         "PI = 2 \u2265 0.73 \u00D7 (LL \u2212 20) = -1.46 and PI = 2 < 4: silt (M)"},
        {{90, 100, 50, 30, {}, {}}, "LL = 50 \u2265 50: high plasticity (H)"},
        {{5, 60, 30, 10, 2.0, 7.0},
         "5 % \u2264 F200 = 5 % \u2264 12 %: dual symbol, with a fines letter and a grading "
         "letter"},
        {{3, 90, 0, 0, 3.0, 7.0}, "1 \u2264 Cc = 3 \u2264 3 and Cu = 7 \u2265 6: well graded (W)"},
        {{8, 60, 20, 5, 2.0, 7.0},
         "PI = 5 \u2265 0.73 \u00D7 (LL \u2212 20) = 0 and 4 \u2264 PI = 5 \u2264 7: silty clay "
         "(C-M)"},
    };
    for (const auto& [sample, step] : cases) {
        const Both both = unified(sample);
        EXPECT_EQ(whyOtherwise(both.window, both.standard, Language::English, {}), step);
    }
    UnifiedSample organic{90, 100, 40, 20, {}, {}};
    organic.organic = true;
    const Both both = unified(organic);
    EXPECT_EQ(whyOtherwise(both.window, both.standard, Language::English, {}),
              "organic, as the lab decided (O)");
}

// A dual symbol in the other order is the same group.
TEST(OtherRules, AgreeWhateverTheOrderOfTheDualSymbol) {
    const Both both = unified({8, 60, 40, 20, 2.0, 7.0});
    EXPECT_EQ(both.window.symbol.text(), "S C - S W");
    EXPECT_EQ(both.standard.symbol.text(), "S W - S C");
    EXPECT_TRUE(sameAnswer(both.window, both.standard));
    EXPECT_FALSE(whyOtherwise(both.window, both.standard, Language::English, {}));
}

TEST(OtherRules, AgreeOnAnAashtoIndexTheStandardRoundsTo) {
    const AashtoSample sample{60, 80, 100, 45, 20};
    const auto window = classifyAashto(sample, Rules::Window);
    const auto standard = classifyAashto(sample, Rules::Standard);
    EXPECT_EQ(window->shownIndex(), 10.125);
    EXPECT_EQ(designation(*standard, {}), "A-7-6 (10)");
    EXPECT_TRUE(sameAnswer(*window, *standard));
}

TEST(OtherRules, TellTheFullIndexFromThePartialOne) {
    const AashtoSample sample{30, 60, 80, 30, 20};
    const auto window = classifyAashto(sample, Rules::Window);
    const auto standard = classifyAashto(sample, Rules::Standard);
    EXPECT_FALSE(sameAnswer(*window, *standard));
    EXPECT_EQ(answerText(*window, Language::English, {}), "window rules: A-2-6 (0.75)");
    EXPECT_EQ(answerText(*standard, Language::English, {}), "standard: A-2-6 (2)");
    EXPECT_EQ(whyOtherwise(*window, *standard, Language::English, {}),
              "GI = 0.01 \u00D7 (30 \u2212 15) \u00D7 (20 \u2212 10) = 1.5, rounded to the nearest "
              "whole number: 2");
}

TEST(OtherRules, NameTheRowsWhenOnlyOneRuleSetFindsAGroup) {
    const AashtoSample sample{20, 40, 60, 30, 8};
    const auto window = classifyAashto(sample, Rules::Window);
    const auto standard = classifyAashto(sample, Rules::Standard);
    EXPECT_EQ(answerText(*window, Language::English, {}), "window rules: no group");
    EXPECT_EQ(whyOtherwise(*window, *standard, Language::English, {}),
              "A-2-4: passed, LL = 30 \u2264 40, PI = 8 \u2264 10");
    EXPECT_EQ(whyOtherwise(*standard, *window, Language::English, {}),
              "no group row takes this sample; closest rows: A-1-b (PI = 8 > 6), A-2-4 (F200 = "
              "20 % \u2264 25 %)");
    EXPECT_EQ(refusedText(Rules::Window, Language::English), "window rules: not classified");
}

// A result made for its answer alone, to compare with, answers as the full one does.
TEST(AnswerOnly, AnswersAsTheFullResultDoes) {
    std::map<std::uint64_t, std::string> names;
    for (const double f : {3.0, 5.0, 8.0, 12.0, 20.0, 36.0, 50.0, 70.0, 90.0}) {
        for (const double p : {30.0, 52.0, 75.0, 95.0}) {
            for (const double ll : {18.0, 30.0, 40.5, 55.0}) {
                for (const double pi : {2.0, 5.0, 8.0, 10.5, 25.0}) {
                    for (const Rules rules : kRules) {
                        const UnifiedSample u{f, std::max(f, p), ll, pi, 2.0, 7.0};
                        const auto full = classifyUnified(u, rules);
                        const auto answer = classifyUnified(u, rules, Detail::Answer);
                        EXPECT_TRUE(answer->path.empty());
                        EXPECT_TRUE(sameAnswer(*full, *answer));
                        EXPECT_EQ(answer->name(Language::English), full->name(Language::English));
                        // one name for each name key
                        const auto [at, added] =
                            names.try_emplace(full->nameKey(), full->name(Language::Persian));
                        EXPECT_EQ(at->second, full->name(Language::Persian));
                        const AashtoSample a{f, std::max(f, p), std::max(f, p) + 5, ll, pi};
                        const auto fullA = classifyAashto(a, rules);
                        const auto answerA = classifyAashto(a, rules, Detail::Answer);
                        EXPECT_EQ(designation(*answerA, {}), designation(*fullA, {}));
                        EXPECT_EQ(noteTexts(*answerA, Language::English),
                                  noteTexts(*fullA, Language::English));
                    }
                }
            }
        }
    }
    EXPECT_GT(names.size(), 30u);
}

} // namespace
} // namespace classifier
