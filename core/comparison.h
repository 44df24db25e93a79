#pragma once

#include "controls.h"

#include <string>

namespace classifier {

// The quantities the two methods compare, by the symbols the path writes for them.
enum class Quantity {
    F200,            // percent passing the No. 200 sieve
    P4,              // percent passing the No. 4 sieve
    P40,             // percent passing the No. 40 sieve
    P10,             // percent passing the No. 10 sieve
    LiquidLimit,     // LL
    PlasticityIndex, // PI
    Cc,
    Cu,
    LiquidLimitLess30, // LL − 30
    GroupIndex,        // GI
};

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
    Quantity quantity = Quantity::F200;
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
// "PI = 7.2 < 0.73 × (LL − 20) = 7.3", "1 ≤ Cc = 1.06 < 3", "Cc = 3 ≥ 3". Language-neutral.
std::string comparisonText(const Comparison& comparison, const NumberFormat& format);

} // namespace classifier
