#include "core/chart/scene.h"

#include "core/chart/density.h"
#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <numeric>
#include <set>

// GCC 12 takes the members of a polygon moved within a growing vector of variants for
// uninitialised, a false alarm of its -Wmaybe-uninitialized.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace classifier {

CanvasBox textBox(const SceneText& text) {
    const double width =
        textWidth(text.text, text.size, text.bold) + (text.italic ? 0.15 * text.size : 0);
    const double left = text.anchor == Anchor::Left    ? 0
                        : text.anchor == Anchor::Right ? -width
                                                       : -width / 2;
    const double top = -kTextAscent * text.size, bottom = kTextDescent * text.size;
    if (text.rotation == 0) {
        return {text.at.x + left, text.at.y + top, text.at.x + left + width, text.at.y + bottom};
    }
    const double angle = text.rotation * std::numbers::pi / 180;
    const double c = std::cos(angle), s = std::sin(angle);
    CanvasBox box{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const double x : {left, left + width}) {
        for (const double y : {top, bottom}) {
            const double turnedX = text.at.x + x * c - y * s;
            const double turnedY = text.at.y + x * s + y * c;
            box = {std::min(box.left, turnedX), std::min(box.top, turnedY),
                   std::max(box.right, turnedX), std::max(box.bottom, turnedY)};
        }
    }
    return box;
}

namespace {

constexpr std::uint32_t kBackground = 0xFFFFFF;
constexpr std::uint32_t kInk = 0x202020;
constexpr std::uint32_t kGrid = 0xE0E0E0;
constexpr std::uint32_t kSample = 0xC00000;
constexpr std::uint32_t kLeader = 0xC87070;
constexpr std::uint32_t kDashedLine = 0x606060;
constexpr std::uint32_t kNote = 0x800000;
constexpr std::uint32_t kLegendEdge = 0xA0A0A0;
constexpr double kTitleSize = 16;
constexpr double kTextSize = 12;
constexpr double kZoneLabelSize = 14;
constexpr double kSampleRadius = 4.5;
constexpr double kBandSize = 11;  // the note and the counts, between the title and the chart
constexpr double kLabelSize = 10; // of a sample
constexpr double kLegendSize = 10;
constexpr double kTableSize = 10;
constexpr double kMargin = 12; // of the canvas, for what goes under the chart
constexpr double kTitleBaseline = 26;
constexpr double kBandBaseline = 43.5;

double textHeight(double size) {
    return (kTextAscent + kTextDescent) * size;
}

// Where a left-anchored text goes for its box to start at `box`.
ChartPoint baselineOf(const CanvasBox& box, double size) {
    return {box.left, box.top + kTextAscent * size};
}

CanvasBox boxAt(double left, double top, double width, double height) {
    return {left, top, left + width, top + height};
}

// The text's words in lines no wider than `width`, if words can be.
std::vector<std::string> wrapped(std::string_view text, double width, double size) {
    std::vector<std::string> lines;
    std::string line;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
        const std::string longer =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && textWidth(longer, size, false) > width) {
            lines.push_back(std::move(line));
            line = std::string(word);
        } else {
            line = longer;
        }
    }
    if (!line.empty()) {
        lines.push_back(std::move(line));
    }
    return lines;
}

// The ways a sample's label may stand from its point, in the order they are tried: beside it
// (right, left, above, below, the diagonals), then further out, in rings, with a leader line.
struct Offset {
    double dx, dy; // from the point, where the label's box is held
    double across; // 0: the box starts at the held point; 1: it ends there; 0.5: centred on it
    double down;   //   likewise up and down
    double leader; // its length, 0 for none
};

const std::array<Offset, 8>& besideOffsets() {
    constexpr double beside = kSampleRadius + 2;
    constexpr double diagonal = kSampleRadius * 0.71 + 2;
    static const std::array<Offset, 8> offsets = {{
        {beside, 0, 0, 0.5, 0},
        {-beside, 0, 1, 0.5, 0},
        {0, -beside, 0.5, 1, 0},
        {0, beside, 0.5, 0, 0},
        {diagonal, -diagonal, 0, 1, 0},
        {-diagonal, -diagonal, 1, 1, 0},
        {diagonal, diagonal, 0, 0, 0},
        {-diagonal, diagonal, 1, 0, 0},
    }};
    return offsets;
}

// Further out with a leader line: rings 16 to 156 units from the point, of 32 directions each,
// the nearest ring first; in each ring, the directions nearest to `outward` (away from the
// point's neighbours) first, from the right, anticlockwise, where it is nought.
std::vector<Offset> leaderOffsets(ChartPoint outward) {
    constexpr int kDirections = 32;
    struct Direction {
        double ux, uy;
    };
    static const std::array<Direction, kDirections> directions = [] {
        std::array<Direction, kDirections> all{};
        for (int d = 0; d < kDirections; ++d) {
            const double angle = d * 2 * std::numbers::pi / kDirections;
            all[static_cast<std::size_t>(d)] = {std::cos(angle), -std::sin(angle)};
        }
        return all;
    }();
    std::array<int, kDirections> order{};
    std::iota(order.begin(), order.end(), 0);
    if (outward.x != 0 || outward.y != 0) {
        // Nearest first: the larger the cosine of the turn from `outward`, in millionths so
        // that equal turns keep their order.
        const double length = std::hypot(outward.x, outward.y);
        const auto along = [&](int d) {
            const Direction& u = directions[static_cast<std::size_t>(d)];
            return std::lround(1e6 * (u.ux * outward.x + u.uy * outward.y) / length);
        };
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return along(a) > along(b); });
    }
    const auto hold = [](double u) { return u > 0.35 ? 0.0 : u < -0.35 ? 1.0 : 0.5; };
    std::vector<Offset> offsets;
    offsets.reserve(15 * kDirections);
    for (double distance = 16; distance <= 156; distance += 10) {
        for (const int d : order) {
            const Direction& u = directions[static_cast<std::size_t>(d)];
            offsets.push_back({distance * u.ux, distance * u.uy, hold(u.ux), hold(u.uy), distance});
        }
    }
    return offsets;
}

// The text, or its first 32 characters and an ellipsis.
std::string shortened(const std::string& text) {
    constexpr std::size_t kMost = 32;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
        if (starts && ++characters > kMost) {
            return text.substr(0, at) + "\u2026";
        }
    }
    return text;
}

class Layout {
public:
    Layout(const Chart& chart, Language language)
        : chart_(chart), language_(language),
          frame_(chartFrame()), frameBox_{frame_.left, frame_.top, frame_.left + frame_.width,
                                          frame_.top + frame_.height},
          space_(kChartWidth, kChartHeight) {}

    Scene scene() {
        rectangle(0, 0, kChartWidth, kChartHeight).fill = kBackground;
        zones(ZoneStyle::Filled);
        density();
        grid();
        zones(ZoneStyle::Outlined);
        lines();
        axes();
        points();
        zoneLabels();
        lineLabels();
        note();
        counts();
        legend();
        sampleLabels();
        table();
        const double height = below_ > kChartHeight ? below_ + kMargin : kChartHeight;
        std::get<ScenePolygon>(items_.front()).points = {
            {0, 0}, {kChartWidth, 0}, {kChartWidth, height}, {0, height}};
        return {kChartWidth, height, std::move(items_)};
    }

private:
    ChartPoint at(ChartPoint p) const { return {frame_.xOf(chart_, p.x), frame_.yOf(chart_, p.y)}; }
    bool persian() const { return language_ == Language::Persian; }

    // A text in the chart's language: right to left in Persian.
    SceneText& words(ChartPoint where, std::string_view text, double size, Anchor anchor,
                     ScenePart part = ScenePart::Plain) {
        SceneText item{where, std::string(text), size, anchor};
        item.colour = kInk;
        item.rightToLeft = persian();
        item.part = part;
        return std::get<SceneText>(items_.emplace_back(std::move(item)));
    }
    ScenePolygon& addPolygon() {
        return std::get<ScenePolygon>(items_.emplace_back(std::in_place_type<ScenePolygon>));
    }
    ScenePolygon& rectangle(double left, double top, double right, double bottom) {
        ScenePolygon& polygon = addPolygon();
        polygon.points = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
        return polygon;
    }
    // A box of the chart's frame that stays clear of its edge.
    bool insideFrame(const CanvasBox& box, double margin) const {
        return frameBox_.grown(-margin).contains(box);
    }
    bool crossesALine(const CanvasBox& box) const {
        return std::any_of(lineSegments_.begin(), lineSegments_.end(),
                           [&](const CanvasSegment& line) { return crosses(line, box); });
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
                // The edges between zones, which the legend must leave in sight.
                for (std::size_t i = 0; i < polygon.points.size(); ++i) {
                    const CanvasSegment edge{polygon.points[i],
                                             polygon.points[(i + 1) % polygon.points.size()]};
                    if (!onFrame(edge)) {
                        zoneEdges_.push_back(edge);
                    }
                }
            }
        }
    }

    bool onFrame(const CanvasSegment& edge) const {
        const auto same = [](double a, double b) { return std::fabs(a - b) < 0.5; };
        const auto side = [&](double a, double b) {
            return same(a, edge.from.x) && same(b, edge.to.x);
        };
        const auto level = [&](double a, double b) {
            return same(a, edge.from.y) && same(b, edge.to.y);
        };
        return side(frameBox_.left, frameBox_.left) || side(frameBox_.right, frameBox_.right) ||
               level(frameBox_.top, frameBox_.top) || level(frameBox_.bottom, frameBox_.bottom);
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
            const CanvasSegment segment{at(line.from), at(line.to)};
            lineSegments_.push_back(segment);
            items_.push_back(SceneLine{segment.from, segment.to, line.dashed ? kDashedLine : kInk,
                                       1.5, line.dashed ? Dash::Dashed : Dash::None});
        }
    }

    void axes() {
        const double left = frame_.left, top = frame_.top;
        const double right = left + frame_.width, bottom = top + frame_.height;
        rectangle(left, top, right, bottom).stroke = kInk;
        words({kChartWidth / 2, kTitleBaseline}, say(chart_.title, language_), kTitleSize,
              Anchor::Middle)
            .bold = true;
        words({(left + right) / 2, kChartHeight - 12}, say(chart_.xTitle, language_), kTextSize,
              Anchor::Middle);
        words({18, (top + bottom) / 2}, say(chart_.yTitle, language_), kTextSize, Anchor::Middle)
            .rotation = -90;
    }

    // Every drawable sample's point, which no text may cover. Samples at one spot share it.
    void points() {
        std::map<std::pair<long, long>, std::size_t> spots;
        for (std::size_t i = 0; i < chart_.samples.size(); ++i) {
            const ChartSample& sample = chart_.samples[i];
            if (!sample.layer || !std::isfinite(sample.at.x) || !std::isfinite(sample.at.y)) {
                continue;
            }
            const ChartPoint centre = at(sample.at);
            const std::pair<long, long> spot{std::lround(centre.x * 2), std::lround(centre.y * 2)};
            auto found = spots.find(spot);
            if (found == spots.end()) {
                const CanvasBox circle{centre.x - kSampleRadius, centre.y - kSampleRadius,
                                       centre.x + kSampleRadius, centre.y + kSampleRadius};
                found = spots.emplace(spot, space_.addPoint(circle.grown(1))).first;
            }
            const std::string& symbol = sample.symbol.empty() ? sample.label : sample.symbol;
            points_.push_back({i, centre, found->second,
                               shortened(sample.label.empty() ? symbol : sample.label),
                               shortened(symbol)});
        }
    }

    // A filled zone's label at the centre of its largest piece, or as near to it as it goes
    // without covering a sample; an outlined zone's under its highest corner.
    void zoneLabels() {
        for (const Zone& zone : chart_.zones) {
            if (zone.style == ZoneStyle::Filled) {
                const ChartPoint centre = at(zoneLabelPoint(zone));
                SceneText label{
                    {centre.x, centre.y + 5}, zone.label, kZoneLabelSize, Anchor::Middle};
                label.bold = true;
                label.rightToLeft = persian();
                moveOffSamples(label, zone);
                addZoneLabel(std::move(label));
            } else if (zone.style == ZoneStyle::Outlined) {
                const ChartPoint corner = at(zoneCorner(zone));
                SceneText label{{corner.x + 4, corner.y + 13}, zone.label, kTextSize, Anchor::Left};
                label.italic = true;
                moveOffSamples(label, zone);
                addZoneLabel(std::move(label));
            }
        }
    }

    // Moves a zone's label, if it must, to the nearest place inside its zone and the frame
    // where it covers no sample and no other label: around its place for a filled zone's, right
    // and down from its corner for an outlined one's; leaves it where it was if there is none.
    void moveOffSamples(SceneText& label, const Zone& zone) {
        std::vector<ChartPolygon> pieces; // on the canvas
        for (const ChartPolygon& piece : zone.pieces) {
            pieces.emplace_back();
            for (const ChartPoint& corner : piece) {
                pieces.back().push_back(at(corner));
            }
        }
        const auto inZone = [&](const CanvasBox& box) {
            return std::any_of(pieces.begin(), pieces.end(), [&](const ChartPolygon& piece) {
                return geometry::contains(piece, {box.left, box.top}) &&
                       geometry::contains(piece, {box.right, box.top}) &&
                       geometry::contains(piece, {box.left, box.bottom}) &&
                       geometry::contains(piece, {box.right, box.bottom});
            });
        };
        const bool corner = zone.style == ZoneStyle::Outlined;
        const ChartPoint start = label.at;
        const double across = std::hypot(frame_.width, frame_.height);
        for (double ring = 0; ring <= across; ring += 8) {
            for (int step = 0; step < (ring == 0 ? 1 : 16); ++step) {
                const double angle = step * std::numbers::pi / 8;
                const double dx = ring * std::cos(angle), dy = -ring * std::sin(angle);
                if (corner && (dx < 0 || dy < 0)) {
                    continue;
                }
                label.at = {start.x + dx, start.y + dy};
                const CanvasBox box = textBox(label);
                if (inZone(box) && insideFrame(box, 1) && space_.isFree(box.grown(1))) {
                    return;
                }
            }
        }
        label.at = start;
        const CanvasBox box = textBox(label), inside = inFrame(box);
        label.at = {start.x + inside.left - box.left, start.y + inside.top - box.top};
    }

    void addZoneLabel(SceneText label) {
        label.colour = kInk;
        label.part = ScenePart::ZoneLabel;
        space_.addBox(textBox(label).grown(1));
        items_.push_back(std::move(label));
    }

    // Each line's label near the line's far end, on one side of it, inside the frame and clear
    // of the zone labels, the samples and the other lines' labels; away from every line where
    // it can be.
    void lineLabels() {
        for (std::size_t i = 0; i < chart_.lines.size(); ++i) {
            const CanvasSegment& line = lineSegments_[i];
            SceneText label{
                {}, std::string(say(chart_.lines[i].label, language_)), kTextSize, Anchor::Left};
            label.colour = kInk;
            label.rightToLeft = persian();
            label.part = ScenePart::LineLabel;
            const double width = textWidth(label.text, kTextSize, false);
            const double height = textHeight(kTextSize);
            const double length = std::hypot(line.to.x - line.from.x, line.to.y - line.from.y);
            std::optional<CanvasBox> chosen, crossing;
            for (double back = 0; back <= length && !chosen; back += 10) {
                const double t = length > 0 ? 1 - back / length : 0;
                const ChartPoint p{line.from.x + t * (line.to.x - line.from.x),
                                   line.from.y + t * (line.to.y - line.from.y)};
                const std::array<CanvasBox, 4> sides = {
                    boxAt(p.x - 3 - width, p.y - 3 - height, width, height), // above, left
                    boxAt(p.x + 3, p.y + 3, width, height),                  // below, right
                    boxAt(p.x - 3 - width, p.y + 3, width, height),          // below, left
                    boxAt(p.x + 3, p.y - 3 - height, width, height),         // above, right
                };
                for (const CanvasBox& box : sides) {
                    if (!insideFrame(box, 2) || !space_.isFree(box.grown(1))) {
                        continue;
                    }
                    if (!crossesALine(box)) {
                        chosen = box;
                        break;
                    }
                    if (!crossing) {
                        crossing = box;
                    }
                }
            }
            const CanvasBox box =
                chosen     ? *chosen
                : crossing ? *crossing
                           : inFrame(boxAt(line.to.x - 3 - width, line.to.y + 3, width, height));
            label.at = baselineOf(box, kTextSize);
            space_.addBox(box.grown(1));
            items_.push_back(std::move(label));
        }
    }

    CanvasBox inFrame(CanvasBox box) const {
        const CanvasBox inside = frameBox_.grown(-2);
        const double dx =
            std::max(0.0, inside.left - box.left) - std::max(0.0, box.right - inside.right);
        const double dy =
            std::max(0.0, inside.top - box.top) - std::max(0.0, box.bottom - inside.bottom);
        return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
    }

    // Why the chart's one sample is not drawn, in the band between the title and the frame,
    // where no line of the chart reaches.
    void note() {
        if (chart_.note) {
            inBand(say(*chart_.note, language_), ScenePart::Note, kNote);
        }
    }

    // A line of text in the band between the title and the frame, right of the numbers of the
    // PI axis, made smaller if it must; under the chart when the band is taken or too narrow.
    void inBand(std::string_view text, ScenePart part, std::uint32_t colour) {
        const double left = frame_.left - 4, right = kChartWidth - 4;
        if (!bandTaken_) {
            for (const double size : {kBandSize, kBandSize - 1}) {
                if (textWidth(text, size, false) <= right - left) {
                    bandTaken_ = true;
                    words({(left + right) / 2, kBandBaseline}, text, size, Anchor::Middle, part)
                        .colour = colour;
                    return;
                }
            }
        }
        for (const std::string& line : wrapped(text, kChartWidth - 2 * kMargin, kBandSize)) {
            below_ += textHeight(kBandSize) + 2;
            words({kChartWidth / 2, below_ - kTextDescent * kBandSize}, line, kBandSize,
                  Anchor::Middle, part)
                .colour = colour;
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
            shaded_.push_back({low.x, high.y, high.x, low.y});
        }
    }

    // How many samples are drawn and how many counted, between the title and the chart.
    void counts() {
        if (!chart_.density) {
            return;
        }
        const std::vector<std::uint64_t>& squares = chart_.density->squares;
        const std::uint64_t most = *std::max_element(squares.begin(), squares.end());
        // "3000 samples drawn; 9997000 more shaded by their number in each grid square (most:
        // 41230)"
        const std::string text =
            std::to_string(points_.size()) + std::string(say(Word::SamplesDrawn, language_)) +
            std::to_string(chart_.density->count) +
            std::string(say(Word::SamplesCounted, language_)) + std::to_string(most) + ")";
        inBand(text, ScenePart::Counts, kInk);
    }

    // The symbols or groups drawn with their counts, most first, and on the AASHTO chart what
    // its blank strips and its dividing line mean; in a corner or gap of the frame where it
    // covers no sample, text, line or zone edge, else under the chart.
    void legend() {
        std::map<std::string, std::size_t> counts;
        for (const DrawnPoint& point : points_) {
            ++counts[point.symbol];
        }
        std::vector<std::pair<std::string, std::size_t>> entries(counts.begin(), counts.end());
        std::stable_sort(entries.begin(), entries.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        const auto dividing =
            std::find_if(chart_.lines.begin(), chart_.lines.end(),
                         [](const ChartLine& line) { return line.label == Word::A7DividingLine; });
        if (entries.empty() && !chart_.gapStrips && dividing == chart_.lines.end()) {
            return;
        }

        // Laid out left to right from (0, 0), turned round in Persian once placed.
        constexpr double kPad = 5, kSwatch = 16, kMostWidth = 200;
        const double lineHeight = textHeight(kLegendSize) + 2;
        std::vector<SceneItem> parts;
        double width = 0, y = kPad;
        const auto text = [&](double x, std::string text, ScenePart part) {
            SceneText item{
                {x, y + kTextAscent * kLegendSize}, std::move(text), kLegendSize, Anchor::Left};
            item.colour = kInk;
            item.rightToLeft = persian() && part == ScenePart::Legend;
            item.part = part;
            width = std::max(width, textBox(item).right);
            parts.emplace_back(std::move(item));
        };
        if (!entries.empty()) {
            double x = kPad;
            for (const auto& [symbol, count] : entries) {
                const std::string entry = symbol + " " + std::to_string(count);
                const double entryWidth = textWidth(entry, kLegendSize, false);
                if (x > kPad && x + entryWidth > kMostWidth) {
                    x = kPad;
                    y += lineHeight;
                }
                text(x, entry, ScenePart::LegendEntry);
                x += entryWidth + 10;
            }
            y += lineHeight;
        }
        const auto explained = [&](std::initializer_list<Word> sentences, auto swatch) {
            swatch(y + lineHeight / 2 - 1);
            for (const Word sentence : sentences) {
                for (const std::string& line : wrapped(
                         say(sentence, language_), kMostWidth - kPad - kSwatch - 4, kLegendSize)) {
                    text(kPad + kSwatch + 4, line, ScenePart::Legend);
                    y += lineHeight;
                }
            }
        };
        if (chart_.gapStrips) {
            explained({Word::GapStripsNoGroup}, [&](double middle) {
                ScenePolygon strip;
                strip.points = {{kPad, middle - 4},
                                {kPad + kSwatch, middle - 4},
                                {kPad + kSwatch, middle + 4},
                                {kPad, middle + 4}};
                strip.fill = kBackground;
                strip.stroke = kLegendEdge;
                strip.part = ScenePart::Legend;
                parts.emplace_back(std::move(strip));
            });
        }
        if (dividing != chart_.lines.end()) {
            explained({Word::A7LineOnOrBelow, Word::A7LineAbove}, [&](double middle) {
                parts.emplace_back(SceneLine{{kPad, middle},
                                             {kPad + kSwatch, middle},
                                             dividing->dashed ? kDashedLine : kInk,
                                             1.5,
                                             dividing->dashed ? Dash::Dashed : Dash::None,
                                             ScenePart::Legend});
            });
        }
        const double boxWidth = width + kPad, boxHeight = y + kPad - 2;
        const CanvasBox box = legendPlace(boxWidth, boxHeight);
        space_.addBox(box.grown(1));
        const auto place = [&](ChartPoint p) {
            return ChartPoint{persian() ? box.right - p.x : box.left + p.x, box.top + p.y};
        };
        ScenePolygon& back = rectangle(box.left, box.top, box.right, box.bottom);
        back.fill = kBackground;
        back.fillOpacity = 0.9;
        back.stroke = kLegendEdge;
        back.part = ScenePart::Legend;
        for (SceneItem& part : parts) {
            std::visit(
                [&](auto& shape) {
                    using Shape = std::decay_t<decltype(shape)>;
                    if constexpr (std::is_same_v<Shape, SceneText>) {
                        shape.at = place(shape.at);
                        shape.anchor = persian() ? Anchor::Right : Anchor::Left;
                    } else if constexpr (std::is_same_v<Shape, SceneCircle>) {
                        shape.centre = place(shape.centre);
                    } else if constexpr (std::is_same_v<Shape, SceneLine>) {
                        shape.from = place(shape.from);
                        shape.to = place(shape.to);
                    } else {
                        for (ChartPoint& p : shape.points) {
                            p = place(p);
                        }
                    }
                },
                part);
            items_.push_back(std::move(part));
        }
    }

    // The first place for a box of this size, corners first, inside the frame where it hides
    // nothing; under the chart when there is none.
    CanvasBox legendPlace(double width, double height) {
        const CanvasBox inside = frameBox_.grown(-6);
        const auto hidesNothing = [&](const CanvasBox& box) {
            const CanvasBox around = box.grown(2);
            return inside.contains(box) && space_.isFree(around) && !crossesALine(around) &&
                   std::none_of(zoneEdges_.begin(), zoneEdges_.end(),
                                [&](const CanvasSegment& edge) { return crosses(edge, around); }) &&
                   std::none_of(shaded_.begin(), shaded_.end(),
                                [&](const CanvasBox& square) { return square.intersects(around); });
        };
        const double right = inside.right - width, bottom = inside.bottom - height;
        const double first = persian() ? right : inside.left,
                     second = persian() ? inside.left : right;
        for (const ChartPoint corner : {ChartPoint{first, inside.top},
                                        {second, inside.top},
                                        {second, bottom},
                                        {first, bottom}}) {
            const CanvasBox box = boxAt(corner.x, corner.y, width, height);
            if (hidesNothing(box)) {
                return box;
            }
        }
        for (double top = inside.top; top <= bottom; top += 6) {
            for (double step = 0; step <= right - inside.left; step += 6) {
                const CanvasBox box =
                    boxAt(persian() ? right - step : inside.left + step, top, width, height);
                if (hidesNothing(box)) {
                    return box;
                }
            }
        }
        const CanvasBox box =
            boxAt(persian() ? kChartWidth - kMargin - width : kMargin, below_ + 6, width, height);
        below_ = box.bottom;
        return box;
    }

    // Each sample labelled beside its point where there is room, else further out with a leader
    // line; first every sample that has room beside its point, then the rest, each in the order
    // of the samples. A label covers no other text, no point and no leader, stays inside the
    // frame, and crosses none of the chart's lines where it need not.
    void sampleLabels() {
        std::vector<std::optional<Placed>> placed(points_.size());
        // Of samples at one spot only the first is labelled beside it: a ring of labels there
        // would leave the others' leader lines no way out.
        std::set<std::size_t> spotsLabelled;
        for (std::size_t i = 0; i < points_.size(); ++i) {
            if (!labelOf(points_[i]).empty() && spotsLabelled.insert(points_[i].spot).second) {
                placed[i] = place(points_[i], besideOffsets());
            }
        }
        const std::vector<ChartPoint> outward = awayFromNeighbours();
        for (std::size_t i = 0; i < points_.size(); ++i) {
            if (!placed[i] && !labelOf(points_[i]).empty()) {
                placed[i] = place(points_[i], leaderOffsets(outward[i]));
            }
        }
        for (std::size_t i = 0; i < points_.size(); ++i) {
            if (placed[i] && placed[i]->leader) {
                items_.push_back(SceneLine{placed[i]->leader->from, placed[i]->leader->to, kLeader,
                                           0.75, Dash::None, ScenePart::Leader});
            }
        }
        for (const DrawnPoint& point : points_) {
            items_.push_back(SceneCircle{point.centre, kSampleRadius, kSample, kBackground});
        }
        for (std::size_t i = 0; i < points_.size(); ++i) {
            if (placed[i]) {
                SceneText label{baselineOf(placed[i]->box, kLabelSize), labelOf(points_[i]),
                                kLabelSize, Anchor::Left};
                label.bold = true;
                label.colour = kSample;
                label.rightToLeft = startsRightToLeft(label.text);
                label.part = ScenePart::SampleLabel;
                items_.push_back(std::move(label));
            } else if (!labelOf(points_[i]).empty()) {
                unlabelled_.push_back(i);
            }
        }
    }

    // For each point, the way from the middle of the points within 60 units of it to it.
    std::vector<ChartPoint> awayFromNeighbours() const {
        constexpr double kNear = 60;
        std::map<std::pair<long, long>, std::vector<std::size_t>> cells;
        const auto cellOf = [](ChartPoint p) {
            return std::pair{std::lround(std::floor(p.x / kNear)),
                             std::lround(std::floor(p.y / kNear))};
        };
        for (std::size_t i = 0; i < points_.size(); ++i) {
            cells[cellOf(points_[i].centre)].push_back(i);
        }
        std::vector<ChartPoint> outward(points_.size());
        for (std::size_t i = 0; i < points_.size(); ++i) {
            const ChartPoint p = points_[i].centre;
            const auto [column, row] = cellOf(p);
            ChartPoint sum;
            std::size_t count = 0;
            for (long r = row - 1; r <= row + 1; ++r) {
                for (long c = column - 1; c <= column + 1; ++c) {
                    const auto found = cells.find({c, r});
                    if (found == cells.end()) {
                        continue;
                    }
                    for (const std::size_t j : found->second) {
                        const ChartPoint q = points_[j].centre;
                        const double dx = q.x - p.x, dy = q.y - p.y;
                        if (j != i && dx * dx + dy * dy <= kNear * kNear) {
                            sum = {sum.x + q.x, sum.y + q.y};
                            ++count;
                        }
                    }
                }
            }
            if (count > 0) {
                const auto n = static_cast<double>(count);
                outward[i] = {p.x - sum.x / n, p.y - sum.y / n};
            }
        }
        return outward;
    }

    struct DrawnPoint {
        std::size_t sample; // in chart_.samples
        ChartPoint centre;
        std::size_t spot;          // the box of its point in space_
        std::string label, symbol; // as written on the chart
    };
    struct Placed {
        CanvasBox box;
        std::optional<CanvasSegment> leader; // from the edge of the point to the label
    };

    const std::string& labelOf(const DrawnPoint& point) const { return point.label; }

    std::optional<Placed> place(const DrawnPoint& point, std::span<const Offset> offsets) {
        const std::string& text = labelOf(point);
        const double width = textWidth(text, kLabelSize, true), height = textHeight(kLabelSize);
        const CanvasBox inside = frameBox_.grown(-1);
        std::optional<Placed> crossing;
        for (const Offset& offset : offsets) {
            const ChartPoint held{point.centre.x + offset.dx, point.centre.y + offset.dy};
            Placed candidate{
                boxAt(held.x - offset.across * width, held.y - offset.down * height, width, height),
                std::nullopt};
            if (!inside.contains(candidate.box) ||
                !space_.isFree(candidate.box.grown(1), point.spot)) {
                continue;
            }
            if (offset.leader > 0) {
                const double edge = kSampleRadius / offset.leader;
                candidate.leader = {
                    {point.centre.x + edge * offset.dx, point.centre.y + edge * offset.dy}, held};
                if (!space_.isClear(*candidate.leader)) {
                    continue;
                }
            }
            if (!crossesALine(candidate.box)) {
                return keep(candidate);
            }
            if (!crossing) {
                crossing = candidate;
            }
        }
        return crossing ? std::optional(keep(*crossing)) : std::nullopt;
    }

    Placed keep(const Placed& placed) {
        space_.addBox(placed.box.grown(1));
        if (placed.leader) {
            space_.addLeader(*placed.leader);
        }
        return placed;
    }

    // The samples not labelled on the chart, with their symbols or groups, LL and PI, in
    // columns under it; without the label column when every label is the symbol. A sheet of
    // thousands lists its first few hundred and counts the rest: a longer table is read by no
    // one, and would make the picture of a large sheet many times the size of its chart.
    void table() {
        if (unlabelled_.empty()) {
            return;
        }
        constexpr std::size_t kMostListed = 240;
        const std::size_t listed = std::min(unlabelled_.size(), kMostListed);
        const bool named =
            std::any_of(unlabelled_.begin(), unlabelled_.begin() + listed,
                        [&](std::size_t i) { return points_[i].label != points_[i].symbol; });
        const bool aashto = chart_.title == Word::AashtoChart;
        std::vector<std::vector<std::string>> rows;
        rows.push_back({});
        if (named) {
            rows.back().emplace_back(say(Word::SampleColumn, language_));
        }
        rows.back().emplace_back(say(aashto ? Word::GroupColumn : Word::SymbolColumn, language_));
        rows.back().emplace_back(say(Word::LiquidLimitColumn, language_));
        rows.back().emplace_back(say(Word::PlasticityColumn, language_));
        for (std::size_t n = 0; n < listed; ++n) {
            const DrawnPoint& point = points_[unlabelled_[n]];
            const ChartSample& sample = chart_.samples[point.sample];
            rows.push_back({});
            if (named) {
                rows.back().push_back(point.label);
            }
            rows.back().push_back(point.symbol);
            rows.back().push_back(formatNumber(sample.at.x, {}, 4));
            rows.back().push_back(formatNumber(sample.at.y, {}, 4));
        }
        const std::size_t columns = rows.front().size();
        std::vector<double> widths(columns, 0);
        for (const auto& row : rows) {
            for (std::size_t c = 0; c < columns; ++c) {
                widths[c] = std::max(widths[c], textWidth(row[c], kTableSize, false) + 10);
            }
        }
        double blockWidth = 0;
        for (const double w : widths) {
            blockWidth += w;
        }
        constexpr double kBlockGap = 18;
        const double across = kChartWidth - 2 * kMargin;
        const std::size_t blocks = std::clamp<std::size_t>(
            static_cast<std::size_t>((across + kBlockGap) / (blockWidth + kBlockGap)), 1, listed);
        const std::size_t perBlock = (listed + blocks - 1) / blocks;
        const double rowHeight = textHeight(kTableSize) + 2;

        below_ += 10;
        const double titleSize = kLegendSize + 1;
        words({persian() ? kChartWidth - kMargin : kMargin, below_ + kTextAscent * titleSize},
              say(Word::UnlabelledSamples, language_), titleSize,
              persian() ? Anchor::Right : Anchor::Left, ScenePart::Table)
            .bold = true;
        below_ += textHeight(titleSize) + 4;
        const double top = below_;
        for (std::size_t block = 0; block < blocks; ++block) {
            const std::size_t first = block * perBlock;
            if (first >= listed) {
                break;
            }
            const double blockLeft =
                kMargin + static_cast<double>(block) * (blockWidth + kBlockGap);
            double y = top;
            const auto row = [&](const std::vector<std::string>& cells, bool heading) {
                double x = blockLeft;
                for (std::size_t c = 0; c < columns; ++c) {
                    const bool number = c + 2 >= columns; // LL and PI, set to their right
                    const double cellX = number ? x + widths[c] - 10 : x;
                    SceneText cell{
                        {persian() ? kChartWidth - cellX : cellX, y + kTextAscent * kTableSize},
                        cells[c],
                        kTableSize,
                        Anchor::Left};
                    cell.anchor = (number != persian()) ? Anchor::Right : Anchor::Left;
                    cell.colour = kInk;
                    cell.bold = heading;
                    cell.rightToLeft = heading ? persian() : startsRightToLeft(cells[c]);
                    cell.part = !heading && c == 0 ? ScenePart::TableEntry : ScenePart::Table;
                    items_.push_back(std::move(cell));
                    x += widths[c];
                }
                y += rowHeight;
            };
            row(rows.front(), true);
            for (std::size_t n = first; n < std::min(listed, first + perBlock); ++n) {
                row(rows[n + 1], false);
            }
            below_ = std::max(below_, y);
        }
        if (listed < unlabelled_.size()) {
            below_ += 4;
            words({persian() ? kChartWidth - kMargin : kMargin, below_ + kTextAscent * kTableSize},
                  std::to_string(unlabelled_.size() - listed) +
                      std::string(say(Word::MoreUnlabelled, language_)),
                  kTableSize, persian() ? Anchor::Right : Anchor::Left, ScenePart::Table);
            below_ += textHeight(kTableSize);
        }
    }

    const Chart& chart_;
    Language language_;
    ChartFrame frame_;
    CanvasBox frameBox_;
    CanvasSpace space_;
    std::vector<SceneItem> items_;
    std::vector<CanvasSegment> lineSegments_; // the chart's lines
    std::vector<CanvasSegment> zoneEdges_;    // inside the frame
    std::vector<CanvasBox> shaded_;           // grid squares of counted samples
    std::vector<DrawnPoint> points_;
    std::vector<std::size_t> unlabelled_; // in points_
    bool bandTaken_ = false;              // between the title and the frame
    double below_ = kChartHeight;         // the bottom of what is drawn under the chart
};

} // namespace

Scene chartScene(const Chart& chart, Language language) {
    return Layout(chart, language).scene();
}

} // namespace classifier
