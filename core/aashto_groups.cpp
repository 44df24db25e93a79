// The group rows of the AASHTO method: which samples each group takes, and how it is named.
#include "aashto.h"
#include "aashto_parts.h"

#include <array>

namespace classifier {
namespace {

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
constexpr Condition kA2Low = above(Q::Fines, 25);
constexpr Condition kA2High = atMost(Q::Fines, 35);

constexpr bool kZeroGroup = true;
constexpr bool kWritesZero = true;
constexpr auto kGood = SubgradeRating::ExcellentToGood;
constexpr auto kPoor = SubgradeRating::FairToPoor;

using G = AashtoGroupName;
using W = Word;

AashtoGroup row(G name, std::string_view label, W material, InlineVector<Condition, 5> conditions,
                bool zeroGroup, bool writesZero, SubgradeRating rating) {
    return {name, label, material, conditions, zeroGroup, writesZero, rating};
}

const std::array<AashtoGroup, 7> kCoarse = {
    row(G::A3, "A-3", W::FineSand, {atMost(Q::Fines, 10), atLeast(Q::PassingNo40, 51)}, kZeroGroup,
        !kWritesZero, kGood),
    row(G::A1a, "A-1-a", W::GranularMaterial,
        {atMost(Q::Fines, 15), atMost(Q::PassingNo40, 30), atMost(Q::PassingNo10, 50),
         atMost(Q::PlasticityIndex, 6)},
        kZeroGroup, kWritesZero, kGood),
    row(G::A1b, "A-1-b", W::GranularMaterial,
        {atMost(Q::Fines, 25), atLeast(Q::Fines, 15), atMost(Q::PassingNo40, 50),
         atMost(Q::PlasticityIndex, 6)},
        kZeroGroup, !kWritesZero, kGood),
    row(G::A24, "A-2-4", W::SiltyClayeyGranular,
        {kA2Low, kA2High, atMost(Q::LiquidLimit, 40), atMost(Q::PlasticityIndex, 10),
         above(Q::PlasticityIndex, 6)},
        kZeroGroup, !kWritesZero, kGood),
    row(G::A25, "A-2-5", W::SiltyClayeyGranular,
        {kA2Low, kA2High, atLeast(Q::LiquidLimit, 41), atMost(Q::PlasticityIndex, 10),
         above(Q::PlasticityIndex, 6)},
        kZeroGroup, !kWritesZero, kGood),
    row(G::A26, "A-2-6", W::SiltyClayeyGranular,
        {kA2Low, kA2High, atMost(Q::LiquidLimit, 40), atLeast(Q::PlasticityIndex, 11)}, !kZeroGroup,
        !kWritesZero, kGood),
    row(G::A27, "A-2-7", W::SiltyClayeyGranular,
        {kA2Low, kA2High, atLeast(Q::LiquidLimit, 41), atLeast(Q::PlasticityIndex, 11)},
        !kZeroGroup, !kWritesZero, kGood),
};

// LL − 30 against PI separates A-7-5 from A-7-6; equality goes to A-7-5.
constexpr Condition kA75 = {Q::LiquidLimitLess30, Relation::GreaterOrEqual, 0,
                            Bound::PlasticityIndex};
constexpr Condition kA76 = {Q::LiquidLimitLess30, Relation::Less, 0, Bound::PlasticityIndex};

const std::array<AashtoGroup, 5> kFine = {
    row(G::A4, "A-4", W::SiltySoil,
        {atLeast(Q::Fines, 36), atMost(Q::LiquidLimit, 40), atMost(Q::PlasticityIndex, 10)},
        !kZeroGroup, !kWritesZero, kPoor),
    row(G::A5, "A-5", W::SiltySoil,
        {atLeast(Q::Fines, 36), atLeast(Q::LiquidLimit, 41), atMost(Q::PlasticityIndex, 10)},
        !kZeroGroup, !kWritesZero, kPoor),
    row(G::A6, "A-6", W::ClayeySoil,
        {atLeast(Q::Fines, 36), atMost(Q::LiquidLimit, 40), atLeast(Q::PlasticityIndex, 11)},
        !kZeroGroup, !kWritesZero, kPoor),
    row(G::A75, "A-7-5", W::ClayeySoil,
        {atLeast(Q::Fines, 36), atLeast(Q::LiquidLimit, 41), atLeast(Q::PlasticityIndex, 11), kA75},
        !kZeroGroup, !kWritesZero, kPoor),
    row(G::A76, "A-7-6", W::ClayeySoil,
        {atLeast(Q::Fines, 36), atLeast(Q::LiquidLimit, 41), atLeast(Q::PlasticityIndex, 11), kA76},
        !kZeroGroup, !kWritesZero, kPoor),
};

} // namespace

std::span<const AashtoGroup> coarseGroups(Rules rules) {
    if (rules == Rules::Standard) {
        return standardCoarseGroups();
    }
    return kCoarse;
}

std::span<const AashtoGroup> fineGroups(Rules rules) {
    if (rules == Rules::Standard) {
        return standardFineGroups();
    }
    return kFine;
}

} // namespace classifier
