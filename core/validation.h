#pragma once

#include "comparison.h"
#include "number_format.h"
#include "rules.h"
#include "samples.h"
#include "words.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

// One validator per method: the texts of its fields in, a sample or the list of what is wrong
// with the fields out. Every face of the program reads its input through it, by either rule set.
namespace classifier {

// The values a field accepts; the bounds are inclusive.
enum class Accepts : std::uint8_t {
    Percentage,  // 0 to 100
    NotNegative, // 0 or more
    Any,
    Positive, // above 0
    AtLeast1,
    YesOrNo, // "yes" or "no", in English or Persian
};

// A field of a method: the quantity it holds and the values it accepts. An optional field is
// needed only by some samples (Cc and Cu by a coarse sample with 12 % fines or less). A field
// that takes "NP" reads it as non-plastic.
struct FieldRule {
    Quantity field;
    Accepts accepts;
    bool optional = false;
    bool nonPlastic = false;
};

// The fields of each method by each rule set, in the order in which they are checked. The
// standard's fields include the window's.
std::span<const FieldRule> unifiedFields(Rules rules = Rules::Window);
std::span<const FieldRule> aashtoFields(Rules rules = Rules::Window);

// How a field is wrong.
enum class Problem : std::uint8_t {
    Missing, // the input has no such field at all
    Empty,   // nothing, or a dash for nothing
    NotANumber,
    Bound, // "<5", ">90", "5-10": a bound or a range, not a measured value
    Outside0To100,
    Below0,
    GroupIndexOverflow, // LL and PI so large that the group index leaves the range of numbers
    NotAbove0,
    Below1,
    NotYesOrNo,
    // Impossible data, the field against the error's `with`:
    FinerPassesMore,        // more passes the finer sieve than the coarser one
    PlasticAboveLiquid,     // PL above LL
    NotLiquidLessPlastic,   // PI and LL − PL more than 1 apart
    NumberBesideNonPlastic, // PI or PL a number where another field says NP
    DiametersOutOfOrder,    // D10 ≤ D30 ≤ D60 does not hold
};

// Why a sample needs an optional field.
enum class Need : std::uint8_t {
    Always,
    ForGrading,       // Cc and Cu (or the diameters), coarse with 12 % fines or less
    WhereFinesDecide, // LL and PI by the standard rules, 5 % fines or more
    ForGranularSoil,  // P40 and P10 by the standard rules, 35 % fines or less
    ForOrganicTest,   // LL beside the LL of the oven-dried sample
};

struct FieldError {
    Quantity field = Quantity::Fines;
    Problem problem = Problem::Empty;
    Need need = Need::Always;
    // The other field the problem concerns, if any.
    std::optional<Quantity> with;

    bool operator==(const FieldError&) const = default;
};

using FieldErrors = std::vector<FieldError>;

// How the faces say a problem ("not a number") and a need ("needed with 12 % fines or less").
Word wordOf(Problem problem);
std::optional<Word> wordOf(Need need);

// True for data no sample can have: a finer sieve passing more than a coarser one, PL above LL,
// a negative limit, Cc of 0, Cu below 1, diameters out of order, and the like.
bool impossible(const FieldError& error);

// The texts typed or read for a method's fields; a field the input lacks has none.
class FieldTexts {
public:
    void set(Quantity field, std::string_view text) { texts_[index(field)] = text; }
    std::optional<std::string_view> text(Quantity field) const { return texts_[index(field)]; }

private:
    static std::size_t index(Quantity field) { return static_cast<std::size_t>(field); }
    std::array<std::optional<std::string_view>, kFieldCount> texts_;
};

// A sample, or the errors that stand in its way.
template <class Sample> class Checked {
public:
    Checked(Sample sample) : value_(std::move(sample)) {}
    Checked(FieldErrors errors) : value_(std::move(errors)) {}

    // Null when the fields have errors.
    const Sample* sample() const { return std::get_if<Sample>(&value_); }
    // Empty when there is a sample.
    std::span<const FieldError> errors() const {
        const FieldErrors* errors = std::get_if<FieldErrors>(&value_);
        return errors ? std::span<const FieldError>(*errors) : std::span<const FieldError>();
    }

private:
    std::variant<Sample, FieldErrors> value_;
};

// The number in a field and what is wrong with it, if anything. "NP" in a field that takes it
// is no number and no problem: the field is non-plastic.
struct FieldReading {
    std::optional<double> value;
    std::optional<Problem> problem = Problem::Missing;
    bool nonPlastic = false;
};
// The text of a field read by its rule: for a percentage, a number outside 0 to 100 is wrong.
FieldReading readField(std::optional<std::string_view> text, const FieldRule& rule,
                       const NumberFormat& format);

// Every field of a method read once, without its bounds, so that both rule sets can check the
// same sample at the cost of one reading: "NP" and "yes"/"no" are recognised, the rest is a
// number, empty, missing or not a number.
class FieldReadings {
public:
    const FieldReading& operator[](Quantity field) const {
        return readings_[static_cast<std::size_t>(field)];
    }
    FieldReading& operator[](Quantity field) { return readings_[static_cast<std::size_t>(field)]; }

private:
    std::array<FieldReading, kFieldCount> readings_;
};
FieldReadings readUnified(const FieldTexts& texts, const NumberFormat& format);
FieldReadings readAashto(const FieldTexts& texts, const NumberFormat& format);

// The errors come in the order of the method's fields, the impossible pairs where their first
// field is checked. By the window's rules Cc and Cu are read only for a coarse sample with 12 %
// fines or less, and the group index is checked only when every field holds a number. The
// standard rules read LL and PI (or PL, or "NP") only for a sample with 5 % fines or more, and
// AASHTO's P40 and P10 only for a granular one.
Checked<UnifiedSample> checkUnified(const FieldReadings& fields, Rules rules);
Checked<AashtoSample> checkAashto(const FieldReadings& fields, Rules rules);
Checked<UnifiedSample> checkUnified(const FieldTexts& texts, const NumberFormat& format,
                                    Rules rules = Rules::Window);
Checked<AashtoSample> checkAashto(const FieldTexts& texts, const NumberFormat& format,
                                  Rules rules = Rules::Window);

} // namespace classifier
