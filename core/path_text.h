#pragma once

#include "comparison.h"
#include "language.h"
#include "number_format.h"
#include "words.h"

#include <span>
#include <string>
#include <string_view>

namespace classifier {

// Writes one step of a decision path in one language. A Persian step starts with a
// right-to-left mark and keeps each formula, symbol and number in a left-to-right isolate, so
// that it reads right to left with its formulas intact wherever it is shown, even where a
// formula begins with a number.
class StepWriter {
public:
    StepWriter(Language language, const NumberFormat& format);

    // A formula or label in Latin symbols: "F200 = 34 % ≤ 50 %", "A-2-4".
    StepWriter& symbols(std::string_view latin);
    // A number inside words: "64" in "sand 64 %".
    StepWriter& number(double value);
    StepWriter& words(Word word);
    StepWriter& words(std::string_view text);
    // The comparisons joined by the given words; gravel against sand in words.
    StepWriter& comparisons(std::span<const Comparison> list, Word joiner);
    // Gravel against sand: "in the coarse part, gravel 48 % is more than sand 3 %".
    StepWriter& fractions(const Comparison& gravelWithSand);
    // ": " and the conclusion of the step.
    StepWriter& verdict(Word word);
    StepWriter& verdict(std::string_view text);

    Language language() const { return language_; }
    const NumberFormat& format() const { return format_; }
    std::string take() { return std::move(text_); }

private:
    Language language_;
    const NumberFormat& format_;
    std::string text_;
};

} // namespace classifier
