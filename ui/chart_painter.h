#pragma once

#include "core/chart/chart.h"

class QPainter;
class QImage;

namespace classifier {

// Paints the chart with the shapes and texts its SVG document draws, on a canvas of kChartWidth ×
// kChartHeight units (scale the painter for other sizes).
void paintChart(QPainter& painter, const Chart& chart, Language language);
// The chart as a picture of scale × (kChartWidth × kChartHeight) pixels.
QImage chartImage(const Chart& chart, Language language, double scale);

} // namespace classifier
