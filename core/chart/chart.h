#pragma once

#include "core/aashto.h"
#include "core/chart/geometry.h"
#include "core/language.h"
#include "core/rules.h"
#include "core/unified.h"
#include "core/words.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The charts of liquid limit (across) against plasticity index (up) on which the two methods
// draw their samples: the lines and zones of each method's rules, and the samples themselves.
namespace classifier {

// The rules that decide a letter or a group from LL and PI, one set for each kind of sample.
// The window's rules and the standard's draw each layer their own way.
enum class ChartLayer {
    FineSoil,    // Unified, fine-grained: CL, CH, ML, MH; by the standard also CL-ML, OL, OH
    CoarseFines, // Unified, above 12 % fines: C or M; by the standard also C-M (SC-SM, GC-GM)
    DualFines,   // Unified, the dual symbols' fines: C or M
    AashtoFine,  // AASHTO, silt-clay: A-4 to A-7-6
    AashtoA2,    // AASHTO, granular: A-2-4 to A-2-7
};

enum class ZoneStyle { Filled, Outlined, Hidden };

struct Zone {
    std::string label;
    ChartLayer layer = ChartLayer::FineSoil;
    std::vector<ChartPolygon> pieces; // clipped to the chart's axes
    ZoneStyle style = ZoneStyle::Filled;
    std::uint32_t colour = 0; // 0xRRGGBB
};

struct ChartLine {
    ChartPoint from, to;
    bool dashed = false;
    Word label;
};

// One sample: where it stands and what it is called. A sample whose letters or group LL and PI
// do not decide has no layer and is not drawn.
struct ChartSample {
    ChartPoint at;
    std::string label; // beside the point: the sample's id, or else its symbol or group
    std::optional<ChartLayer> layer;
    std::string symbol = {}; // its symbol or group, as the legend counts it; the label when empty
    // Why a sample with no layer is not drawn, where it is not the chart's usual reason.
    std::optional<Word> notDrawn = std::nullopt;
};

// Samples counted rather than drawn one by one: how many fall in each square of the chart's
// grid, row by row from the lowest PI, each row from the lowest LL.
struct ChartDensity {
    std::uint64_t count = 0;
    std::size_t columns = 0;
    std::vector<std::uint64_t> squares;
};

class SampleCounts;

struct Chart {
    Word title;
    Word xTitle;
    Word yTitle;
    Range x, y;
    std::vector<Zone> zones;
    std::vector<ChartLine> lines;
    std::vector<ChartSample> samples;
    std::optional<ChartDensity> density; // of the samples beyond those drawn
    // Said on the chart when its one sample is not drawn.
    std::optional<Word> note;
    // The rows leave strips that no group takes (LL 40 to 41, PI 10 to 11), which the legend
    // explains: the AASHTO chart by the window's rules.
    bool gapStrips = false;
};

ChartSample unifiedChartSample(const UnifiedResult& result);
ChartSample aashtoChartSample(const AashtoResult& result);

// The plasticity chart with its zones filled for the given layer (FineSoil, CoarseFines or
// DualFines), its axes wide enough for every sample, those drawn and those counted in `rest`,
// its zones those of the given rules.
Chart unifiedChart(std::vector<ChartSample> samples, ChartLayer focus = ChartLayer::FineSoil,
                   Rules rules = Rules::Window, const SampleCounts* rest = nullptr);
// The LL–PI chart of the AASHTO rows: the zones of the focus layer filled, the other outlined.
Chart aashtoChart(std::vector<ChartSample> samples, ChartLayer focus = ChartLayer::AashtoFine,
                  Rules rules = Rules::Window, const SampleCounts* rest = nullptr);

// Where a zone's label goes: the centre of its largest piece.
ChartPoint zoneLabelPoint(const Zone& zone);
// The highest corner of a zone, the leftmost of equals: where an outlined zone is labelled.
ChartPoint zoneCorner(const Zone& zone);

// The label of the zone of the layer that holds the point, if any.
std::optional<std::string> zoneAt(const Chart& chart, ChartLayer layer, ChartPoint point);

// Where the chart is drawn on a canvas of the given size, in canvas units (y down).
struct ChartFrame {
    double left, top, width, height; // the plotting area

    double xOf(const Chart& chart, double x) const;
    double yOf(const Chart& chart, double y) const;
};
inline constexpr double kChartWidth = 640;
inline constexpr double kChartHeight = 480;
ChartFrame chartFrame(double width = kChartWidth, double height = kChartHeight);

} // namespace classifier
