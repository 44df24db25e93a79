#include "core/unified.h"

#include <gtest/gtest.h>

#include <set>

namespace classifier {
namespace {

struct Named {
    UnifiedSample sample;
    const char* symbol;
    const char* english;
};

void PrintTo(const Named& n, std::ostream* os) {
    *os << "F " << n.sample.fines << " P4 " << n.sample.passingNo4 << " LL " << n.sample.liquidLimit
        << " PI " << n.sample.plasticityIndex;
}

class UnifiedNames : public testing::TestWithParam<Named> {};

TEST_P(UnifiedNames, FollowTheFractions) {
    const auto result = classifyUnified(GetParam().sample);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->symbol.compactText(), GetParam().symbol);
    EXPECT_EQ(result->name(Language::English), GetParam().english);
}

// Fine soils: coarse = 100 − F200, gravel = 100 − P4, sand = P4 − F200.
INSTANTIATE_TEST_SUITE_P(
    Fine, UnifiedNames,
    testing::Values(
        Named{{85.01, 95, 60, 40, {}, {}}, "CH", "Fat clay"},             // coarse 14.99
        Named{{85, 95, 60, 40, {}, {}}, "CH", "Fat clay with sand"},      // coarse 15, sand 10
        Named{{85, 92, 60, 5, {}, {}}, "MH", "Elastic silt with gravel"}, // gravel 8 > sand 7
        Named{{80, 88, 30, 5, {}, {}}, "ML", "Silt with gravel"},         // gravel 12 > sand 8
        Named{{80, 90, 30, 5, {}, {}}, "ML", "Silt with sand"},           // sand = gravel = 10
        Named{{70.01, 90, 30, 15, {}, {}}, "CL", "Lean clay with sand"},  // coarse 29.99
        Named{{70, 90, 30, 15, {}, {}}, "CL", "Sandy lean clay"},         // coarse 30, gravel 10
        Named{{60, 85, 30, 15, {}, {}}, "CL", "Sandy lean clay with gravel"}, // gravel 15
        Named{{60, 85.01, 30, 15, {}, {}}, "CL", "Sandy lean clay"},          // gravel 14.99
        Named{{60, 80, 30, 15, {}, {}}, "CL", "Sandy lean clay with gravel"}, // sand = gravel
        Named{{60, 79.99, 30, 15, {}, {}}, "CL", "Gravelly lean clay with sand"},
        Named{{60, 74.99, 30, 15, {}, {}}, "CL", "Gravelly lean clay"}, // sand 14.99
        Named{{50.1, 65.1, 60, 10, {}, {}}, "MH", "Gravelly elastic silt with sand"}));

// Coarse soils: a gravel names its sand from 15 %, a sand its gravel.
INSTANTIATE_TEST_SUITE_P(
    Coarse, UnifiedNames,
    testing::Values(
        Named{{30, 98, 38, 26, {}, {}}, "SC", "Clayey sand"},
        Named{{30, 85, 38, 26, {}, {}}, "SC", "Clayey sand with gravel"},
        Named{{20, 85.01, 30, 5, {}, {}}, "SM", "Silty sand"},
        Named{{20, 50, 30, 5, {}, {}}, "GM", "Silty gravel with sand"},
        Named{{3, 18, 0, 0, 2.0, 10.0}, "GW", "Well-graded gravel with sand"},
        Named{{3, 17.99, 0, 0, 2.0, 10.0}, "GW", "Well-graded gravel"},
        Named{{3, 90, 0, 0, 2.0, 3.0}, "SP", "Poorly graded sand"},
        Named{{8, 60, 20, 5, 2.0, 7.0}, "SW-SC", "Well-graded sand with clay and gravel"},
        Named{{8, 90, 40, 10, 2.0, 3.0}, "SP-SM", "Poorly graded sand with silt"},
        Named{{8, 30, 40, 20, 2.0, 8.0}, "GW-GC", "Well-graded gravel with clay and sand"},
        Named{{12, 26.99, 40, 10, 0.5, 8.0}, "GP-GM", "Poorly graded gravel with silt"}));

TEST(UnifiedNames, PersianPutsTheAdjectivesAfterTheNoun) {
    const std::pair<UnifiedSample, const char*> cases[] = {
        {{34, 98, 38, 26, 1.06, 23.5}, "ماسه رس\u200Cدار"},
        {{60, 85, 30, 15, {}, {}}, "رس ماسه\u200Cای با خاصیت خمیری کم همراه با شن"},
        {{85, 95, 60, 5, {}, {}}, "لای با خاصیت خمیری زیاد همراه با ماسه"},
        {{8, 60, 20, 5, 2.0, 7.0}, "ماسه خوب دانه\u200Cبندی\u200Cشده همراه با رس و شن"},
        {{3, 18, 0, 0, 2.0, 3.0}, "شن بد دانه\u200Cبندی\u200Cشده همراه با ماسه"},
    };
    for (const auto& [sample, persian] : cases) {
        EXPECT_EQ(classifyUnified(sample)->name(Language::Persian), persian);
    }
}

// Every symbol the rules can give, reached over a grid of samples, has both names, and each of
// its letters comes from a step of its path.
TEST(UnifiedNames, EverySymbolIsNamedAndExplained) {
    std::set<std::string> symbols;
    for (double f : {3.0, 8.0, 20.0, 60.0, 90.0}) {
        for (double p4 : {30.0, 70.0, 98.0}) {
            for (double ll : {30.0, 60.0}) {
                for (double pi : {0.0, 9.0, 40.0}) {
                    for (double cu : {2.0, 8.0}) {
                        const auto result = classifyUnified({f, std::max(p4, f), ll, pi, 2.0, cu});
                        ASSERT_TRUE(result);
                        symbols.insert(result->symbol.compactText());
                        EXPECT_FALSE(result->name(Language::English).empty());
                        EXPECT_FALSE(result->name(Language::Persian).empty());
                        const auto path = explainUnified(*result, Language::English, {});
                        std::string all;
                        for (const std::string& line : path) {
                            all += line + "\n";
                        }
                        for (char letter : result->symbol.compactText()) {
                            if (letter != '-') {
                                EXPECT_NE(all.find(std::string("(") + letter + ")"),
                                          std::string::npos)
                                    << all;
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(symbols.size(), 20u);
}

} // namespace
} // namespace classifier
