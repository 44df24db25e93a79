#pragma once

#include "core/chart/chart.h"
#include "core/chart/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

// The parts the two charts are built of.
namespace classifier {

// A chart with its titles and axes wide enough for the samples, those drawn and those counted in
// `rest`; the note is said when its one sample is not drawn.
Chart emptyChart(Word title, Word note, std::vector<ChartSample> samples, const SampleCounts* rest);
void addZone(Chart& chart, std::string label, ChartLayer layer, ZoneStyle style,
             std::uint32_t colour, std::vector<std::vector<geometry::HalfPlane>> pieces);
void addLine(Chart& chart, ChartPoint from, ChartPoint to, bool dashed, Word label);
// The samples counted in `rest`, if any, laid on the chart's grid.
void addDensity(Chart& chart, const SampleCounts* rest);

} // namespace classifier
