#pragma once

#include "core/chart/chart.h"
#include "core/chart/placement.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A chart laid out on its canvas as the shapes and texts every picture of it draws, so that
// a painted chart, its PNG and its SVG file show the same thing.
namespace classifier {

inline constexpr std::array<std::string_view, 5> kChartFontFamilies = {
    "Vazirmatn", "Noto Sans Arabic UI", "Noto Sans", "Tahoma", "DejaVu Sans"};

enum class Dash { None, Dashed, Dotted };

// What a shape or text of the scene is for, so that where it went can be checked.
enum class ScenePart : std::uint8_t {
    Plain,
    ZoneLabel,
    LineLabel,
    SampleLabel,
    Leader,      // from a sample's point to its label
    Legend,      // the legend's box, swatches and explanations
    LegendEntry, // a symbol or group with its count: "CL 12"
    Note,
    Counts,     // how many samples are drawn and how many counted
    Table,      // the table of samples not labelled: its title, headings and cells
    TableEntry, // the first cell of a row of that table
};

// Colours are 0xRRGGBB; kNoPaint leaves a polygon's inside or edge undrawn.
inline constexpr std::uint32_t kNoPaint = 0xFF000000;

struct ScenePolygon {
    std::vector<ChartPoint> points;
    std::uint32_t fill = kNoPaint;
    std::uint32_t stroke = kNoPaint;
    Dash dash = Dash::None;
    double fillOpacity = 1; // 0 to 1
    ScenePart part = ScenePart::Plain;
};

struct SceneLine {
    ChartPoint from, to;
    std::uint32_t colour = 0;
    double width = 1;
    Dash dash = Dash::None;
    ScenePart part = ScenePart::Plain;
};

struct SceneCircle {
    ChartPoint centre;
    double radius = 0;
    std::uint32_t fill = 0;
    std::uint32_t stroke = 0;
};

// Where x falls on the text as it is seen: its left end, its middle or its right end.
enum class Anchor { Left, Middle, Right };

struct SceneText {
    ChartPoint at; // on the baseline
    std::string text;
    double size = 12;
    Anchor anchor = Anchor::Left;
    bool bold = false;
    bool italic = false;
    std::uint32_t colour = 0;
    bool rightToLeft = false;
    double rotation = 0; // degrees about `at`, clockwise
    ScenePart part = ScenePart::Plain;
};

// The box the text is estimated to take, turned with it.
CanvasBox textBox(const SceneText& text);

using SceneItem = std::variant<ScenePolygon, SceneLine, SceneCircle, SceneText>;

// A chart on its canvas (y down): the chart on kChartWidth × kChartHeight, and under it what did
// not find room on it.
struct Scene {
    double width = kChartWidth;
    double height = kChartHeight;
    std::vector<SceneItem> items; // in the order they are drawn
};

Scene chartScene(const Chart& chart, Language language);

} // namespace classifier
