#pragma once

#include "comparison.h"
#include "controls.h"
#include "inline_vector.h"
#include "language.h"
#include "unified_name.h"

#include <optional>
#include <string>
#include <vector>

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

    // As the window writes it: "S C" for a single pair, "S M - S W" for the dual form.
    std::string text() const;
    // As the field writes it: "SC", and the dual form with its grading pair first, "SW-SM".
    std::string compactText() const;
};

// The letter of a coarse-grained sample of which 50 % or less passes the No. 4 sieve.
inline constexpr char kGravelLetter = 'G';

// The rules' lines on the plasticity chart: the A-line PI = 0.73 (LL − 20), the liquid limit that
// parts L from H, and the plasticity index a coarse soil's fines must pass to be clay.
inline constexpr double kALineSlope = 0.73;
inline constexpr double kALineStart = 20;
inline constexpr double kHighLiquidLimit = 50;
inline constexpr double kClayeyFinesPlasticity = 7;

// The outcome of one decision of the Unified method.
enum class UnifiedVerdict {
    CoarseGrained,
    FineGrained,
    Sand,
    Gravel,
    Clay,
    Silt,
    LowPlasticity,
    HighPlasticity,
    FinesNameTheSoil,
    GradingNamesTheSoil,
    DualSymbol,
    WellGraded,
    PoorlyGraded,
};

// One decision: the comparisons that decided it, as they came out, and its outcome.
struct UnifiedStep {
    UnifiedVerdict verdict = UnifiedVerdict::CoarseGrained;
    InlineVector<Comparison, 2> comparisons;
};

struct UnifiedResult {
    UnifiedSample sample;
    UnifiedSymbol symbol;
    SoilFractions fractions;
    // The decisions in the order they were taken; each letter comes from one of them.
    InlineVector<UnifiedStep, 6> path;

    std::string name(Language language) const { return groupName(symbol, fractions, language); }
};

// The letter a verdict writes, or 0 for a verdict that only chooses the way on.
char letterOf(UnifiedVerdict verdict);

// True when the sample's symbol depends on the grading test, and so on Cc and Cu.
bool needsGradingTest(const UnifiedSample& sample);

// The result for a sample that passed the input check. Nothing when the grading test is needed
// and Cc or Cu is missing.
std::optional<UnifiedResult> classifyUnified(const UnifiedSample& sample);

// The decision path as text, a step a line, ending with the fractions and the group name.
// Numbers are written in the given format.
std::vector<std::string> explainUnified(const UnifiedResult& result, Language language,
                                        const NumberFormat& format);

// Click on KewlButtons5: names the sample on the Unified panel by the Unified system.
void unifiedClassify(Controls& window);

} // namespace classifier
