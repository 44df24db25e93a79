#pragma once

#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace classifier {

struct ChartPoint {
    double x = 0; // LL
    double y = 0; // PI
};

using ChartPolygon = std::vector<ChartPoint>; // a convex polygon

// An axis of a chart.
struct Range {
    double low = 0;
    double high = 100;
    double step = 10; // between ticks
};

} // namespace classifier

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
