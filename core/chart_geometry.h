#pragma once

#include "chart.h"

#include <span>

// Plane geometry for the charts: convex zones cut out of the chart's box by half-planes.
namespace classifier::geometry {

// The points with a·x + b·y ≤ c.
struct HalfPlane {
    double a, b, c;
};

ChartPolygon box(const Range& x, const Range& y);
// The part of a convex polygon inside the half-plane.
ChartPolygon clip(const ChartPolygon& polygon, const HalfPlane& half);
ChartPolygon region(const Range& x, const Range& y, std::span<const HalfPlane> halves);
// Inside or on the edge of a convex polygon.
bool contains(const ChartPolygon& polygon, ChartPoint point);
// The part of the segment inside the box, if any.
std::optional<std::pair<ChartPoint, ChartPoint>> clipSegment(ChartPoint from, ChartPoint to,
                                                             const Range& x, const Range& y);
// The centre of mass of the largest piece, where a zone's label goes.
ChartPoint labelPoint(const std::vector<ChartPolygon>& pieces);
// A range from low to high with round ends and about five to ten ticks, widened to take
// every value, within ±kChartLimit.
Range fittedRange(double low, double high, std::span<const double> values);
inline constexpr double kChartLimit = 1000;

} // namespace classifier::geometry

// The parts the two charts are built of.
namespace classifier {

// A chart with its titles and axes wide enough for the samples, those drawn and those counted in
// `rest`; the note is said when its one sample is not drawn.
Chart emptyChart(Wording title, Wording note, std::vector<ChartSample> samples,
                 const SampleCounts* rest);
void addZone(Chart& chart, std::string label, ChartLayer layer, ZoneStyle style,
             std::uint32_t colour, std::vector<std::vector<geometry::HalfPlane>> pieces);
void addLine(Chart& chart, ChartPoint from, ChartPoint to, bool dashed, Wording label);
// The samples counted in `rest`, if any, laid on the chart's grid.
void addDensity(Chart& chart, const SampleCounts* rest);

} // namespace classifier
