#pragma once

#include <optional>
#include <string>

namespace classifier {

// A Unified group symbol letter by letter. The gradation letter is set only for the dual form.
struct UnifiedSymbol {
    char type = 0;
    char second = 0;
    std::optional<char> gradation;
    // The standard rules only. Fines in the band of PI 4 to 7 on or above the A-line: the fine
    // soil CL-ML, the coarse SC-SM or GC-GM, and a dual symbol (SW-SC) named "with silty clay".
    bool siltyClay = false;
    // Organic fines, where they plot: 'C' on or above the A-line (and for OL with PI 4 or more),
    // else 'M'; 0 for fines that are not organic. A fine soil with organic fines is typed 'O'.
    char organicFines = 0;
    // The standard's order of the dual form, the grading pair first: "S W - S M".
    bool gradingFirst = false;

    // With a blank between the letters: "S C", the dual form "S M - S W" (the fines pair first,
    // or the grading pair with gradingFirst), "C L - M L", "S C - S M".
    std::string text() const;
    // As the field writes it: "SC", the dual form with its grading pair first, "SW-SM", and
    // "CL-ML", "SC-SM".
    std::string compactText() const;

    // The same group, however it is written.
    bool sameGroup(const UnifiedSymbol& other) const {
        return type == other.type && second == other.second && gradation == other.gradation &&
               siltyClay == other.siltyClay && organicFines == other.organicFines;
    }
};

// The letter of a coarse-grained sample of which 50 % or less passes the No. 4 sieve.
inline constexpr char kGravelLetter = 'G';

} // namespace classifier
