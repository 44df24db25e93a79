#pragma once

#include "number_format.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace classifier {

// The quantities the two methods read and compare: the fields of a sample first, then those
// worked out from them.
enum class Quantity : std::uint8_t {
    Fines,           // F200, percent passing the No. 200 sieve
    PassingNo4,      // P4
    PassingNo40,     // P40
    PassingNo10,     // P10
    LiquidLimit,     // LL
    PlasticityIndex, // PI
    Cc,
    Cu,
    PlasticLimit,         // PL
    D10,                  // the grain diameters that 10, 30 and 60 % of the sample pass
    D30,                  //   "
    D60,                  //   "
    OvenDriedLiquidLimit, // LL of the oven-dried sample, for the organic test
    Organic,              // the lab's own decision whether the fines are organic
    LiquidLimitLess30,    // LL − 30
    GroupIndex,           // GI
    Gravel,               // the part retained on the No. 4 sieve: 100 − P4
    OrganicRatio,         // LL of the oven-dried sample over LL
};

// The number of quantities a sample's fields can hold: those before LiquidLimitLess30.
inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(Quantity::LiquidLimitLess30);

// The symbol the paths write for a quantity: "F200", "P4", "LL", "LL − 30".
std::string_view symbolOf(Quantity quantity);

// Within: lower ≤ value < upper; Between: lower ≤ value ≤ upper.
enum class Relation : std::uint8_t { Less, LessOrEqual, Greater, GreaterOrEqual, Within, Between };

// What the quantity is compared with.
enum class Bound : std::uint8_t {
    Number,
    ALine,           // 0.73 × (LL − 20), worked out at the sample's LL
    PlasticityIndex, // the sample's PI
    Sand,            // the sample's sand, P4 − F200, compared with its gravel
};

// One comparison as it was decided: the two sides, the relation asked for, and the outcome.
struct Comparison {
    // The numbers first, so that a comparison takes 32 bytes: the methods make and copy dozens.
    double value = 0;
    double bound = 0;
    double upper = 0; // Within and Between only
    Quantity quantity = Quantity::Fines;
    Relation relation = Relation::Less;
    Bound boundKind = Bound::Number;
    bool holds = false;
};

// Defined here so that a comparison is built in place where it is made: the methods make dozens
// for each sample.
inline bool holds(double value, Relation relation, double bound, double upper) {
    switch (relation) {
    case Relation::Less:
        return value < bound;
    case Relation::LessOrEqual:
        return value <= bound;
    case Relation::Greater:
        return value > bound;
    case Relation::GreaterOrEqual:
        return value >= bound;
    case Relation::Within:
        return value >= bound && value < upper;
    case Relation::Between:
        return value >= bound && value <= upper;
    }
    return false;
}

inline Comparison compare(Quantity quantity, double value, Relation relation, double bound,
                          Bound boundKind = Bound::Number) {
    return {value, bound, 0, quantity, relation, boundKind, holds(value, relation, bound, 0)};
}

inline Comparison within(Quantity quantity, double value, double lower, double upper) {
    return {value,
            lower,
            upper,
            quantity,
            Relation::Within,
            Bound::Number,
            holds(value, Relation::Within, lower, upper)};
}

// The standard rules compare the numbers as typed: two sides that differ only by the noise of
// binary arithmetic on decimals (45.3 − 30 against 15.3, 0.73 × (30 − 20) against 7.3) are equal,
// so that a point typed on a line is on it. The value is then recorded as the bound it equals.
inline constexpr double kDecimalNoise = 1e-9;

inline double asTyped(double value, double bound) {
    const double scale = std::max({1.0, std::fabs(value), std::fabs(bound)});
    return std::fabs(value - bound) <= kDecimalNoise * scale ? bound : value;
}

inline Comparison compareAsTyped(Quantity quantity, double value, Relation relation, double bound,
                                 Bound boundKind = Bound::Number) {
    return compare(quantity, asTyped(value, bound), relation, bound, boundKind);
}

inline Comparison between(Quantity quantity, double value, double lower, double upper) {
    value = asTyped(asTyped(value, lower), upper);
    return {value,
            lower,
            upper,
            quantity,
            Relation::Between,
            Bound::Number,
            holds(value, Relation::Between, lower, upper)};
}

// The comparison as the relation that actually holds between its sides: "F200 = 34 % ≤ 50 %",
// "PI = 7.2 < 0.73 × (LL − 20) = 7.3", "1 ≤ Cc = 1.06 < 3", "Cc = 3 ≥ 3". Language-neutral; every
// number, the constants included, in the given format. (A comparison of gravel with sand is
// written in words, by the path's StepWriter.)
std::string comparisonText(const Comparison& comparison, const NumberFormat& format);

} // namespace classifier
