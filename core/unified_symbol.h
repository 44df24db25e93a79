#pragma once

#include <optional>
#include <string>

namespace classifier {

// A Unified group symbol letter by letter. The gradation letter is set only for the dual form.
struct UnifiedSymbol {
    char type = 0;
    char second = 0;
    std::optional<char> gradation;

    // With a blank between the letters, the fines pair first: "S C", "S M - S W".
    std::string text() const;
    // As the field writes it: "SC", and the dual form with its grading pair first, "SW-SM".
    std::string compactText() const;
};

// The letter of a coarse-grained sample of which 50 % or less passes the No. 4 sieve.
inline constexpr char kGravelLetter = 'G';

} // namespace classifier
