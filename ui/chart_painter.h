#pragma once

#include "core/chart/chart.h"

class QPainter;
class QImage;
class QRectF;

namespace classifier {

struct Scene;

// Paints the chart with the shapes and texts its SVG document draws, its canvas scaled to fit
// the area and centred in it.
void paintScene(QPainter& painter, const QRectF& area, const Scene& scene);
// The chart as a picture of scale × its canvas (kChartWidth × kChartHeight, and taller when
// a table of samples goes under it) in pixels.
QImage chartImage(const Chart& chart, Language language, double scale);

} // namespace classifier
