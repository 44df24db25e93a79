#include "core/aashto.h"
#include "core/number_text.h"
#include "core/unified.h"
#include "core/words.h"

#include <gtest/gtest.h>

#include <functional>

namespace classifier {
namespace {

using Lines = std::vector<std::string>;

TEST(UnifiedPath, NamesTheStepOfEachLetterWithItsNumbers) {
    const auto result = classifyUnified({34, 98, 38, 26, 1.06, 23.5});
    const Lines expected = {
        "F200 = 34 % \u2264 50 %: coarse-grained",
        "P4 = 98 % > 50 %: sand (S)",
        "F200 = 34 % > 12 %: the fines name the soil",
        "PI = 26 \u2265 0.73 \u00D7 (LL \u2212 20) = 13.14 and PI = 26 > 7: clay (C)",
        "gravel 2 %, sand 64 %, fines 34 %: Clayey sand",
    };
    EXPECT_EQ(explainUnified(*result, Language::English, {}), expected);
}

TEST(UnifiedPath, GradingShowsCcAndCuAgainstTheirLimits) {
    const std::pair<UnifiedSample, const char*> cases[] = {
        {{3, 60, 0, 0, 1.0, 6.0}, "1 \u2264 Cc = 1 < 3 and Cu = 6 \u2265 6: well graded (W)"},
        {{3, 60, 0, 0, 3.0, 6.0}, "Cc = 3 \u2265 3 and Cu = 6 \u2265 6: poorly graded (P)"},
        {{3, 40, 0, 0, 0.5, 3.5}, "Cc = 0.5 < 1 and Cu = 3.5 < 4: poorly graded (P)"},
    };
    for (const auto& [sample, step] : cases) {
        EXPECT_EQ(explainUnified(*classifyUnified(sample), Language::English, {})[3], step);
    }
}

TEST(AashtoPath, ShowsTheIndexThenEveryRowOfTheBranch) {
    const auto result = classifyAashto({36, 30, 10, 51, 9});
    const Lines expected = {
        "group index GI = ((LL \u2212 40) \u00D7 0.005 + 0.2) \u00D7 (F200 \u2212 35) + (PI \u2212 "
        "10) \u00D7 (F200 \u2212 15) \u00D7 0.01",
        "GI = ((51 \u2212 40) \u00D7 0.005 + 0.2) \u00D7 (36 \u2212 35) + (9 \u2212 10) \u00D7 "
        "(36 \u2212 15) \u00D7 0.01 = 0.045",
        "GI = 0.045 \u2265 0: shown as it is",
        "F200 = 36 % > 35 %: fine-grained",
        "A-4: failed, LL = 51 > 40",
        "A-5: passed, F200 = 36 % \u2265 36 %, LL = 51 \u2265 41, PI = 9 \u2264 10",
        "A-6: failed, LL = 51 > 40",
        "A-7-5: failed, PI = 9 < 11",
        "A-7-6: failed, PI = 9 < 11",
        "group A-5; rating as subgrade: fair to poor",
    };
    EXPECT_EQ(explainAashto(*result, Language::English, {}), expected);
}

TEST(AashtoPath, ASampleNoRowTakesNamesTheClosestRows) {
    const std::pair<AashtoSample, const char*> cases[] = {
        {{20, 40, 60, 30, 8},
         "no group row takes this sample; closest rows: A-1-b (PI = 8 > 6), A-2-4 (F200 = 20 % "
         "\u2264 25 %)"},
        {{60, 40, 60, 40.5, 8},
         "no group row takes this sample; closest rows: A-4 (LL = 40.5 > 40), A-5 (LL = 40.5 < "
         "41)"},
    };
    for (const auto& [sample, conclusion] : cases) {
        const auto result = classifyAashto(sample);
        EXPECT_FALSE(result->group());
        EXPECT_EQ(explainAashto(*result, Language::English, {}).back(), conclusion);
    }
}

TEST(AashtoResults, RateTheSubgradeByGroup) {
    const std::pair<AashtoSample, SubgradeRating> cases[] = {
        {{10, 60, 90, 0, 0}, SubgradeRating::ExcellentToGood},
        {{30, 40, 60, 45, 20}, SubgradeRating::ExcellentToGood}, // A-2-7
        {{60, 40, 60, 40, 10}, SubgradeRating::FairToPoor},
        {{60, 40, 60, 50, 21}, SubgradeRating::FairToPoor},      // A-7-6
    };
    for (const auto& [sample, rating] : cases) {
        EXPECT_EQ(classifyAashto(sample)->group()->rating, rating);
    }
}

TEST(Paths, WriteNumbersInTheWindowsFormat) {
    const NumberFormat comma{",", "."};
    EXPECT_EQ(
        explainUnified(*classifyUnified({3, 60, 0, 0, 1.5, 6.5}), Language::English, comma)[3],
        "1 \u2264 Cc = 1,5 < 3 and Cu = 6,5 \u2265 6: well graded (W)");
    EXPECT_EQ(explainAashto(*classifyAashto({36, 30, 10, 51, 9}), Language::English, comma)[2],
              "GI = 0,045 \u2265 0: shown as it is");
}

TEST(Paths, WriteTheirConstantsLikeTheSamplesNumbers) {
    const NumberFormat comma{",", "."};
    EXPECT_EQ(
        explainUnified(*classifyUnified({34, 98, 38, 26, 1.06, 23.5}), Language::English, comma)[3],
        "PI = 26 \u2265 0,73 \u00D7 (LL \u2212 20) = 13,14 and PI = 26 > 7: clay (C)");
    EXPECT_EQ(explainAashto(*classifyAashto({36, 30, 10, 51, 9}), Language::English, comma)[1],
              "GI = ((51 \u2212 40) \u00D7 0,005 + 0,2) \u00D7 (36 \u2212 35) + (9 \u2212 10) "
              "\u00D7 (36 \u2212 15) \u00D7 0,01 = 0,045");
}

// A formula that starts with a number keeps its order in a right-to-left line.
TEST(Paths, KeepPersianFormulasInLeftToRightIsolates) {
    const std::string line = explainUnified(*classifyUnified({3, 60, 0, 0, 1.5, 6.5}),
                                            Language::Persian, {"\u066B", "\u066C"})[3];
    EXPECT_EQ(line, "\u200F\u2066"
                    "1 \u2264 Cc = 1\u066B5 < 3\u2069 \u0648 "
                    "\u2066"
                    "Cu = 6\u066B5 \u2265 6\u2069: "
                    "\u062E\u0648\u0628 \u062F\u0627\u0646\u0647\u200C\u0628\u0646\u062F"
                    "\u06CC\u200C\u0634\u062F\u0647 (W)");
    EXPECT_EQ(line.find("\u200E"), std::string::npos);
}

// Samples over the whole range of both methods, including the boundaries of their rules.
void forEachSample(const std::function<void(double, double, double, double)>& visit) {
    for (double f : {0.0, 5.0, 8.0, 12.0, 15.0, 20.0, 25.0, 30.0, 35.0, 35.5, 36.0, 50.0, 60.0}) {
        for (double p : {10.0, 30.0, 50.0, 51.0, 98.0}) {
            for (double ll : {0.0, 20.0, 40.0, 40.5, 41.0, 60.0}) {
                for (double pi : {0.0, 6.0, 7.0, 8.0, 10.5, 11.0, 30.0}) {
                    visit(f, p, ll, pi);
                }
            }
        }
    }
}

bool hasArabicYehOrKaf(const std::string& text) {
    return text.find("\u064A") != std::string::npos || text.find("\u0643") != std::string::npos;
}

TEST(PersianTexts, UseThePersianYehAndKeheh) {
    std::size_t scanned = 0;
    const auto scan = [&scanned](const std::string& text) {
        ++scanned;
        EXPECT_FALSE(hasArabicYehOrKaf(text)) << text;
    };
    forEachSample([&](double f, double p, double ll, double pi) {
        const auto unified = classifyUnified({f, p, ll, pi, 2.0, 7.0});
        scan(unified->name(Language::Persian));
        for (const auto& line : explainUnified(*unified, Language::Persian, {"\u066B", "\u066C"})) {
            scan(line);
        }
        const auto aashto = classifyAashto({f, p, p, ll, pi});
        for (const auto& line : explainAashto(*aashto, Language::Persian, {})) {
            scan(line);
        }
        if (aashto->group()) {
            scan(std::string(ratingText(aashto->group()->rating, Language::Persian)));
            scan(std::string(materialText(*aashto->group(), Language::Persian)));
        }
        scan(std::string(soilTypeText(*aashto, Language::Persian)));
        for (const std::string_view note : noteTexts(*aashto, Language::Persian)) {
            scan(std::string(note));
        }
    });
    for (std::size_t word = 0; word < kWordCount; ++word) {
        scan(std::string(inPersian(static_cast<Word>(word))));
    }
    EXPECT_GT(scanned, 10000u);
}

} // namespace
} // namespace classifier
