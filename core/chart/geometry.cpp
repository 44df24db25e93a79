#include "core/chart/geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace classifier::geometry {
namespace {

constexpr double kTolerance = 1e-9;

double side(const HalfPlane& h, ChartPoint p) {
    return h.a * p.x + h.b * p.y - h.c;
}

double area(const ChartPolygon& polygon) {
    double twice = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const ChartPoint& p = polygon[i];
        const ChartPoint& q = polygon[(i + 1) % polygon.size()];
        twice += p.x * q.y - q.x * p.y;
    }
    return twice / 2;
}

} // namespace

ChartPolygon box(const Range& x, const Range& y) {
    return {{x.low, y.low}, {x.high, y.low}, {x.high, y.high}, {x.low, y.high}};
}

ChartPolygon clip(const ChartPolygon& polygon, const HalfPlane& half) {
    ChartPolygon result;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const ChartPoint& p = polygon[i];
        const ChartPoint& q = polygon[(i + 1) % polygon.size()];
        const double sp = side(half, p);
        const double sq = side(half, q);
        if (sp <= 0) {
            result.push_back(p);
        }
        if ((sp < 0 && sq > 0) || (sp > 0 && sq < 0)) {
            const double t = sp / (sp - sq);
            result.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
        }
    }
    return result;
}

ChartPolygon region(const Range& x, const Range& y, std::span<const HalfPlane> halves) {
    ChartPolygon polygon = box(x, y);
    for (const HalfPlane& half : halves) {
        polygon = clip(polygon, half);
    }
    return std::fabs(area(polygon)) > kTolerance ? polygon : ChartPolygon{};
}

bool contains(const ChartPolygon& polygon, ChartPoint point) {
    if (polygon.size() < 3) {
        return false;
    }
    const double orientation = area(polygon) > 0 ? 1 : -1;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const ChartPoint& p = polygon[i];
        const ChartPoint& q = polygon[(i + 1) % polygon.size()];
        const double cross = (q.x - p.x) * (point.y - p.y) - (q.y - p.y) * (point.x - p.x);
        if (cross * orientation < -kTolerance) {
            return false;
        }
    }
    return true;
}

std::optional<std::pair<ChartPoint, ChartPoint>> clipSegment(ChartPoint from, ChartPoint to,
                                                             const Range& x, const Range& y) {
    double t0 = 0;
    double t1 = 1;
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const std::array<std::pair<double, double>, 4> edges = {{
        {-dx, from.x - x.low},
        {dx, x.high - from.x},
        {-dy, from.y - y.low},
        {dy, y.high - from.y},
    }};
    for (const auto& [p, q] : edges) {
        if (p == 0) {
            if (q < 0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = q / p;
        if (p < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 >= t1) {
        return std::nullopt;
    }
    return std::pair{ChartPoint{from.x + t0 * dx, from.y + t0 * dy},
                     ChartPoint{from.x + t1 * dx, from.y + t1 * dy}};
}

ChartPoint labelPoint(const std::vector<ChartPolygon>& pieces) {
    const ChartPolygon* largest = nullptr;
    for (const ChartPolygon& piece : pieces) {
        if (!largest || std::fabs(area(piece)) > std::fabs(area(*largest))) {
            largest = &piece;
        }
    }
    if (!largest || largest->empty()) {
        return {};
    }
    const double a = area(*largest);
    ChartPoint centre;
    for (std::size_t i = 0; i < largest->size(); ++i) {
        const ChartPoint& p = (*largest)[i];
        const ChartPoint& q = (*largest)[(i + 1) % largest->size()];
        const double cross = p.x * q.y - q.x * p.y;
        centre.x += (p.x + q.x) * cross;
        centre.y += (p.y + q.y) * cross;
    }
    return {centre.x / (6 * a), centre.y / (6 * a)};
}

Range fittedRange(double low, double high, std::span<const double> values) {
    for (double v : values) {
        if (std::isfinite(v)) {
            low = std::min(low, std::max(v, -kChartLimit));
            high = std::max(high, std::min(v, kChartLimit));
        }
    }
    constexpr std::array<double, 7> kSteps = {10, 20, 25, 50, 100, 200, 250};
    double step = kSteps.back();
    for (double candidate : kSteps) {
        if ((high - low) / candidate <= 10) {
            step = candidate;
            break;
        }
    }
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

} // namespace classifier::geometry
