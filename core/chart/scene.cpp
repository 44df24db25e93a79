#include "core/chart/scene.h"

#include "core/number_text.h"

#include <algorithm>

// GCC 12 takes the members of a polygon moved within a growing vector of variants for
// uninitialised, a false alarm of its -Wmaybe-uninitialized.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace classifier {
namespace {

constexpr std::uint32_t kBackground = 0xFFFFFF;
constexpr std::uint32_t kInk = 0x202020;
constexpr std::uint32_t kGrid = 0xE0E0E0;
constexpr std::uint32_t kSample = 0xC00000;
constexpr std::uint32_t kDashedLine = 0x606060;
constexpr std::uint32_t kNote = 0x800000;
constexpr double kTitleSize = 16;
constexpr double kTextSize = 12;
constexpr double kZoneLabelSize = 14;
constexpr double kSampleRadius = 4.5;
constexpr double kLegendSize = 11;

class Layout {
public:
    Layout(const Chart& chart, Language language)
        : chart_(chart), language_(language), frame_(chartFrame()) {}

    std::vector<SceneItem> items() {
        rectangle(0, 0, kChartWidth, kChartHeight).fill = kBackground;
        zones(ZoneStyle::Filled);
        density();
        grid();
        zones(ZoneStyle::Outlined);
        lines();
        axes();
        zoneLabels();
        samples();
        note();
        legend();
        return std::move(items_);
    }

private:
    ChartPoint at(ChartPoint p) const { return {frame_.xOf(chart_, p.x), frame_.yOf(chart_, p.y)}; }

    // A text in the chart's language: right to left in Persian.
    void words(ChartPoint where, std::string_view text, double size, Anchor anchor) {
        SceneText item{where, std::string(text), size, anchor};
        item.colour = kInk;
        item.rightToLeft = language_ == Language::Persian;
        items_.push_back(std::move(item));
    }
    SceneText& last() { return std::get<SceneText>(items_.back()); }
    ScenePolygon& addPolygon() {
        return std::get<ScenePolygon>(items_.emplace_back(std::in_place_type<ScenePolygon>));
    }
    ScenePolygon& rectangle(double left, double top, double right, double bottom) {
        ScenePolygon& polygon = addPolygon();
        polygon.points = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
        return polygon;
    }

    void zones(ZoneStyle which) {
        for (const Zone& zone : chart_.zones) {
            if (zone.style != which) {
                continue;
            }
            for (const ChartPolygon& piece : zone.pieces) {
                ScenePolygon& polygon = addPolygon();
                for (const ChartPoint& p : piece) {
                    polygon.points.push_back(at(p));
                }
                if (which == ZoneStyle::Filled) {
                    polygon.fill = zone.colour;
                } else {
                    polygon.stroke = kDashedLine;
                    polygon.dash = Dash::Dotted;
                }
            }
        }
    }

    void grid() {
        for (double v = chart_.x.low; v <= chart_.x.high + 1e-9; v += chart_.x.step) {
            const ChartPoint foot = at({v, chart_.y.low});
            items_.push_back(SceneLine{foot, at({v, chart_.y.high}), kGrid, 1, Dash::None});
            words({foot.x, foot.y + 16}, formatNumber(v, {}), kTextSize, Anchor::Middle);
        }
        for (double v = chart_.y.low; v <= chart_.y.high + 1e-9; v += chart_.y.step) {
            const ChartPoint foot = at({chart_.x.low, v});
            items_.push_back(SceneLine{foot, at({chart_.x.high, v}), kGrid, 1, Dash::None});
            words({foot.x - 6, foot.y + 4}, formatNumber(v, {}), kTextSize, Anchor::Right);
        }
    }

    void lines() {
        for (const ChartLine& line : chart_.lines) {
            const ChartPoint end = at(line.to);
            items_.push_back(SceneLine{at(line.from), end, line.dashed ? kDashedLine : kInk, 1.5,
                                       line.dashed ? Dash::Dashed : Dash::None});
            const double below = line.to.y >= chart_.y.high ? 14 : -6;
            words({end.x - 4, end.y + below}, say(line.label, language_), kTextSize, Anchor::Right);
        }
    }

    void axes() {
        const double left = frame_.left, top = frame_.top;
        const double right = left + frame_.width, bottom = top + frame_.height;
        rectangle(left, top, right, bottom).stroke = kInk;
        words({kChartWidth / 2, 28}, say(chart_.title, language_), kTitleSize, Anchor::Middle);
        last().bold = true;
        words({(left + right) / 2, kChartHeight - 12}, say(chart_.xTitle, language_), kTextSize,
              Anchor::Middle);
        words({18, (top + bottom) / 2}, say(chart_.yTitle, language_), kTextSize, Anchor::Middle);
        last().rotation = -90;
    }

    void zoneLabels() {
        for (const Zone& zone : chart_.zones) {
            if (zone.style == ZoneStyle::Filled) {
                const ChartPoint centre = at(zoneLabelPoint(zone));
                words({centre.x, centre.y + 5}, zone.label, kZoneLabelSize, Anchor::Middle);
                last().bold = true;
            } else if (zone.style == ZoneStyle::Outlined) {
                const ChartPoint corner = at(zoneCorner(zone));
                words({corner.x + 4, corner.y + 13}, zone.label, kTextSize, Anchor::Left);
                last().italic = true;
                last().rightToLeft = false;
            }
        }
    }

    void samples() {
        for (const ChartSample& sample : chart_.samples) {
            if (!sample.layer) {
                continue;
            }
            const ChartPoint centre = at(sample.at);
            items_.push_back(SceneCircle{centre, kSampleRadius, kSample, kBackground});
            SceneText label{{centre.x + 7, centre.y - 7}, sample.label, kTextSize, Anchor::Left};
            label.bold = true;
            label.colour = kSample;
            items_.push_back(std::move(label));
        }
    }

    // Each grid square shaded by the number of counted samples in it.
    void density() {
        if (!chart_.density) {
            return;
        }
        const ChartDensity& density = *chart_.density;
        const std::uint64_t most = std::max<std::uint64_t>(
            1, *std::max_element(density.squares.begin(), density.squares.end()));
        for (std::size_t i = 0; i < density.squares.size(); ++i) {
            if (density.squares[i] == 0) {
                continue;
            }
            const double x =
                chart_.x.low + static_cast<double>(i % density.columns) * chart_.x.step;
            const double y =
                chart_.y.low + static_cast<double>(i / density.columns) * chart_.y.step;
            const ChartPoint low = at({x, y});
            const ChartPoint high = at({x + chart_.x.step, y + chart_.y.step});
            ScenePolygon& square = rectangle(low.x, high.y, high.x, low.y);
            square.fill = kSample;
            square.fillOpacity =
                0.1 + 0.6 * static_cast<double>(density.squares[i]) / static_cast<double>(most);
        }
    }

    // Says how many samples are drawn and how many counted, between the title and the chart.
    void legend() {
        if (!chart_.density) {
            return;
        }
        const auto drawn = std::count_if(chart_.samples.begin(), chart_.samples.end(),
                                         [](const ChartSample& s) { return s.layer.has_value(); });
        const std::vector<std::uint64_t>& squares = chart_.density->squares;
        const std::uint64_t most = *std::max_element(squares.begin(), squares.end());
        // "3000 samples drawn; 9997000 more shaded by their number in each grid square (most:
        // 41230)"
        const std::string text =
            std::to_string(drawn) + std::string(say(Word::SamplesDrawn, language_)) +
            std::to_string(chart_.density->count) +
            std::string(say(Word::SamplesCounted, language_)) + std::to_string(most) + ")";
        words({kChartWidth / 2, frame_.top - 6}, text, kLegendSize, Anchor::Middle);
    }

    void note() {
        if (chart_.note) {
            words({frame_.left + frame_.width / 2, frame_.top + 24}, say(*chart_.note, language_),
                  kTextSize, Anchor::Middle);
            last().colour = kNote;
        }
    }

    const Chart& chart_;
    Language language_;
    ChartFrame frame_;
    std::vector<SceneItem> items_;
};

} // namespace

std::vector<SceneItem> chartScene(const Chart& chart, Language language) {
    return Layout(chart, language).items();
}

} // namespace classifier
