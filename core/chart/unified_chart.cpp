// The plasticity chart of the Unified method.
#include "core/chart/chart.h"
#include "core/chart/parts.h"
#include "core/plasticity.h"

namespace classifier {

using geometry::HalfPlane;

namespace {

// The A-line; on it counts as above it.
constexpr HalfPlane kAbove = {kALineSlope, -1, kALineSlope* kALineStart};
constexpr HalfPlane kBelow = {-kALineSlope, 1, -kALineSlope* kALineStart};
constexpr HalfPlane kLowLimit = {1, 0, kHighLiquidLimit}; // LL ≤ 50
constexpr HalfPlane kHighLimit = {-1, 0, -kHighLiquidLimit};
// PI ≥ 7, the clay side of PI > 7 for a coarse soil's fines.
constexpr HalfPlane kPlastic = {0, -1, -kClayeyFinesPlasticity};
constexpr HalfPlane kLowPlastic = {0, 1, kClayeyFinesPlasticity};

// The standard's band of silty clay, PI 4 to 7 on or above the A-line; on its edges counts as in
// it.
constexpr HalfPlane kAboveBand = {0, -1, -kSiltyClayPlasticity}; // PI ≥ 4
constexpr HalfPlane kBelowBand = {0, 1, kSiltyClayPlasticity};   // PI ≤ 4

constexpr std::uint32_t kClayLow = 0xD6EAF8, kClayHigh = 0xAED6F1;
constexpr std::uint32_t kSiltLow = 0xFDEBD0, kSiltHigh = 0xF8C471;
constexpr std::uint32_t kSiltyClay = 0xD2B4DE;

ZoneStyle styleFor(ChartLayer layer, ChartLayer focus) {
    return layer == focus ? ZoneStyle::Filled : ZoneStyle::Hidden;
}

void addZones(Chart& chart, ChartLayer focus) {
    using L = ChartLayer;
    const ZoneStyle fine = styleFor(L::FineSoil, focus);
    addZone(chart, "CL", L::FineSoil, fine, kClayLow, {{kLowLimit, kAbove}});
    addZone(chart, "CH", L::FineSoil, fine, kClayHigh, {{kHighLimit, kAbove}});
    addZone(chart, "ML", L::FineSoil, fine, kSiltLow, {{kLowLimit, kBelow}});
    addZone(chart, "MH", L::FineSoil, fine, kSiltHigh, {{kHighLimit, kBelow}});
    const ZoneStyle coarse = styleFor(L::CoarseFines, focus);
    addZone(chart, "C", L::CoarseFines, coarse, kClayLow, {{kAbove, kPlastic}});
    addZone(chart, "M", L::CoarseFines, coarse, kSiltLow, {{kBelow}, {kAbove, kLowPlastic}});
    const ZoneStyle dual = styleFor(L::DualFines, focus);
    addZone(chart, "C", L::DualFines, dual, kClayLow, {{kAbove}});
    addZone(chart, "M", L::DualFines, dual, kSiltLow, {{kBelow}});
}

// The standard's zones: the CL-ML band, and OL and OH beside the letters they share a zone with.
void addStandardZones(Chart& chart, ChartLayer focus) {
    using L = ChartLayer;
    const ZoneStyle fine = styleFor(L::FineSoil, focus);
    addZone(chart, "CL/OL", L::FineSoil, fine, kClayLow, {{kLowLimit, kAbove, kPlastic}});
    addZone(chart, "CL-ML", L::FineSoil, fine, kSiltyClay,
            {{kLowLimit, kAbove, kAboveBand, kLowPlastic}});
    addZone(chart, "ML/OL", L::FineSoil, fine, kSiltLow,
            {{kLowLimit, kBelow}, {kLowLimit, kAbove, kBelowBand}});
    addZone(chart, "CH/OH", L::FineSoil, fine, kClayHigh, {{kHighLimit, kAbove}});
    addZone(chart, "MH/OH", L::FineSoil, fine, kSiltHigh, {{kHighLimit, kBelow}});
    const ZoneStyle coarse = styleFor(L::CoarseFines, focus);
    addZone(chart, "C", L::CoarseFines, coarse, kClayLow, {{kAbove, kPlastic}});
    addZone(chart, "C-M", L::CoarseFines, coarse, kSiltyClay, {{kAbove, kAboveBand, kLowPlastic}});
    addZone(chart, "M", L::CoarseFines, coarse, kSiltLow, {{kBelow}, {kAbove, kBelowBand}});
    const ZoneStyle dual = styleFor(L::DualFines, focus);
    addZone(chart, "C", L::DualFines, dual, kClayLow, {{kAbove, kAboveBand}});
    addZone(chart, "M", L::DualFines, dual, kSiltLow, {{kBelow}, {kAbove, kBelowBand}});
}

void addLines(Chart& chart) {
    const double far = geometry::kChartLimit * 2;
    addLine(chart, {kALineStart, 0}, {far, kALineSlope * (far - kALineStart)}, false, Word::ALine);
    addLine(chart, {8, 0}, {far, 0.9 * (far - 8)}, true, Word::ULine);
    addLine(chart, {kHighLiquidLimit, chart.y.low}, {kHighLiquidLimit, chart.y.high}, false,
            Word::HighLiquidLimitLine);
}

} // namespace

ChartSample unifiedChartSample(const UnifiedResult& result) {
    ChartSample point{{result.sample.liquidLimit, result.sample.plasticityIndex},
                      result.symbol.compactText(),
                      std::nullopt};
    point.symbol = point.label;
    if (!result.sample.liquidLimitGiven) {
        point.notDrawn = Word::NonPlasticNotDrawn;
        return point;
    }
    // The step that chose how the letters are found tells which rules LL and PI met.
    for (const UnifiedStep& step : result.path) {
        switch (step.verdict) {
        case UnifiedVerdict::FineGrained:
            point.layer = ChartLayer::FineSoil;
            break;
        case UnifiedVerdict::FinesNameTheSoil:
            point.layer = ChartLayer::CoarseFines;
            break;
        case UnifiedVerdict::DualSymbol:
            point.layer = ChartLayer::DualFines;
            break;
        default:
            break;
        }
    }
    return point;
}

Chart unifiedChart(std::vector<ChartSample> samples, ChartLayer focus, Rules rules,
                   const SampleCounts* rest) {
    Chart chart = emptyChart(Word::PlasticityChart, Word::NamedByGrading, std::move(samples), rest);
    chart.y.low = 0; // the Unified method takes no negative LL or PI
    chart.x.low = 0;
    if (rules == Rules::Standard) {
        addStandardZones(chart, focus);
        addLines(chart);
        addDensity(chart, rest);
        return chart;
    }
    addZones(chart, focus);
    addLines(chart);
    const double far = geometry::kChartLimit * 2;
    addLine(chart, {kALineStart + kClayeyFinesPlasticity / kALineSlope, kClayeyFinesPlasticity},
            {far, kClayeyFinesPlasticity}, true, Word::ClayeyFinesLine);
    addDensity(chart, rest);
    return chart;
}

} // namespace classifier
