#include "validation.h"

#include "aashto.h"
#include "number_text.h"
#include "unified.h"

#include <cmath>

namespace classifier {
namespace {

using Q = Quantity;

constexpr std::array<FieldRule, 6> kUnified = {{
    {Q::Fines, Accepts::Percentage},
    {Q::PassingNo4, Accepts::Percentage},
    {Q::LiquidLimit, Accepts::NotNegative},
    {Q::PlasticityIndex, Accepts::NotNegative},
    {Q::Cc, Accepts::Any, true},
    {Q::Cu, Accepts::Any, true},
}};

constexpr std::array<FieldRule, 5> kAashto = {{
    {Q::Fines, Accepts::Percentage},
    {Q::PassingNo40, Accepts::Percentage},
    {Q::PassingNo10, Accepts::Percentage},
    {Q::LiquidLimit, Accepts::Any},
    {Q::PlasticityIndex, Accepts::Any},
}};

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// What labs write for a value not measured: nothing, or a dash.
bool empty(std::string_view text) {
    text = trimmed(text);
    return text.empty() || text == "-" || text == "\u2013" || text == "\u2014";
}

// "<5", "≥ 90", "5-10", "5 – 10": a bound or a range.
bool bound(std::string_view text, const NumberFormat& format) {
    text = trimmed(text);
    for (const std::string_view sign : {"<", ">", "\u2264", "\u2265"}) {
        if (text.starts_with(sign)) {
            return parseNumber(text.substr(sign.size()), format).has_value();
        }
    }
    for (const std::string_view dash : {"-", "\u2013"}) {
        for (std::size_t at = text.find(dash, 1); at != std::string_view::npos;
             at = text.find(dash, at + 1)) {
            if (parseNumber(text.substr(0, at), format) &&
                parseNumber(text.substr(at + dash.size()), format)) {
                return true;
            }
        }
    }
    return false;
}

// Reads every field of the rules that is not optional; the values land in rule order.
template <std::size_t N>
std::array<double, N> readRequired(std::span<const FieldRule, N> rules, const FieldTexts& texts,
                                   const NumberFormat& format, FieldErrors& errors) {
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        if (rules[i].optional) {
            continue;
        }
        const FieldReading reading =
            readField(texts.text(rules[i].field), rules[i].accepts, format);
        if (reading.problem) {
            errors.push_back({rules[i].field, *reading.problem, false, std::nullopt});
        }
        values[i] = reading.value.value_or(0);
    }
    return values;
}

} // namespace

std::span<const FieldRule> unifiedFields() {
    return kUnified;
}

std::span<const FieldRule> aashtoFields() {
    return kAashto;
}

FieldReading readField(std::optional<std::string_view> text, Accepts accepts,
                       const NumberFormat& format) {
    if (!text) {
        return {std::nullopt, Problem::Missing};
    }
    if (empty(*text)) {
        return {std::nullopt, Problem::Empty};
    }
    const std::optional<double> value = parseNumber(*text, format);
    if (!value) {
        return {std::nullopt, bound(*text, format) ? Problem::Bound : Problem::NotANumber};
    }
    if (accepts != Accepts::Any && *value < 0) {
        return {std::nullopt,
                accepts == Accepts::Percentage ? Problem::Outside0To100 : Problem::Below0};
    }
    if (accepts == Accepts::Percentage && *value > 100) {
        return {std::nullopt, Problem::Outside0To100};
    }
    return {value, std::nullopt};
}

Checked<UnifiedSample> checkUnified(const FieldTexts& texts, const NumberFormat& format) {
    FieldErrors errors;
    const auto v = readRequired(std::span<const FieldRule, 6>(kUnified), texts, format, errors);
    UnifiedSample sample{v[0], v[1], v[2], v[3], std::nullopt, std::nullopt};
    const bool finesRead = errors.empty() || errors.front().field != Q::Fines;
    const bool needed = finesRead && needsGradingTest(sample);
    for (const Quantity field : {Q::Cc, Q::Cu}) {
        const FieldReading reading = readField(texts.text(field), Accepts::Any, format);
        if (needed && reading.problem) {
            errors.push_back({field, *reading.problem, true, std::nullopt});
        }
        (field == Q::Cc ? sample.cc : sample.cu) = reading.value;
    }
    if (!errors.empty()) {
        return errors;
    }
    return sample;
}

Checked<AashtoSample> checkAashto(const FieldTexts& texts, const NumberFormat& format) {
    FieldErrors errors;
    const auto v = readRequired(std::span<const FieldRule, 5>(kAashto), texts, format, errors);
    if (!errors.empty()) {
        return errors;
    }
    const AashtoSample sample{v[0], v[1], v[2], v[3], v[4]};
    if (!std::isfinite(groupIndex(sample))) {
        return FieldErrors{
            {Q::LiquidLimit, Problem::GroupIndexOverflow, false, Q::PlasticityIndex}};
    }
    return sample;
}

} // namespace classifier
