#include "unified.h"

#include "plasticity.h"

namespace classifier {
namespace {

using V = UnifiedVerdict;

// On or above the A-line of the plasticity chart; below LL 20 every PI is above it.
Comparison aLine(const UnifiedSample& s) {
    return compare(Quantity::PlasticityIndex, s.plasticityIndex, Relation::GreaterOrEqual,
                   kALineSlope * (s.liquidLimit - kALineStart), Bound::ALine);
}

// Well graded: Cc from 1 up to (not including) 3, and Cu at least 6 for sand, 4 for gravel.
char grading(UnifiedResult& result, const UnifiedSample& s, bool sandy) {
    const Comparison cc = within(Quantity::Cc, *s.cc, 1, 3);
    const Comparison cu = compare(Quantity::Cu, *s.cu, Relation::GreaterOrEqual, sandy ? 6.0 : 4.0);
    return decide(result, cc.holds && cu.holds ? V::WellGraded : V::PoorlyGraded, {cc, cu});
}

void fineGrained(UnifiedResult& result, const UnifiedSample& s) {
    const Comparison clay = aLine(s);
    result.symbol.type = decide(result, clay.holds ? V::Clay : V::Silt, {clay});
    const Comparison high =
        compare(Quantity::LiquidLimit, s.liquidLimit, Relation::Greater, kHighLiquidLimit);
    result.symbol.second =
        decide(result, high.holds ? V::HighPlasticity : V::LowPlasticity, {high});
}

// Clay needs PI above 7 as well as the A-line; PI is compared only when the A-line holds.
char coarseFines(UnifiedResult& result, const UnifiedSample& s) {
    const Comparison line = aLine(s);
    if (!line.holds) {
        return decide(result, V::Silt, {line});
    }
    const Comparison pi = compare(Quantity::PlasticityIndex, s.plasticityIndex, Relation::Greater,
                                  kClayeyFinesPlasticity);
    return decide(result, pi.holds ? V::Clay : V::Silt, {line, pi});
}

void coarseGrained(UnifiedResult& result, const UnifiedSample& s) {
    UnifiedSymbol& symbol = result.symbol;
    const Comparison sandy = compare(Quantity::PassingNo4, s.passingNo4, Relation::Greater, 50);
    symbol.type = decide(result, sandy.holds ? V::Sand : V::Gravel, {sandy});
    const Comparison manyFines = compare(Quantity::Fines, s.fines, Relation::Greater, 12);
    if (manyFines.holds) {
        decide(result, V::FinesNameTheSoil, {manyFines});
        symbol.second = coarseFines(result, s);
        return;
    }
    const Comparison fewFines = compare(Quantity::Fines, s.fines, Relation::LessOrEqual, 5);
    if (fewFines.holds) {
        decide(result, V::GradingNamesTheSoil, {fewFines});
        symbol.second = grading(result, s, sandy.holds);
        return;
    }
    decide(result, V::DualSymbol, {manyFines, fewFines});
    const Comparison clay = aLine(s);
    symbol.second = decide(result, clay.holds ? V::Clay : V::Silt, {clay});
    symbol.gradation = grading(result, s, sandy.holds);
}

} // namespace

std::string UnifiedSymbol::text() const {
    if (gradation) {
        const std::string fines{type, ' ', second};
        const std::string graded{type, ' ', *gradation};
        return gradingFirst ? graded + " - " + fines : fines + " - " + graded;
    }
    if (siltyClay) {
        return type == 'C' ? "C L - M L"
                           : std::string{type, ' ', 'C', ' ', '-', ' ', type, ' ', 'M'};
    }
    return std::string{type, ' ', second};
}

std::string UnifiedSymbol::compactText() const {
    if (gradation) {
        return std::string{type, *gradation, '-', type, second};
    }
    if (siltyClay) {
        return type == 'C' ? "CL-ML" : std::string{type, 'C', '-', type, 'M'};
    }
    return std::string{type, second};
}

char decide(UnifiedResult& result, UnifiedVerdict verdict,
            const InlineVector<Comparison, 2>& comparisons) {
    if (result.detail == Detail::Answer) {
        return letterOf(verdict);
    }
    UnifiedStep& step = result.path.emplace_back();
    step.verdict = verdict;
    step.comparisons = comparisons;
    return letterOf(verdict);
}

char letterOf(UnifiedVerdict verdict) {
    switch (verdict) {
    case V::Sand:
        return 'S';
    case V::Gravel:
        return kGravelLetter;
    case V::Clay:
        return 'C';
    case V::Silt:
        return 'M';
    case V::LowPlasticity:
        return 'L';
    case V::HighPlasticity:
        return 'H';
    case V::WellGraded:
        return 'W';
    case V::PoorlyGraded:
        return 'P';
    case V::NonPlasticSilt:
        return 'M';
    case V::Organic:
    case V::OrganicByLab:
        return 'O';
    default:
        return 0;
    }
}

bool needsGradingTest(const UnifiedSample& sample) {
    return sample.fines <= 12;
}

std::optional<UnifiedResult> classifyUnified(const UnifiedSample& sample, Rules rules,
                                             Detail detail) {
    return rules == Rules::Standard ? classifyUnifiedByStandard(sample, detail)
                                    : classifyUnifiedByWindow(sample, detail);
}

std::optional<UnifiedResult> classifyUnified(const UnifiedSample& sample) {
    return classifyUnifiedByWindow(sample, Detail::Path);
}

std::optional<UnifiedResult> classifyUnifiedByWindow(const UnifiedSample& sample, Detail detail) {
    const Comparison fine = compare(Quantity::Fines, sample.fines, Relation::Greater, 50);
    if (!fine.holds && needsGradingTest(sample) && (!sample.cc || !sample.cu)) {
        return std::nullopt;
    }
    // Built where it is returned: the path is most of a result.
    std::optional<UnifiedResult> built(std::in_place);
    UnifiedResult& result = *built;
    result.detail = detail;
    result.sample = sample;
    result.fractions = fractionsOf(sample);
    decide(result, fine.holds ? V::FineGrained : V::CoarseGrained, {fine});
    if (fine.holds) {
        fineGrained(result, sample);
    } else {
        coarseGrained(result, sample);
    }
    return built;
}

} // namespace classifier
