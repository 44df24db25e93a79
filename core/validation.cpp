#include "validation.h"

#include "aashto.h"
#include "number_text.h"
#include "unified.h"

#include <cmath>
#include <limits>

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

constexpr bool kOptional = true;
constexpr bool kNonPlastic = true;

constexpr std::array<FieldRule, 12> kUnifiedStandard = {{
    {Q::Fines, Accepts::Percentage},
    {Q::PassingNo4, Accepts::Percentage},
    {Q::LiquidLimit, Accepts::NotNegative, kOptional, kNonPlastic},
    {Q::PlasticityIndex, Accepts::NotNegative, kOptional, kNonPlastic},
    {Q::PlasticLimit, Accepts::NotNegative, kOptional, kNonPlastic},
    {Q::Cc, Accepts::Positive, kOptional},
    {Q::Cu, Accepts::AtLeast1, kOptional},
    {Q::D10, Accepts::Positive, kOptional},
    {Q::D30, Accepts::Positive, kOptional},
    {Q::D60, Accepts::Positive, kOptional},
    {Q::OvenDriedLiquidLimit, Accepts::NotNegative, kOptional},
    {Q::Organic, Accepts::YesOrNo, kOptional},
}};

constexpr std::array<FieldRule, 6> kAashtoStandard = {{
    {Q::Fines, Accepts::Percentage},
    {Q::PassingNo40, Accepts::Percentage, kOptional},
    {Q::PassingNo10, Accepts::Percentage, kOptional},
    {Q::LiquidLimit, Accepts::NotNegative, kOptional, kNonPlastic},
    {Q::PlasticityIndex, Accepts::NotNegative, kOptional, kNonPlastic},
    {Q::PlasticLimit, Accepts::NotNegative, kOptional, kNonPlastic},
}};

// PI beside LL and PL may be rounded on its own; further apart than this, one of them is wrong.
constexpr double kPlasticityIndexSlack = 1;

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

// "<5", "≥ 90", "5-10", "5 – 10": a bound or a range, not a measured value.
bool isBound(std::string_view text, const NumberFormat& format) {
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

bool sameLetters(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c =
            text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != lower[i]) {
            return false;
        }
    }
    return true;
}

// "yes" or "no", in any case, or in Persian.
std::optional<bool> yesOrNo(std::string_view text) {
    text = trimmed(text);
    for (const std::string_view yes :
         {"yes", "y", "true", "\u0628\u0644\u0647", "\u0622\u0631\u06CC"}) {
        if (sameLetters(text, yes)) {
            return true;
        }
    }
    for (const std::string_view no : {"no", "n", "false", "\u062E\u06CC\u0631", "\u0646\u0647"}) {
        if (sameLetters(text, no)) {
            return false;
        }
    }
    return std::nullopt;
}

// The field as typed, without its bounds, written where the reading is kept. (Written in
// place rather than returned: a reading built in pieces and copied whole at once costs a stall
// of the processor's store forwarding, at every field of every row.)
void readRaw(FieldReading& out, std::string_view text, Quantity field, const NumberFormat& format) {
    out.nonPlastic = false;
    if (field != Q::Organic) {
        if (const std::optional<double> value = parseNumber(text, format)) {
            out.value = value;
            out.problem.reset();
            return;
        }
    }
    out.value.reset();
    if (empty(text)) {
        out.problem = Problem::Empty;
        return;
    }
    if (field == Q::Organic) {
        const std::optional<bool> organic = yesOrNo(text);
        if (organic) {
            out.value = *organic ? 1.0 : 0.0;
            out.problem.reset();
        } else {
            out.problem = Problem::NotYesOrNo;
        }
        return;
    }
    if (sameLetters(trimmed(text), "np")) {
        out.problem.reset();
        out.nonPlastic = true;
        return;
    }
    out.problem = isBound(text, format) ? Problem::Bound : Problem::NotANumber;
}

FieldReading rawReading(std::optional<std::string_view> text, Quantity field,
                        const NumberFormat& format) {
    FieldReading reading; // missing
    if (text) {
        readRaw(reading, *text, field, format);
    }
    return reading;
}

// The values each kind of field accepts: from `low` (or above it, when it is excluded) up to
// `high`, and the problem of a value outside them. Indexed by Accepts.
struct Range {
    double low;
    bool lowExcluded;
    double high;
    Problem below;
    Problem above;
};
constexpr double kNoLimit = std::numeric_limits<double>::infinity();
constexpr std::array<Range, 6> kRanges = {{
    {0, false, 100, Problem::Outside0To100, Problem::Outside0To100}, // Percentage
    {0, false, kNoLimit, Problem::Below0, Problem::Below0},          // NotNegative
    {-kNoLimit, false, kNoLimit, Problem::Below0, Problem::Below0},  // Any
    {0, true, kNoLimit, Problem::NotAbove0, Problem::NotAbove0},     // Positive
    {1, false, kNoLimit, Problem::Below1, Problem::Below1},          // AtLeast1
    {-kNoLimit, false, kNoLimit, Problem::Below0, Problem::Below0},  // YesOrNo
}};

// The reading held against the values the field accepts, written over `out`, which holds it
// as read.
void bound(FieldReading& out, Accepts accepts, bool nonPlastic) {
    if (out.nonPlastic && !nonPlastic) {
        out.nonPlastic = false;
        out.problem = Problem::NotANumber;
        return;
    }
    if (!out.value) {
        return;
    }
    const double v = *out.value;
    const Range& range = kRanges[static_cast<std::size_t>(accepts)];
    if (v < range.low || (range.lowExcluded && v == range.low)) {
        out.value.reset();
        out.problem = range.below;
    } else if (v > range.high) {
        out.value.reset();
        out.problem = range.above;
    }
}

FieldReading bounded(const FieldReading& reading, Accepts accepts, bool nonPlastic) {
    FieldReading held = reading;
    bound(held, accepts, nonPlastic);
    return held;
}

// Reads every field of the rules that is not optional; the values land in rule order.
template <std::size_t N>
std::array<double, N> readRequired(std::span<const FieldRule, N> rules, const FieldReadings& raw,
                                   FieldErrors& errors) {
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        if (rules[i].optional) {
            continue;
        }
        const FieldReading reading = bounded(raw[rules[i].field], rules[i].accepts, false);
        if (reading.problem) {
            errors.push_back({rules[i].field, *reading.problem, Need::Always, std::nullopt});
        }
        values[i] = reading.value.value_or(0);
    }
    return values;
}

FieldReadings readAll(const FieldTexts& texts, std::span<const FieldRule> rules,
                      const NumberFormat& format) {
    FieldReadings readings;
    for (const FieldRule& rule : rules) {
        const std::optional<std::string_view> text = texts.text(rule.field);
        if (text) { // a reading starts out missing
            readRaw(readings[rule.field], *text, rule.field, format);
        }
    }
    return readings;
}

Checked<UnifiedSample> windowUnified(const FieldReadings& raw) {
    FieldErrors errors;
    const auto v = readRequired(std::span<const FieldRule, 6>(kUnified), raw, errors);
    UnifiedSample sample{v[0], v[1], v[2], v[3], std::nullopt, std::nullopt};
    const bool finesRead = errors.empty() || errors.front().field != Q::Fines;
    const bool needed = finesRead && needsGradingTest(sample);
    for (const Quantity field : {Q::Cc, Q::Cu}) {
        const FieldReading reading = bounded(raw[field], Accepts::Any, false);
        if (needed && reading.problem) {
            errors.push_back({field, *reading.problem, Need::ForGrading, std::nullopt});
        }
        (field == Q::Cc ? sample.cc : sample.cu) = reading.value;
    }
    if (!errors.empty()) {
        return errors;
    }
    return sample;
}

Checked<AashtoSample> windowAashto(const FieldReadings& raw) {
    FieldErrors errors;
    const auto v = readRequired(std::span<const FieldRule, 5>(kAashto), raw, errors);
    if (!errors.empty()) {
        return errors;
    }
    const AashtoSample sample{v[0], v[1], v[2], v[3], v[4]};
    if (!std::isfinite(groupIndex(sample))) {
        return FieldErrors{
            {Q::LiquidLimit, Problem::GroupIndexOverflow, Need::Always, Q::PlasticityIndex}};
    }
    return sample;
}

// The fields of one sample by the standard rules, each held against its bounds once.
class StandardFields {
public:
    StandardFields(const FieldReadings& raw, std::span<const FieldRule> rules, FieldErrors& errors)
        : readings_(raw), errors_(errors) {
        for (const FieldRule& rule : rules) {
            FieldReading& reading = readings_[rule.field];
            nonPlastic_ = nonPlastic_ || (rule.nonPlastic && reading.nonPlastic);
            bound(reading, rule.accepts, rule.nonPlastic);
        }
    }

    const FieldReading& operator()(Quantity field) const { return readings_[field]; }

    // A value the sample needs; its problem (or Empty) is an error when it has none.
    std::optional<double> need(Quantity field, Need need) const {
        const FieldReading& reading = readings_[field];
        if (!reading.value && !reading.nonPlastic) {
            add(field, reading.problem.value_or(Problem::Empty), need);
        }
        return reading.value;
    }

    // A field that holds text that is no value is wrong even where another field stands in.
    bool typedWrong(Quantity field) const {
        const std::optional<Problem>& problem = readings_[field].problem;
        return problem && *problem != Problem::Empty && *problem != Problem::Missing;
    }

    // A need is said only of a field the sample lacks; a wrong value is wrong however needed.
    void add(Quantity field, Problem problem, Need need = Need::Always,
             std::optional<Quantity> with = std::nullopt) const {
        const bool lacking = problem == Problem::Empty || problem == Problem::Missing;
        errors_.push_back({field, problem, lacking ? need : Need::Always, with});
    }

    // "NP" in LL, PI or PL.
    bool nonPlastic() const { return nonPlastic_; }
    Quantity nonPlasticField() const {
        for (const Quantity field : {Q::PlasticityIndex, Q::PlasticLimit, Q::LiquidLimit}) {
            if (readings_[field].nonPlastic) {
                return field;
            }
        }
        return Q::PlasticityIndex;
    }

private:
    FieldReadings readings_;
    bool nonPlastic_ = false;
    FieldErrors& errors_;
};

double withoutNoise(double value) {
    return std::round(value * 1e9) / 1e9;
}

// LL, PI, PL and "NP" into the sample when it needs them; the impossible pairs whether it does
// or not.
template <class Sample> void plasticity(const StandardFields& f, bool needed, Sample& sample) {
    const FieldReading& ll = f(Q::LiquidLimit);
    const FieldReading& pi = f(Q::PlasticityIndex);
    const FieldReading& pl = f(Q::PlasticLimit);
    const bool nonPlastic = f.nonPlastic();
    if (ll.value && pl.value && *pl.value > *ll.value) {
        f.add(Q::PlasticLimit, Problem::PlasticAboveLiquid, Need::Always, Q::LiquidLimit);
    } else if (ll.value && pl.value && pi.value &&
               std::fabs(*pi.value - (*ll.value - *pl.value)) > kPlasticityIndexSlack) {
        f.add(Q::PlasticityIndex, Problem::NotLiquidLessPlastic, Need::Always, Q::PlasticLimit);
    }
    if (nonPlastic && ((pi.value && *pi.value != 0) || pl.value)) {
        f.add(pi.value && *pi.value != 0 ? Q::PlasticityIndex : Q::PlasticLimit,
              Problem::NumberBesideNonPlastic, Need::Always, f.nonPlasticField());
    }
    sample.liquidLimit = ll.value.value_or(0);
    sample.liquidLimitGiven = ll.value.has_value();
    sample.plasticityIndex = pi.value.value_or(0);
    if (!needed) {
        return;
    }
    const Need need = Need::WhereFinesDecide;
    if (nonPlastic) {
        sample.nonPlastic = true;
        sample.plasticityIndex = 0;
        for (const Quantity field : {Q::LiquidLimit, Q::PlasticityIndex, Q::PlasticLimit}) {
            if (f.typedWrong(field)) {
                f.add(field, *f(field).problem, need);
            }
        }
        return;
    }
    f.need(Q::LiquidLimit, need);
    if (pi.value) {
        if (f.typedWrong(Q::PlasticLimit)) {
            f.add(Q::PlasticLimit, *pl.problem, need);
        }
    } else if (f.typedWrong(Q::PlasticityIndex)) {
        f.add(Q::PlasticityIndex, *pi.problem, need);
    } else if (pl.value) {
        // Without LL, its own error says what is missing.
        sample.plasticityIndex = ll.value ? withoutNoise(*ll.value - *pl.value) : 0;
    } else if (f.typedWrong(Q::PlasticLimit)) {
        f.add(Q::PlasticLimit, *pl.problem, need);
    } else {
        f.add(Q::PlasticityIndex, pi.problem.value_or(Problem::Empty), need);
    }
}

// Cc or Cu as typed, or worked out from the diameters when it is not.
std::optional<double> coefficient(const StandardFields& f, Quantity field, bool needed,
                                  const double* fromDiameters) {
    const FieldReading& typed = f(field);
    if (typed.value || !needed) {
        return typed.value;
    }
    if (!f.typedWrong(field) && fromDiameters) {
        return withoutNoise(*fromDiameters);
    }
    if (!f.typedWrong(field)) {
        for (const Quantity diameter : {Q::D10, Q::D30, Q::D60}) {
            if (f.typedWrong(diameter)) {
                f.add(diameter, *f(diameter).problem, Need::ForGrading);
                return std::nullopt;
            }
        }
    }
    f.add(field, typed.problem.value_or(Problem::Empty), Need::ForGrading);
    return std::nullopt;
}

void grading(const StandardFields& f, bool needed, UnifiedSample& sample) {
    const FieldReading& d10 = f(Q::D10);
    const FieldReading& d30 = f(Q::D30);
    const FieldReading& d60 = f(Q::D60);
    const bool diameters = d10.value && d30.value && d60.value;
    if (diameters && *d10.value > *d30.value) {
        f.add(Q::D10, Problem::DiametersOutOfOrder, Need::Always, Q::D30);
    } else if (diameters && *d30.value > *d60.value) {
        f.add(Q::D30, Problem::DiametersOutOfOrder, Need::Always, Q::D60);
    }
    double cc = 0;
    double cu = 0;
    if (diameters) {
        cc = *d30.value * *d30.value / (*d10.value * *d60.value);
        cu = *d60.value / *d10.value;
    }
    sample.cc = coefficient(f, Q::Cc, needed, diameters ? &cc : nullptr);
    sample.cu = coefficient(f, Q::Cu, needed, diameters ? &cu : nullptr);
}

void organicTest(const StandardFields& f, bool needed, UnifiedSample& sample) {
    if (!needed) {
        return;
    }
    const FieldReading& organic = f(Q::Organic);
    if (organic.value) {
        sample.organic = *organic.value != 0;
    } else if (f.typedWrong(Q::Organic)) {
        f.add(Q::Organic, *organic.problem);
    }
    const FieldReading& oven = f(Q::OvenDriedLiquidLimit);
    if (f.typedWrong(Q::OvenDriedLiquidLimit)) {
        f.add(Q::OvenDriedLiquidLimit, *oven.problem);
    }
    sample.ovenDriedLiquidLimit = oven.value;
    // Only a non-plastic sample may lack LL; the organic test cannot.
    if (oven.value && !sample.organic && !sample.liquidLimitGiven && sample.nonPlastic &&
        !f.typedWrong(Q::LiquidLimit)) {
        f.add(Q::LiquidLimit, Problem::Empty, Need::ForOrganicTest);
    }
}

Checked<UnifiedSample> standardUnified(const FieldReadings& raw) {
    FieldErrors errors;
    const StandardFields f(raw, kUnifiedStandard, errors);
    const std::optional<double> fines = f.need(Q::Fines, Need::Always);
    const std::optional<double> p4 = f.need(Q::PassingNo4, Need::Always);
    if (fines && p4 && *fines > *p4) {
        f.add(Q::Fines, Problem::FinerPassesMore, Need::Always, Q::PassingNo4);
    }
    UnifiedSample sample;
    sample.fines = fines.value_or(0);
    sample.passingNo4 = p4.value_or(0);
    plasticity(f, fines && *fines >= 5, sample);
    grading(f, fines && *fines <= 12, sample);
    organicTest(f, fines && *fines >= 5, sample);
    if (!errors.empty()) {
        return errors;
    }
    return sample;
}

Checked<AashtoSample> standardAashto(const FieldReadings& raw) {
    FieldErrors errors;
    const StandardFields f(raw, kAashtoStandard, errors);
    const std::optional<double> fines = f.need(Q::Fines, Need::Always);
    const bool granular = fines && *fines <= 35;
    const FieldReading& p40 = f(Q::PassingNo40);
    const FieldReading& p10 = f(Q::PassingNo10);
    if (fines && p40.value && *fines > *p40.value) {
        f.add(Q::Fines, Problem::FinerPassesMore, Need::Always, Q::PassingNo40);
    } else if (fines && !p40.value && p10.value && *fines > *p10.value) {
        f.add(Q::Fines, Problem::FinerPassesMore, Need::Always, Q::PassingNo10);
    }
    if (p40.value && p10.value && *p40.value > *p10.value) {
        f.add(Q::PassingNo40, Problem::FinerPassesMore, Need::Always, Q::PassingNo10);
    }
    AashtoSample sample;
    sample.fines = fines.value_or(0);
    if (granular) {
        sample.passingNo40 = f.need(Q::PassingNo40, Need::ForGranularSoil).value_or(0);
        sample.passingNo10 = f.need(Q::PassingNo10, Need::ForGranularSoil).value_or(0);
    } else {
        sample.passingNo40 = p40.value.value_or(0);
        sample.passingNo10 = p10.value.value_or(0);
    }
    plasticity(f, true, sample);
    if (errors.empty() && !std::isfinite(groupIndex(sample))) {
        f.add(Q::LiquidLimit, Problem::GroupIndexOverflow, Need::Always, Q::PlasticityIndex);
    }
    if (!errors.empty()) {
        return errors;
    }
    return sample;
}

} // namespace

std::span<const FieldRule> unifiedFields(Rules rules) {
    if (rules == Rules::Standard) {
        return kUnifiedStandard;
    }
    return kUnified;
}

std::span<const FieldRule> aashtoFields(Rules rules) {
    if (rules == Rules::Standard) {
        return kAashtoStandard;
    }
    return kAashto;
}

Word wordOf(Problem problem) {
    switch (problem) {
    case Problem::Missing:
        return Word::NoSuchColumn;
    case Problem::Empty:
        return Word::Empty;
    case Problem::NotANumber:
        return Word::NotANumber;
    case Problem::Bound:
        return Word::BoundNotMeasured;
    case Problem::Outside0To100:
        return Word::Outside0To100;
    case Problem::Below0:
        return Word::Below0;
    case Problem::GroupIndexOverflow:
        return Word::GroupIndexOverflow;
    case Problem::NotAbove0:
        return Word::NotAbove0;
    case Problem::Below1:
        return Word::Below1;
    case Problem::NotYesOrNo:
        return Word::NotYesOrNo;
    case Problem::FinerPassesMore:
        return Word::FinerPassesMore;
    case Problem::PlasticAboveLiquid:
        return Word::PlasticAboveLiquid;
    case Problem::NotLiquidLessPlastic:
        return Word::NotLiquidLessPlastic;
    case Problem::NumberBesideNonPlastic:
        return Word::NumberBesideNonPlastic;
    case Problem::DiametersOutOfOrder:
        break;
    }
    return Word::DiametersOutOfOrder;
}

std::optional<Word> wordOf(Need need) {
    switch (need) {
    case Need::ForGrading:
        return Word::NeededForGrading;
    case Need::WhereFinesDecide:
        return Word::NeededWhereFinesDecide;
    case Need::ForGranularSoil:
        return Word::NeededForGranularSoil;
    case Need::ForOrganicTest:
        return Word::NeededForOrganicTest;
    case Need::Always:
        break;
    }
    return std::nullopt;
}

bool impossible(const FieldError& error) {
    switch (error.problem) {
    case Problem::Below0:
    case Problem::NotAbove0:
    case Problem::Below1:
    case Problem::FinerPassesMore:
    case Problem::PlasticAboveLiquid:
    case Problem::NotLiquidLessPlastic:
    case Problem::NumberBesideNonPlastic:
    case Problem::DiametersOutOfOrder:
        return true;
    default:
        return false;
    }
}

FieldReading readField(std::optional<std::string_view> text, const FieldRule& rule,
                       const NumberFormat& format) {
    return bounded(rawReading(text, rule.field, format), rule.accepts, rule.nonPlastic);
}

FieldReadings readUnified(const FieldTexts& texts, const NumberFormat& format) {
    return readAll(texts, kUnifiedStandard, format);
}

FieldReadings readAashto(const FieldTexts& texts, const NumberFormat& format) {
    return readAll(texts, kAashtoStandard, format);
}

Checked<UnifiedSample> checkUnified(const FieldReadings& fields, Rules rules) {
    return rules == Rules::Standard ? standardUnified(fields) : windowUnified(fields);
}

Checked<AashtoSample> checkAashto(const FieldReadings& fields, Rules rules) {
    return rules == Rules::Standard ? standardAashto(fields) : windowAashto(fields);
}

Checked<UnifiedSample> checkUnified(const FieldTexts& texts, const NumberFormat& format,
                                    Rules rules) {
    return checkUnified(readAll(texts, unifiedFields(rules), format), rules);
}

Checked<AashtoSample> checkAashto(const FieldTexts& texts, const NumberFormat& format,
                                  Rules rules) {
    return checkAashto(readAll(texts, aashtoFields(rules), format), rules);
}

} // namespace classifier
