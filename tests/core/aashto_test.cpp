#include "core/aashto.h"
#include "core/number_text.h"

#include <gtest/gtest.h>

namespace classifier {
namespace {

constexpr bool kCoarse = true;
constexpr bool kFine = false;
constexpr const char* kNoGroup = "";

struct Sample {
    AashtoSample values;
    bool coarse;
    std::string group; // compact, or empty when no row takes the sample
    std::string index; // as shown
    bool zeroIndexNote, negativeIndexNote;
};

void PrintTo(const Sample& s, std::ostream* os) {
    const AashtoSample& v = s.values;
    *os << "F200 " << v.fines << " P40 " << v.passingNo40 << " P10 " << v.passingNo10 << " LL "
        << v.liquidLimit << " PI " << v.plasticityIndex;
}

class AashtoGroups : public testing::TestWithParam<Sample> {};

TEST_P(AashtoGroups, FollowTheRows) {
    const Sample& s = GetParam();
    const std::optional<AashtoResult> result = classifyAashto(s.values);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->coarse, s.coarse);
    EXPECT_EQ(result->group() ? std::string(result->group()->compactLabel) : "", s.group);
    EXPECT_EQ(formatNumber(result->shownIndex(), {}), s.index);
    EXPECT_EQ(result->zeroIndexNote(), s.zeroIndexNote);
    EXPECT_EQ(result->negativeIndex(), s.negativeIndexNote);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AashtoGroups,
    testing::Values(
        // the design-time sample
        Sample{{36, 30, 10, 51, 9}, kFine, "A-5", "0.045", false, false},
        // rows 2 and 3 both match at F200 15; the later one names the group
        Sample{{15, 25, 40, 20, 3}, kCoarse, "A-1-b", "0", true, true},
        Sample{{10, 25, 40, 20, 3}, kCoarse, "A-1-a", "0", true, true},
        Sample{{10, 60, 90, 0, 0}, kCoarse, "A-3", "0.5", true, false},
        Sample{{30, 40, 60, 35, 8}, kCoarse, "A-2-4", "0", true, true},
        Sample{{30, 40, 60, 60, 8}, kCoarse, "A-2-5", "0", true, true},
        Sample{{30, 40, 60, 30, 12}, kCoarse, "A-2-6", "0", false, true},
        Sample{{30, 40, 60, 45, 20}, kCoarse, "A-2-7", "0.375", false, false},
        // no row takes the sample
        Sample{{20, 40, 60, 30, 8}, kCoarse, kNoGroup, "0", false, true},
        Sample{{30, 40, 60, 30, 4}, kCoarse, kNoGroup, "0", false, true},
        Sample{{35.5, 40, 60, 30, 4}, kFine, kNoGroup, "0", false, true},
        Sample{{60, 40, 60, 40.5, 8}, kFine, kNoGroup, "4.1625", false, false},
        Sample{{60, 40, 60, 30, 10.5}, kFine, kNoGroup, "3.975", false, false},
        // the bounds between coarse and fine
        Sample{{35, 40, 60, 30, 12}, kCoarse, "A-2-6", "0.4", false, false},
        Sample{{36, 40, 60, 30, 12}, kFine, "A-6", "0.57", false, false},
        // fine rows
        Sample{{60, 40, 60, 40, 10}, kFine, "A-4", "5", false, false},
        Sample{{60, 40, 60, 50, 20}, kFine, "A-7-5", "10.75", false, false},
        Sample{{60, 40, 60, 50, 21}, kFine, "A-7-6", "11.2", false, false},
        Sample{{100, 100, 100, 100, 100}, kFine, "A-7-6", "109", false, false},
        // an index that is mathematically zero is written as 0, not as a rounding residue
        Sample{{3, 60, 90, 3, 6}, kCoarse, "A-3", "0", true, false},
        Sample{{5, 60, 90, 6, 1}, kCoarse, "A-3", "0", true, false},
        // negative limits are used as typed
        Sample{{60, 40, 60, -10, -5}, kFine, "A-4", "0", false, true}));

TEST(AashtoMethod, GroupIndexKeepsItsOrderOfOperations) {
    EXPECT_NEAR(groupIndex({36, 30, 10, 51, 9}), 0.045, 1e-15);
    EXPECT_LT(groupIndex({3, 60, 90, 3, 6}), 0.0);
    EXPECT_EQ(classifyAashto({3, 60, 90, 3, 6})->groupIndex, 0.0);
    EXPECT_FALSE(classifyAashto({100, 0, 0, 1.7e308, 1.7e308}));
}

} // namespace
} // namespace classifier
