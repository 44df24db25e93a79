// Where the laid-out chart puts its texts: labels beside their points or on leader lines, none
// over another text, a point or the frame; every sample labelled or listed under the chart.
#include "core/chart/chart.h"
#include "core/chart/density.h"
#include "core/chart/scene.h"
#include "core/chart/svg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace classifier {
namespace {

// A sheet's LL and PI spread evenly (a low-discrepancy sequence, the same on every platform).
std::vector<ChartPoint> spread(std::size_t count, Range ll, Range pi) {
    std::vector<ChartPoint> points;
    for (std::size_t i = 1; i <= count; ++i) {
        const double u = std::fmod(static_cast<double>(i) * 0.6180339887498949, 1.0);
        const double v = std::fmod(static_cast<double>(i) * 0.7548776662466927, 1.0);
        const double x = std::round((ll.low + u * (ll.high - ll.low)) * 10) / 10;
        const double y = std::round((pi.low + v * (pi.high - pi.low)) * 10) / 10;
        points.push_back({x, std::min(y, x * 0.6)});
    }
    return points;
}

std::vector<ChartSample> unifiedSheet(const std::vector<ChartPoint>& points, bool ids) {
    std::vector<ChartSample> samples;
    for (std::size_t i = 0; i < points.size(); ++i) {
        samples.push_back(unifiedChartSample(
            *classifyUnified({70, 98, points[i].x, points[i].y, std::nullopt, std::nullopt})));
        if (ids) {
            samples.back().label = "S-" + std::to_string(i + 1);
        }
    }
    return samples;
}

std::vector<ChartSample> aashtoSheet(const std::vector<ChartPoint>& points) {
    std::vector<ChartSample> samples;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ChartPoint p{std::round(points[i].x), std::round(points[i].y)};
        samples.push_back(aashtoChartSample(*classifyAashto({60, 40, 60, p.x, p.y})));
        samples.back().label = "BH" + std::to_string(i / 3 + 1) + "-" + std::to_string(i % 3 + 1);
    }
    return samples;
}

// The checks below measure with their own plain geometry, not the layout's.
bool overlap(const CanvasBox& a, const CanvasBox& b) {
    return a.left < b.right - 1e-6 && b.left < a.right - 1e-6 && a.top < b.bottom - 1e-6 &&
           b.top < a.bottom - 1e-6;
}

bool within(const CanvasBox& outer, const CanvasBox& inner) {
    return inner.left >= outer.left - 1e-6 && inner.right <= outer.right + 1e-6 &&
           inner.top >= outer.top - 1e-6 && inner.bottom <= outer.bottom + 1e-6;
}

// Walks the segment in steps of a tenth of a unit looking for a point inside the box.
bool passesThrough(ChartPoint from, ChartPoint to, const CanvasBox& box) {
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const int steps = std::max(1, static_cast<int>(length * 10));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const ChartPoint p{from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
        if (p.x > box.left + 0.05 && p.x < box.right - 0.05 && p.y > box.top + 0.05 &&
            p.y < box.bottom - 0.05) {
            return true;
        }
    }
    return false;
}

bool segmentsCross(const SceneLine& a, const SceneLine& b) {
    const auto side = [](ChartPoint p, ChartPoint q, ChartPoint r) {
        return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
    };
    return side(a.from, a.to, b.from) * side(a.from, a.to, b.to) < 0 &&
           side(b.from, b.to, a.from) * side(b.from, b.to, a.to) < 0;
}

CanvasBox boxOf(const ScenePolygon& polygon) {
    CanvasBox box{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const ChartPoint& p : polygon.points) {
        box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x),
               std::max(box.bottom, p.y)};
    }
    return box;
}

CanvasBox frameBox() {
    const ChartFrame frame = chartFrame();
    return {frame.left, frame.top, frame.left + frame.width, frame.top + frame.height};
}

// The scene's parts, gathered by what they are for.
struct Parts {
    std::vector<const SceneText*> texts; // on the chart, not in its legend or table
    std::vector<const SceneText*> legendTexts, tableTexts, labels, tableEntries;
    std::vector<const SceneLine*> leaders, lines; // lines: the chart's own, not the grid's
    std::vector<const SceneCircle*> points;
    std::optional<CanvasBox> legend;

    explicit Parts(const Scene& scene) {
        for (const SceneItem& item : scene.items) {
            if (const auto* text = std::get_if<SceneText>(&item)) {
                switch (text->part) {
                case ScenePart::Legend:
                case ScenePart::LegendEntry:
                    legendTexts.push_back(text);
                    break;
                case ScenePart::Table:
                case ScenePart::TableEntry:
                    tableTexts.push_back(text);
                    if (text->part == ScenePart::TableEntry) {
                        tableEntries.push_back(text);
                    }
                    break;
                default:
                    texts.push_back(text);
                    if (text->part == ScenePart::SampleLabel) {
                        labels.push_back(text);
                    }
                }
            } else if (const auto* line = std::get_if<SceneLine>(&item)) {
                if (line->part == ScenePart::Leader) {
                    leaders.push_back(line);
                } else if (line->part == ScenePart::Plain && line->width > 1) {
                    lines.push_back(line);
                }
            } else if (const auto* circle = std::get_if<SceneCircle>(&item)) {
                points.push_back(circle);
            } else if (const auto* polygon = std::get_if<ScenePolygon>(&item);
                       polygon->part == ScenePart::Legend && !legend) {
                legend = boxOf(*polygon); // the legend's own box comes first
            }
        }
    }
};

CanvasBox pointBox(const SceneCircle& point) {
    return {point.centre.x - point.radius, point.centre.y - point.radius,
            point.centre.x + point.radius, point.centre.y + point.radius};
}

struct SheetCase {
    const char* name;
    std::function<Chart()> chart;
    Language language;
    std::size_t leastLabelled; // on the chart itself
};

void PrintTo(const SheetCase& sheet, std::ostream* out) {
    *out << sheet.name;
}

class SheetChart : public testing::TestWithParam<SheetCase> {};

TEST_P(SheetChart, EveryLabelHasRoomAndEverySampleIsLabelledOrListed) {
    const Chart chart = GetParam().chart();
    const Scene scene = chartScene(chart, GetParam().language);
    const Parts parts(scene);
    const CanvasBox canvas{0, 0, scene.width, scene.height}, frame = frameBox();

    // No text covers another, nor the legend, nor a point; all stay on the canvas.
    for (std::size_t i = 0; i < parts.texts.size(); ++i) {
        const CanvasBox box = textBox(*parts.texts[i]);
        EXPECT_TRUE(within(canvas, box)) << parts.texts[i]->text;
        for (std::size_t j = i + 1; j < parts.texts.size(); ++j) {
            EXPECT_FALSE(overlap(box, textBox(*parts.texts[j])))
                << parts.texts[i]->text << " over " << parts.texts[j]->text;
        }
        if (parts.legend) {
            EXPECT_FALSE(overlap(box, *parts.legend)) << parts.texts[i]->text << " over the legend";
        }
        const ScenePart part = parts.texts[i]->part;
        if (part == ScenePart::SampleLabel || part == ScenePart::LineLabel) {
            EXPECT_TRUE(within(frame, box)) << parts.texts[i]->text;
            for (const SceneCircle* point : parts.points) {
                EXPECT_FALSE(overlap(box, pointBox(*point))) << parts.texts[i]->text;
            }
        }
    }
    for (const SceneText* text : parts.legendTexts) {
        ASSERT_TRUE(parts.legend);
        EXPECT_TRUE(within(*parts.legend, textBox(*text))) << text->text;
    }
    for (const SceneText* text : parts.tableTexts) {
        EXPECT_TRUE(within({0, kChartHeight, scene.width, scene.height}, textBox(*text)))
            << text->text;
    }

    // The legend hides no point and no line of the chart.
    ASSERT_TRUE(parts.legend);
    for (const SceneCircle* point : parts.points) {
        EXPECT_FALSE(overlap(*parts.legend, pointBox(*point)));
    }
    for (const SceneLine* line : parts.lines) {
        EXPECT_FALSE(passesThrough(line->from, line->to, *parts.legend));
    }

    // A leader runs from a point's edge outwards to the edge of a label, through no other text,
    // crossing no other leader.
    for (const SceneLine* leader : parts.leaders) {
        EXPECT_TRUE(
            std::any_of(parts.points.begin(), parts.points.end(), [&](const SceneCircle* p) {
                const auto away = [&](ChartPoint q) {
                    return std::hypot(q.x - p->centre.x, q.y - p->centre.y);
                };
                return std::fabs(away(leader->from) - p->radius) < 1e-6 &&
                       away(leader->to) > p->radius;
            }));
        const auto labelled =
            std::count_if(parts.labels.begin(), parts.labels.end(), [&](const SceneText* label) {
                const CanvasBox box = textBox(*label);
                return within(box.grown(1e-6),
                              {leader->to.x, leader->to.y, leader->to.x, leader->to.y}) &&
                       !overlap(box.grown(-1e-3),
                                {leader->to.x, leader->to.y, leader->to.x, leader->to.y});
            });
        EXPECT_EQ(labelled, 1);
        for (const SceneText* text : parts.texts) {
            EXPECT_FALSE(passesThrough(leader->from, leader->to, textBox(*text))) << text->text;
        }
        for (const SceneLine* other : parts.leaders) {
            EXPECT_FALSE(other != leader && segmentsCross(*leader, *other));
        }
    }

    // Each drawn sample is labelled on the chart, listed under it or, past the first few hundred
    // of the list, counted under it; and counted in the legend.
    std::map<std::string, int> labels, symbols;
    for (const ChartSample& sample : chart.samples) {
        if (sample.layer) {
            ++labels[sample.label];
            ++symbols[sample.symbol];
        }
    }
    std::map<std::string, int> shown;
    for (const SceneText* text : parts.labels) {
        ++shown[text->text];
    }
    for (const SceneText* text : parts.tableEntries) {
        ++shown[text->text];
    }
    std::size_t more = 0;
    for (const SceneText* text : parts.tableTexts) {
        if (text->text.ends_with(say(Word::MoreUnlabelled, GetParam().language))) {
            more = std::stoul(text->text);
        }
    }
    if (more == 0) {
        EXPECT_EQ(shown, labels);
    }
    for (const auto& [label, count] : shown) {
        EXPECT_LE(count, labels[label]) << label;
    }
    EXPECT_LE(parts.tableEntries.size(), 240u);
    EXPECT_EQ(parts.points.size(), parts.labels.size() + parts.tableEntries.size() + more);
    EXPECT_GE(parts.labels.size(), GetParam().leastLabelled);
    std::map<std::string, int> counted;
    for (const SceneText* text : parts.legendTexts) {
        if (text->part == ScenePart::LegendEntry) {
            const std::size_t space = text->text.rfind(' ');
            counted[text->text.substr(0, space)] += std::stoi(text->text.substr(space + 1));
        }
    }
    EXPECT_EQ(counted, symbols);

    // The same sheet is laid out the same way every time.
    EXPECT_EQ(chartSvg(chart, GetParam().language), chartSvg(chart, GetParam().language));
}

Chart densityChart() {
    ChartSampleSet set;
    for (const ChartSample& sample : unifiedSheet(spread(5000, {15, 90}, {3, 50}), true)) {
        set.add(sample);
    }
    return unifiedChart(std::move(set.drawn()), ChartLayer::FineSoil, Rules::Window, &set.rest());
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, SheetChart,
    testing::Values(
        SheetCase{"Cluster",
                  [] {
                      return unifiedChart(unifiedSheet(spread(40, {25, 35}, {6, 16}), true));
                  },
                  Language::Persian, 15},
        SheetCase{"ClusterBySymbol",
                  [] {
                      return unifiedChart(unifiedSheet(spread(40, {25, 35}, {6, 16}), false));
                  },
                  Language::English, 15},
        SheetCase{"Hundreds",
                  [] {
                      return unifiedChart(unifiedSheet(spread(300, {12, 95}, {2, 55}), true));
                  },
                  Language::English, 50},
        SheetCase{"AashtoCluster",
                  [] {
                      return aashtoChart(aashtoSheet(spread(40, {30, 50}, {6, 20})));
                  },
                  Language::Persian, 15},
        SheetCase{"AashtoHundreds",
                  [] {
                      return aashtoChart(aashtoSheet(spread(300, {12, 95}, {2, 55})));
                  },
                  Language::English, 40},
        SheetCase{"AashtoA2",
                  [] {
                      return aashtoChart(aashtoSheet(spread(30, {10, 60}, {2, 30})),
                                         ChartLayer::AashtoA2);
                  },
                  Language::Persian, 12},
        SheetCase{
            "OneSpot",
            [] {
                return unifiedChart(unifiedSheet(std::vector<ChartPoint>(60, {31.5, 12}), true));
            },
            Language::English, 8},
        SheetCase{"CountedBeyondTheDrawn", densityChart, Language::Persian, 40}),
    [](const testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.name); });

std::string joined(const std::vector<const SceneText*>& texts, ScenePart part) {
    std::string all;
    for (const SceneText* text : texts) {
        if (text->part == part) {
            all += (all.empty() ? "" : " ") + text->text;
        }
    }
    return all;
}

// The AASHTO chart's legend says what its blank strips and its dividing line are, beside a
// swatch of each; the Unified chart has neither.
TEST(ChartLegend, ExplainsTheAashtoStripsAndDividingLine) {
    for (const Language language : {Language::Persian, Language::English}) {
        const std::string explained = std::string(say(Word::GapStripsNoGroup, language)) + " " +
                                      std::string(say(Word::A7LineOnOrBelow, language)) + " " +
                                      std::string(say(Word::A7LineAbove, language));
        const Scene aashto =
            chartScene(aashtoChart(aashtoSheet(spread(5, {20, 60}, {5, 30}))), language);
        EXPECT_EQ(joined(Parts(aashto).legendTexts, ScenePart::Legend), explained);
        std::size_t dashed = 0;
        for (const SceneItem& item : aashto.items) {
            const auto* line = std::get_if<SceneLine>(&item);
            dashed += line && line->part == ScenePart::Legend && line->dash == Dash::Dashed;
        }
        EXPECT_EQ(dashed, 1u);
        const Scene unified =
            chartScene(unifiedChart(unifiedSheet(spread(5, {20, 60}, {5, 30}), true)), language);
        EXPECT_EQ(joined(Parts(unified).legendTexts, ScenePart::Legend), "");
        // the standard's rows leave no strips between them
        const Scene standard = chartScene(
            aashtoChart(aashtoSheet(spread(5, {20, 60}, {5, 30})), ChartLayer::AashtoFine,
                        Rules::Standard),
            language);
        EXPECT_EQ(joined(Parts(standard).legendTexts, ScenePart::Legend),
                  std::string(say(Word::A7LineOnOrBelow, language)) + " " +
                      std::string(say(Word::A7LineAbove, language)));
    }
}

// A chart whose one sample LL and PI do not place says why where no line of it runs, and keeps
// its line labels inside the frame (the A-line's once reached above it).
TEST(ChartNote, CrossesNoLineAndTheLineLabelsStayInTheFrame) {
    const ChartSample graded = unifiedChartSample(*classifyUnified({3, 60, 30, 10, 2.0, 8.0}));
    const ChartSample sieved = aashtoChartSample(*classifyAashto({10, 60, 90, 0, 0}));
    for (const Language language : {Language::Persian, Language::English}) {
        for (const Chart& chart : {unifiedChart({graded}), aashtoChart({sieved})}) {
            const Scene scene = chartScene(chart, language);
            const Parts parts(scene);
            const auto note =
                std::find_if(parts.texts.begin(), parts.texts.end(),
                             [](const SceneText* t) { return t->part == ScenePart::Note; });
            ASSERT_NE(note, parts.texts.end());
            EXPECT_EQ((*note)->text, say(*chart.note, language));
            const CanvasBox box = textBox(**note);
            EXPECT_TRUE(within({0, 0, scene.width, scene.height}, box));
            for (const SceneItem& item : scene.items) {
                if (const auto* line = std::get_if<SceneLine>(&item)) {
                    EXPECT_FALSE(passesThrough(line->from, line->to, box));
                } else if (const auto* polygon = std::get_if<ScenePolygon>(&item)) {
                    for (std::size_t i = 0; i < polygon->points.size(); ++i) {
                        EXPECT_FALSE(
                            passesThrough(polygon->points[i],
                                          polygon->points[(i + 1) % polygon->points.size()], box));
                    }
                }
            }
            for (const SceneText* text : parts.texts) {
                EXPECT_FALSE(text != *note && overlap(box, textBox(*text))) << text->text;
                if (text->part == ScenePart::LineLabel) {
                    EXPECT_TRUE(within(frameBox(), textBox(*text))) << text->text;
                }
            }
        }
    }
}

// An id in Persian letters is written right to left, a Latin or numeric one left to right,
// whatever the chart's language.
TEST(ChartLabels, RunInTheDirectionOfTheirFirstLetter) {
    std::vector<ChartSample> samples = unifiedSheet(spread(4, {20, 60}, {5, 30}), true);
    samples[0].label = "\u0686\u0627\u0647 \u06F2"; // «چاه ۲»
    samples[1].label = "12-A";
    samples[2].label = "\u06F1\u06F2 \u0628"; // «۱۲ ب»
    const Scene scene = chartScene(unifiedChart(samples), Language::Persian);
    std::map<std::string, bool> rightToLeft;
    for (const SceneText* text : Parts(scene).labels) {
        rightToLeft[text->text] = text->rightToLeft;
    }
    EXPECT_EQ(
        rightToLeft,
        (std::map<std::string, bool>{
            {samples[0].label, true}, {"12-A", false}, {samples[2].label, true}, {"S-4", false}}));
}

} // namespace
} // namespace classifier
