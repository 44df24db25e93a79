// The group rows of the AASHTO method: which samples each group takes, and how it is named.
#include "aashto.h"

#include <array>

namespace classifier {
namespace {

constexpr Material kFineSand = {"ماسه ريز", "Fine sand"};
constexpr Material kGranular = {"ماسه و شن يا قلوه سنگ", "Sand and gravel or stone fragments"};
constexpr Material kSiltyClayeyGranular = {"ماسه و شن رس دار و لاي دار",
                                           "Clayey and silty sand and gravel"};
constexpr Material kSilty = {"خاك لاي دار", "Silty soil"};
constexpr Material kClayey = {"خاك رس دار", "Clayey soil"};

using Q = Quantity;

constexpr Condition atMost(Q q, double bound) {
    return {q, Relation::LessOrEqual, bound, Bound::Number};
}
constexpr Condition atLeast(Q q, double bound) {
    return {q, Relation::GreaterOrEqual, bound, Bound::Number};
}
constexpr Condition above(Q q, double bound) {
    return {q, Relation::Greater, bound, Bound::Number};
}
// Only a coarse sample with 25 < F200 <= 35 can belong to an A-2 group.
constexpr Condition kA2Low = above(Q::F200, 25);
constexpr Condition kA2High = atMost(Q::F200, 35);

constexpr bool kZeroGroup = true;
constexpr bool kWritesZero = true;
constexpr auto kGood = SubgradeRating::ExcellentToGood;
constexpr auto kPoor = SubgradeRating::FairToPoor;

AashtoGroup row(std::string_view label, Material material, InlineVector<Condition, 5> conditions,
                bool zeroGroup, bool writesZero, SubgradeRating rating) {
    std::string compact(label);
    std::erase(compact, ' ');
    return {label, compact, material, conditions, zeroGroup, writesZero, rating};
}

const std::array<AashtoGroup, 7> kCoarse = {
    row("A - 3", kFineSand, {atMost(Q::F200, 10), atLeast(Q::P40, 51)}, kZeroGroup, !kWritesZero,
        kGood),
    row("A - 1 - a", kGranular,
        {atMost(Q::F200, 15), atMost(Q::P40, 30), atMost(Q::P10, 50),
         atMost(Q::PlasticityIndex, 6)},
        kZeroGroup, kWritesZero, kGood),
    row("A - 1 - b", kGranular,
        {atMost(Q::F200, 25), atLeast(Q::F200, 15), atMost(Q::P40, 50),
         atMost(Q::PlasticityIndex, 6)},
        kZeroGroup, !kWritesZero, kGood),
    row("A - 2 - 4", kSiltyClayeyGranular,
        {kA2Low, kA2High, atMost(Q::LiquidLimit, 40), atMost(Q::PlasticityIndex, 10),
         above(Q::PlasticityIndex, 6)},
        kZeroGroup, !kWritesZero, kGood),
    row("A - 2 - 5", kSiltyClayeyGranular,
        {kA2Low, kA2High, atLeast(Q::LiquidLimit, 41), atMost(Q::PlasticityIndex, 10),
         above(Q::PlasticityIndex, 6)},
        kZeroGroup, !kWritesZero, kGood),
    row("A - 2 - 6", kSiltyClayeyGranular,
        {kA2Low, kA2High, atMost(Q::LiquidLimit, 40), atLeast(Q::PlasticityIndex, 11)}, !kZeroGroup,
        !kWritesZero, kGood),
    row("A - 2 - 7", kSiltyClayeyGranular,
        {kA2Low, kA2High, atLeast(Q::LiquidLimit, 41), atLeast(Q::PlasticityIndex, 11)},
        !kZeroGroup, !kWritesZero, kGood),
};

// LL − 30 against PI separates A-7-5 from A-7-6; equality goes to A-7-5.
constexpr Condition kA75 = {Q::LiquidLimitLess30, Relation::GreaterOrEqual, 0,
                            Bound::PlasticityIndex};
constexpr Condition kA76 = {Q::LiquidLimitLess30, Relation::Less, 0, Bound::PlasticityIndex};

const std::array<AashtoGroup, 5> kFine = {
    row("A - 4", kSilty,
        {atLeast(Q::F200, 36), atMost(Q::LiquidLimit, 40), atMost(Q::PlasticityIndex, 10)},
        !kZeroGroup, !kWritesZero, kPoor),
    row("A - 5", kSilty,
        {atLeast(Q::F200, 36), atLeast(Q::LiquidLimit, 41), atMost(Q::PlasticityIndex, 10)},
        !kZeroGroup, !kWritesZero, kPoor),
    row("A - 6", kClayey,
        {atLeast(Q::F200, 36), atMost(Q::LiquidLimit, 40), atLeast(Q::PlasticityIndex, 11)},
        !kZeroGroup, !kWritesZero, kPoor),
    row("A - 7 -5", kClayey,
        {atLeast(Q::F200, 36), atLeast(Q::LiquidLimit, 41), atLeast(Q::PlasticityIndex, 11), kA75},
        !kZeroGroup, !kWritesZero, kPoor),
    row("A - 7 -6", kClayey,
        {atLeast(Q::F200, 36), atLeast(Q::LiquidLimit, 41), atLeast(Q::PlasticityIndex, 11), kA76},
        !kZeroGroup, !kWritesZero, kPoor),
};

} // namespace

std::span<const AashtoGroup> coarseGroups() {
    return kCoarse;
}

std::span<const AashtoGroup> fineGroups() {
    return kFine;
}

} // namespace classifier
