#pragma once

#include "comparison.h"
#include "inline_vector.h"
#include "language.h"
#include "number_format.h"
#include "rules.h"
#include "samples.h"
#include "unified_name.h"
#include "unified_symbol.h"

#include <optional>
#include <string>
#include <vector>

namespace classifier {

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
    // the standard rules' own
    SiltyClay,         // PI 4 to 7 on or above the A-line: CL-ML, SC-SM, GC-GM
    NonPlasticSilt,    // "NP": the fines are silt
    Organic,           // a fine soil: O
    OrganicByLab,      //   "
    OrganicFines,      // a coarse soil: named "with organic fines"
    OrganicFinesByLab, //   "
    Inorganic,
    InorganicByLab,
};

// One decision: the comparisons that decided it, as they came out, and its outcome.
struct UnifiedStep {
    UnifiedVerdict verdict = UnifiedVerdict::CoarseGrained;
    InlineVector<Comparison, 2> comparisons;
};

struct UnifiedResult {
    Rules rules = Rules::Window;
    Detail detail = Detail::Path; // with Answer, the path stays empty
    UnifiedSample sample;
    UnifiedSymbol symbol;
    SoilFractions fractions;
    // The decisions in the order they were taken; each letter comes from one of them.
    InlineVector<UnifiedStep, 6> path;

    std::string name(Language language) const { return groupName(symbol, fractions, language); }
    std::uint64_t nameKey() const { return classifier::nameKey(symbol, fractions); }
};

// The letter a verdict writes, or 0 for a verdict that only chooses the way on.
char letterOf(UnifiedVerdict verdict);

// Records a decision in the result's path, if it keeps one, and gives the letter it decided.
char decide(UnifiedResult& result, UnifiedVerdict verdict,
            const InlineVector<Comparison, 2>& comparisons);

// True when the sample's symbol depends on the grading test, and so on Cc and Cu.
bool needsGradingTest(const UnifiedSample& sample);

// The result for a sample that the validator passed, by the window's rules or the standard's.
// Nothing when the grading test is needed and Cc or Cu is missing.
std::optional<UnifiedResult> classifyUnified(const UnifiedSample& sample);
std::optional<UnifiedResult> classifyUnified(const UnifiedSample& sample, Rules rules,
                                             Detail detail = Detail::Path);
std::optional<UnifiedResult> classifyUnifiedByWindow(const UnifiedSample& sample, Detail detail);
std::optional<UnifiedResult> classifyUnifiedByStandard(const UnifiedSample& sample,
                                                       Detail detail = Detail::Path);

// The decision path as text, a step a line, ending with the fractions and the group name.
// Numbers are written in the given format.
std::vector<std::string> explainUnified(const UnifiedResult& result, Language language,
                                        const NumberFormat& format);
// One step of the result's path as explainUnified writes it.
std::string stepText(const UnifiedResult& result, const UnifiedStep& step, Language language,
                     const NumberFormat& format);

} // namespace classifier
