#pragma once

#include "number_format.h"

#include <string>
#include <string_view>

namespace classifier {

// The quantities the two methods read and compare: the fields of a sample first, then those
// worked out from them.
enum class Quantity {
    Fines,           // F200, percent passing the No. 200 sieve
    PassingNo4,      // P4
    PassingNo40,     // P40
    PassingNo10,     // P10
    LiquidLimit,     // LL
    PlasticityIndex, // PI
    Cc,
    Cu,
    LiquidLimitLess30, // LL − 30
    GroupIndex,        // GI
};

// The symbol the paths write for a quantity: "F200", "P4", "LL", "LL − 30".
std::string_view symbolOf(Quantity quantity);

// Within: lower ≤ value < upper.
enum class Relation { Less, LessOrEqual, Greater, GreaterOrEqual, Within };

// What the quantity is compared with.
enum class Bound {
    Number,
    ALine,           // 0.73 × (LL − 20), worked out at the sample's LL
    PlasticityIndex, // the sample's PI
};

// One comparison as it was decided: the two sides, the relation asked for, and the outcome.
struct Comparison {
    Quantity quantity = Quantity::Fines;
    double value = 0;
    Relation relation = Relation::Less;
    double bound = 0;
    Bound boundKind = Bound::Number;
    double upper = 0; // Within only
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
    }
    return false;
}

inline Comparison compare(Quantity quantity, double value, Relation relation, double bound,
                          Bound boundKind = Bound::Number) {
    return {quantity, value, relation, bound, boundKind, 0, holds(value, relation, bound, 0)};
}

inline Comparison within(Quantity quantity, double value, double lower, double upper) {
    return {quantity,
            value,
            Relation::Within,
            lower,
            Bound::Number,
            upper,
            holds(value, Relation::Within, lower, upper)};
}

// The comparison as the relation that actually holds between its sides: "F200 = 34 % ≤ 50 %",
// "PI = 7.2 < 0.73 × (LL − 20) = 7.3", "1 ≤ Cc = 1.06 < 3", "Cc = 3 ≥ 3". Language-neutral; every
// number, the constants included, in the given format.
std::string comparisonText(const Comparison& comparison, const NumberFormat& format);

} // namespace classifier
