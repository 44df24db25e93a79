#include "core/chart/chart.h"

#include "core/chart/density.h"
#include "core/chart/parts.h"

#include <algorithm>
#include <limits>

namespace classifier {

using geometry::HalfPlane;

namespace {

std::vector<double> coordinates(const std::vector<ChartSample>& samples, const SampleCounts* rest,
                                bool x) {
    std::vector<double> values;
    for (const ChartSample& s : samples) {
        if (s.layer) {
            values.push_back(x ? s.at.x : s.at.y);
        }
    }
    if (rest && rest->count() > 0) {
        values.push_back(x ? rest->low().x : rest->low().y);
        values.push_back(x ? rest->high().x : rest->high().y);
    }
    return values;
}

} // namespace

Chart emptyChart(Word title, Word note, std::vector<ChartSample> samples,
                 const SampleCounts* rest) {
    Chart chart;
    chart.title = title;
    chart.xTitle = Word::LiquidLimitAxis;
    chart.yTitle = Word::PlasticityIndexAxis;
    chart.x = geometry::fittedRange(0, 100, coordinates(samples, rest, true));
    chart.y = geometry::fittedRange(0, 60, coordinates(samples, rest, false));
    if (samples.size() == 1 && !samples.front().layer) {
        chart.note = samples.front().notDrawn.value_or(note);
    }
    chart.samples = std::move(samples);
    return chart;
}

void addZone(Chart& chart, std::string label, ChartLayer layer, ZoneStyle style,
             std::uint32_t colour, std::vector<std::vector<HalfPlane>> pieces) {
    Zone zone{std::move(label), layer, {}, style, colour};
    for (const auto& halves : pieces) {
        ChartPolygon piece = geometry::region(chart.x, chart.y, halves);
        if (!piece.empty()) {
            zone.pieces.push_back(std::move(piece));
        }
    }
    if (!zone.pieces.empty()) {
        chart.zones.push_back(std::move(zone));
    }
}

void addLine(Chart& chart, ChartPoint from, ChartPoint to, bool dashed, Word label) {
    if (const auto segment = geometry::clipSegment(from, to, chart.x, chart.y)) {
        chart.lines.push_back({segment->first, segment->second, dashed, label});
    }
}

ChartPoint zoneLabelPoint(const Zone& zone) {
    return geometry::labelPoint(zone.pieces);
}

ChartPoint zoneCorner(const Zone& zone) {
    ChartPoint corner{0, std::numeric_limits<double>::lowest()};
    for (const ChartPolygon& piece : zone.pieces) {
        for (const ChartPoint& p : piece) {
            if (p.y > corner.y || (p.y == corner.y && p.x < corner.x)) {
                corner = p;
            }
        }
    }
    return corner;
}

std::optional<std::string> zoneAt(const Chart& chart, ChartLayer layer, ChartPoint point) {
    for (const Zone& zone : chart.zones) {
        if (zone.layer != layer) {
            continue;
        }
        for (const ChartPolygon& piece : zone.pieces) {
            if (geometry::contains(piece, point)) {
                return zone.label;
            }
        }
    }
    return std::nullopt;
}

double ChartFrame::xOf(const Chart& chart, double x) const {
    x = std::clamp(x, chart.x.low, chart.x.high);
    return left + (x - chart.x.low) / (chart.x.high - chart.x.low) * width;
}

double ChartFrame::yOf(const Chart& chart, double y) const {
    y = std::clamp(y, chart.y.low, chart.y.high);
    return top + height - (y - chart.y.low) / (chart.y.high - chart.y.low) * height;
}

ChartFrame chartFrame(double width, double height) {
    constexpr double kLeft = 64, kRight = 24, kTop = 48, kBottom = 56;
    return {kLeft, kTop, width - kLeft - kRight, height - kTop - kBottom};
}

} // namespace classifier
