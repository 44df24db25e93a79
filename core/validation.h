#pragma once

#include "comparison.h"
#include "number_format.h"
#include "samples.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

// One validator per method: the texts of its fields in, a sample or the list of what is wrong
// with the fields out. Every face of the program reads its input through it.
namespace classifier {

// The values a field accepts; the bounds are inclusive.
enum class Accepts : std::uint8_t {
    Percentage,  // 0 to 100
    NotNegative, // 0 or more
    Any,
};

// A field of a method: the quantity it holds and the values it accepts. An optional field is
// needed only by some samples (Cc and Cu by a coarse sample with 12 % fines or less).
struct FieldRule {
    Quantity field;
    Accepts accepts;
    bool optional = false;
};

// The fields of each method, in the order in which they are checked.
std::span<const FieldRule> unifiedFields();
std::span<const FieldRule> aashtoFields();

// How a field is wrong.
enum class Problem : std::uint8_t {
    Missing, // the input has no such field at all
    Empty, // nothing, or a dash for nothing
    NotANumber,
    Bound, // "<5", ">90", "5-10": a bound or a range, not a measured value
    Outside0To100,
    Below0,
    GroupIndexOverflow, // LL and PI so large that the group index leaves the range of numbers
};

struct FieldError {
    Quantity field = Quantity::Fines;
    Problem problem = Problem::Empty;
    // An optional field that this sample needs, and why: Cc and Cu for the grading.
    bool neededForGrading = false;
    // The other field the problem concerns, if any.
    std::optional<Quantity> with;

    bool operator==(const FieldError&) const = default;
};

using FieldErrors = std::vector<FieldError>;

// The texts typed or read for a method's fields; a field the input lacks has none.
class FieldTexts {
public:
    void set(Quantity field, std::string_view text) { texts_[index(field)] = text; }
    std::optional<std::string_view> text(Quantity field) const { return texts_[index(field)]; }

private:
    static std::size_t index(Quantity field) { return static_cast<std::size_t>(field); }
    std::array<std::optional<std::string_view>, 8> texts_;
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

// The number in a field and what is wrong with it, if anything; for a percentage, a number
// outside 0 to 100 is wrong.
struct FieldReading {
    std::optional<double> value;
    std::optional<Problem> problem;
};
FieldReading readField(std::optional<std::string_view> text, Accepts accepts,
                       const NumberFormat& format);

// The errors come in the order of the method's fields. Cc and Cu are read only for a coarse
// sample with 12 % fines or less; the group index is checked only when every field holds a
// number.
Checked<UnifiedSample> checkUnified(const FieldTexts& texts, const NumberFormat& format);
Checked<AashtoSample> checkAashto(const FieldTexts& texts, const NumberFormat& format);

} // namespace classifier
