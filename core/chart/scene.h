#pragma once

#include "core/chart/chart.h"

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

// Colours are 0xRRGGBB; kNoPaint leaves a polygon's inside or edge undrawn.
inline constexpr std::uint32_t kNoPaint = 0xFF000000;

struct ScenePolygon {
    std::vector<ChartPoint> points;
    std::uint32_t fill = kNoPaint;
    std::uint32_t stroke = kNoPaint;
    Dash dash = Dash::None;
    double fillOpacity = 1; // 0 to 1
};

struct SceneLine {
    ChartPoint from, to;
    std::uint32_t colour = 0;
    double width = 1;
    Dash dash = Dash::None;
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
};

using SceneItem = std::variant<ScenePolygon, SceneLine, SceneCircle, SceneText>;

// The chart on a kChartWidth × kChartHeight canvas (y down), in the order it is drawn.
std::vector<SceneItem> chartScene(const Chart& chart, Language language);

} // namespace classifier
