#pragma once

#include "comparison.h"
#include "controls.h"
#include "language.h"

#include <span>
#include <string>
#include <string_view>

namespace classifier {

// Writes one step of a decision path in one language. A Persian step starts with a
// right-to-left mark and closes each run of Latin symbols and numbers with a left-to-right mark,
// so that it reads right to left with its formulas intact wherever it is shown.
class StepWriter {
public:
    StepWriter(Language language, const NumberFormat& format);

    // A formula or label in Latin symbols: "F200 = 34 % ≤ 50 %", "A-2-4".
    StepWriter& symbols(std::string_view latin);
    // A number inside words: "64" in "sand 64 %".
    StepWriter& number(double value);
    StepWriter& words(Wording wording);
    StepWriter& words(std::string_view text);
    // The comparisons joined by the given words.
    StepWriter& comparisons(std::span<const Comparison> list, Wording joiner);
    // ": " and the conclusion of the step.
    StepWriter& verdict(Wording wording);
    StepWriter& verdict(std::string_view text);

    Language language() const { return language_; }
    const NumberFormat& format() const { return format_; }
    std::string take() { return std::move(text_); }

private:
    Language language_;
    const NumberFormat& format_;
    std::string text_;
};

// Joiners shared by the paths of both methods.
inline constexpr Wording kAnd = {" \u0648 ", " and "};
inline constexpr Wording kComma = {"\u060C ", ", "};
inline constexpr Wording kSemicolon = {"\u061B ", "; "};

} // namespace classifier
