// The Unified method by the standard's rules (ASTM D2487): coarse or fine at 50 % fines, gravel
// or sand by the coarse fraction, clean, dual and fines-named coarse soils at 5 and 12 % fines,
// the CL-ML band, organic soils and non-plastic fines.
#include "plasticity.h"
#include "unified.h"

namespace classifier {
namespace {

using V = UnifiedVerdict;
using Q = Quantity;

// The standard's limits that the window's rules draw elsewhere.
constexpr double kFineGrained = 50; // percent fines and more
constexpr double kCleanBelow = 5;   // percent fines
constexpr double kDualUpTo = 12;    // percent fines
constexpr double kOrganicRatio = 0.75;

enum class Fines { Clay, SiltyClay, Silt };

Comparison aLine(const UnifiedSample& s) {
    return compareAsTyped(Q::PlasticityIndex, s.plasticityIndex, Relation::GreaterOrEqual,
                          kALineSlope * (s.liquidLimit - kALineStart), Bound::ALine);
}

// Where the fines plot: clay on or above the A-line with PI above 7, silty clay in the band of PI
// 4 to 7 on or above it, silt below it or below PI 4. Non-plastic fines are silt.
Fines finesOf(UnifiedResult& result, const UnifiedSample& s) {
    if (s.nonPlastic) {
        decide(result, V::NonPlasticSilt, {});
        return Fines::Silt;
    }
    const Comparison line = aLine(s);
    if (!line.holds) {
        decide(result, V::Silt, {line});
        return Fines::Silt;
    }
    const Comparison clay = compareAsTyped(Q::PlasticityIndex, s.plasticityIndex, Relation::Greater,
                                           kClayeyFinesPlasticity);
    if (clay.holds) {
        decide(result, V::Clay, {line, clay});
        return Fines::Clay;
    }
    const Comparison band = between(Q::PlasticityIndex, s.plasticityIndex, kSiltyClayPlasticity,
                                    kClayeyFinesPlasticity);
    decide(result, band.holds ? V::SiltyClay : V::Silt, {line, band});
    return band.holds ? Fines::SiltyClay : Fines::Silt;
}

// Organic when the lab says so, or when the LL of the oven-dried sample is below 0.75 of LL.
// Without either, the fines are taken as they plot.
bool organic(UnifiedResult& result, const UnifiedSample& s, bool fineSoil) {
    if (s.organic) {
        decide(result,
               *s.organic ? (fineSoil ? V::OrganicByLab : V::OrganicFinesByLab) : V::InorganicByLab,
               {});
        return *s.organic;
    }
    if (!s.ovenDriedLiquidLimit || !s.liquidLimitGiven || s.liquidLimit <= 0) {
        return false;
    }
    const Comparison ratio = compareAsTyped(
        Q::OrganicRatio, *s.ovenDriedLiquidLimit / s.liquidLimit, Relation::Less, kOrganicRatio);
    decide(result, ratio.holds ? (fineSoil ? V::Organic : V::OrganicFines) : V::Inorganic, {ratio});
    return ratio.holds;
}

// Well graded: Cu at least 6 for sand, 4 for gravel, and Cc from 1 to 3, both inclusive.
char grading(UnifiedResult& result, const UnifiedSample& s, bool sand) {
    const Comparison cc = between(Q::Cc, *s.cc, 1, 3);
    const Comparison cu = compareAsTyped(Q::Cu, *s.cu, Relation::GreaterOrEqual, sand ? 6.0 : 4.0);
    return decide(result, cc.holds && cu.holds ? V::WellGraded : V::PoorlyGraded, {cc, cu});
}

void fineGrained(UnifiedResult& result, const UnifiedSample& s) {
    UnifiedSymbol& symbol = result.symbol;
    const bool organicFines = organic(result, s, true);
    const Fines fines = finesOf(result, s);
    const Comparison high =
        compareAsTyped(Q::LiquidLimit, s.liquidLimit, Relation::GreaterOrEqual, kHighLiquidLimit);
    symbol.second = decide(result, high.holds ? V::HighPlasticity : V::LowPlasticity, {high});
    if (organicFines) {
        symbol.type = 'O';
        symbol.organicFines = fines == Fines::Silt ? 'M' : 'C';
        return;
    }
    symbol.type = fines == Fines::Silt ? 'M' : 'C';
    symbol.siltyClay = fines == Fines::SiltyClay;
}

// The fines letter of a coarse soil, and its organic mark.
void coarseFines(UnifiedResult& result, const UnifiedSample& s) {
    UnifiedSymbol& symbol = result.symbol;
    const bool organicFines = organic(result, s, false);
    const Fines fines = finesOf(result, s);
    symbol.second = fines == Fines::Silt ? 'M' : 'C';
    symbol.siltyClay = fines == Fines::SiltyClay;
    if (organicFines) {
        symbol.organicFines = fines == Fines::Silt ? 'M' : 'C';
    }
}

void coarseGrained(UnifiedResult& result, const UnifiedSample& s) {
    UnifiedSymbol& symbol = result.symbol;
    const SoilFractions& f = result.fractions;
    const Comparison gravel =
        compareAsTyped(Q::Gravel, f.gravel, Relation::Greater, f.sand, Bound::Sand);
    symbol.type = decide(result, gravel.holds ? V::Gravel : V::Sand, {gravel});
    const Comparison manyFines = compareAsTyped(Q::Fines, s.fines, Relation::Greater, kDualUpTo);
    if (manyFines.holds) {
        decide(result, V::FinesNameTheSoil, {manyFines});
        coarseFines(result, s);
        return;
    }
    const Comparison clean = compareAsTyped(Q::Fines, s.fines, Relation::Less, kCleanBelow);
    if (clean.holds) {
        decide(result, V::GradingNamesTheSoil, {clean});
        symbol.second = grading(result, s, !gravel.holds);
        return;
    }
    decide(result, V::DualSymbol, {between(Q::Fines, s.fines, kCleanBelow, kDualUpTo)});
    coarseFines(result, s);
    symbol.gradation = grading(result, s, !gravel.holds);
    symbol.gradingFirst = true;
}

} // namespace

std::optional<UnifiedResult> classifyUnifiedByStandard(const UnifiedSample& sample, Detail detail) {
    const Comparison fine =
        compareAsTyped(Q::Fines, sample.fines, Relation::GreaterOrEqual, kFineGrained);
    if (!fine.holds && sample.fines <= kDualUpTo && (!sample.cc || !sample.cu)) {
        return std::nullopt;
    }
    // Built where it is returned: the path is most of a result.
    std::optional<UnifiedResult> built(std::in_place);
    UnifiedResult& result = *built;
    result.rules = Rules::Standard;
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
