#pragma once

#include "controls.h"

#include <optional>
#include <string>

namespace classifier {

struct UnifiedSample {
    double fines = 0;           // percent passing the No. 200 sieve
    double passingNo4 = 0;      // percent passing the No. 4 sieve
    double liquidLimit = 0;     // LL
    double plasticityIndex = 0; // PI
    std::optional<double> cc;   // coefficient of curvature, if the box holds a number
    std::optional<double> cu;   // coefficient of uniformity, if the box holds a number
};

// A group symbol letter by letter. The gradation letter is set only for the dual form.
struct UnifiedSymbol {
    char type = 0;
    char second = 0;
    std::optional<char> gradation;

    // "S C" for a single pair, "S M - S W" for the dual form.
    std::string text() const;
};

// The letter of a coarse-grained sample of which 50 % or less passes the No. 4 sieve.
inline constexpr char kGravelLetter = 'G';

// True when the sample's symbol depends on the grading test, and so on Cc and Cu.
bool needsGradingTest(const UnifiedSample& sample);

// The group symbol of a sample that passed the input check. Nothing when the grading test is
// needed and Cc or Cu is missing.
std::optional<UnifiedSymbol> classifyUnified(const UnifiedSample& sample);

// Click on KewlButtons5: names the sample on the Unified panel by the Unified system.
void unifiedClassify(Controls& window);

} // namespace classifier
