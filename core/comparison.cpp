#include "comparison.h"

#include "number_text.h"
#include "plasticity.h"

#include <array>
#include <string_view>

namespace classifier {
namespace {

// Indexed by Quantity.
constexpr std::array<std::string_view, 18> kSymbols = {"F200",
                                                       "P4",
                                                       "P40",
                                                       "P10",
                                                       "LL",
                                                       "PI",
                                                       "Cc",
                                                       "Cu",
                                                       "PL",
                                                       "D10",
                                                       "D30",
                                                       "D60",
                                                       "LL (oven-dried)",
                                                       "organic",
                                                       "LL \u2212 30",
                                                       "GI",
                                                       "100 \u2212 P4",
                                                       "LL (oven-dried) / LL"};

bool isPercentage(Quantity quantity) {
    return quantity == Quantity::Fines || quantity == Quantity::PassingNo4 ||
           quantity == Quantity::PassingNo40 || quantity == Quantity::PassingNo10 ||
           quantity == Quantity::Gravel;
}

std::string_view sign(Relation relation, bool holds) {
    switch (relation) {
    case Relation::Less:
        return holds ? "<" : "\u2265";
    case Relation::LessOrEqual:
        return holds ? "\u2264" : ">";
    case Relation::Greater:
        return holds ? ">" : "\u2264";
    case Relation::GreaterOrEqual:
        return holds ? "\u2265" : "<";
    case Relation::Within:
    case Relation::Between:
        break;
    }
    return "";
}

class Writer {
public:
    Writer(const Comparison& c, const NumberFormat& format) : c_(c), format_(format) {}

    std::string side() const {
        return std::string(symbolOf(c_.quantity)) + " = " + number(c_.value);
    }
    std::string number(double value) const {
        return formatNumber(value, format_) + (isPercentage(c_.quantity) ? " %" : "");
    }
    std::string bound() const {
        switch (c_.boundKind) {
        case Bound::ALine:
            return formatNumber(kALineSlope, format_) + " \u00D7 (LL \u2212 " +
                   formatNumber(kALineStart, format_) + ") = " + formatNumber(c_.bound, format_);
        case Bound::PlasticityIndex:
            return "PI = " + formatNumber(c_.bound, format_);
        case Bound::Sand:
            return "P4 \u2212 F200 = " + number(c_.bound);
        case Bound::Number:
            break;
        }
        return number(c_.bound);
    }

private:
    const Comparison& c_;
    const NumberFormat& format_;
};

} // namespace

static_assert(kSymbols.size() == static_cast<std::size_t>(Quantity::OrganicRatio) + 1);

std::string_view symbolOf(Quantity quantity) {
    return kSymbols[static_cast<std::size_t>(quantity)];
}

std::string comparisonText(const Comparison& c, const NumberFormat& format) {
    const Writer writer(c, format);
    if (c.relation != Relation::Within && c.relation != Relation::Between) {
        return writer.side() + " " + std::string(sign(c.relation, c.holds)) + " " + writer.bound();
    }
    const bool within = c.relation == Relation::Within;
    if (c.holds) {
        return writer.number(c.bound) + " \u2264 " + writer.side() + (within ? " < " : " \u2264 ") +
               writer.number(c.upper);
    }
    return c.value < c.bound
               ? writer.side() + " < " + writer.number(c.bound)
               : writer.side() + (within ? " \u2265 " : " > ") + writer.number(c.upper);
}

} // namespace classifier
