#pragma once

#include "core/controls.h"
#include "core/language.h"

#include <optional>
#include <string>
#include <string_view>

namespace classifier::cli {

// Why a field of a row cannot be used.
enum class Problem {
    None,
    Empty,
    NotANumber,
    Outside0To100,
    Below0,
    NoColumn, // the header has no such column
};

// The values a column accepts.
enum class Range { Percentage, NotNegative, Any };

struct Reading {
    std::optional<double> value; // set when the field holds an acceptable number
    Problem problem = Problem::None;
};

// The number in a field, checked as the window checks its boxes.
Reading readField(std::string_view field, const NumberFormat& format, Range range);

// The errors of one row, "p4: outside 0 to 100; ll: not a number", in one language.
class RowErrors {
public:
    explicit RowErrors(Language language) : language_(language) {}

    void clear() { text_.clear(); }
    bool empty() const { return text_.empty(); }
    const std::string& text() const { return text_; }

    void add(std::string_view column, Problem problem);
    // Cc or Cu, needed for the grading of a coarse sample with 12 % fines or less.
    void addNeeded(std::string_view column, Problem problem);
    // The row has another number of fields than the header.
    void addFieldCount(std::size_t fields, std::size_t headerFields);
    // LL and PI so large that the group index leaves the range of numbers.
    void addGroupIndexOverflow();

private:
    void start();

    Language language_;
    std::string text_;
};

} // namespace classifier::cli
