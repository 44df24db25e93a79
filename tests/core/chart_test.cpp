#include "core/chart/chart.h"
#include "core/chart/density.h"
#include "core/chart/svg.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <numeric>
#include <regex>
#include <sstream>
#include <string>

namespace classifier {
namespace {

// LL and PI off every line of both charts, so that each point lies inside one zone.
std::vector<double> offLineValues(double low, double high) {
    std::vector<double> values;
    for (double v = low + 0.137; v < high; v += 1.31) {
        values.push_back(v);
    }
    return values;
}

std::string unifiedLetters(const UnifiedResult& result, ChartLayer layer) {
    return layer == ChartLayer::FineSoil ? result.symbol.compactText()
                                         : std::string(1, result.symbol.second);
}

TEST(UnifiedChart, TheZoneUnderEverySampleHasItsLetters) {
    std::size_t checked = 0;
    for (double f : {8.0, 30.0, 75.0}) {
        for (double ll : offLineValues(0, 120)) {
            for (double pi : offLineValues(0, 70)) {
                const UnifiedSample sample{f, 98, ll, pi, 2.0, 8.0};
                const auto result = classifyUnified(sample);
                const ChartSample point = unifiedChartSample(*result);
                ASSERT_TRUE(point.layer);
                const Chart chart = unifiedChart({point}, *point.layer);
                EXPECT_EQ(zoneAt(chart, *point.layer, point.at),
                          unifiedLetters(*result, *point.layer))
                    << "F " << f << " LL " << ll << " PI " << pi;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 10000u);
}

TEST(AashtoChart, TheZoneUnderEverySampleIsItsGroup) {
    std::size_t checked = 0;
    for (double f : {30.0, 60.0}) {
        for (double ll : offLineValues(-20, 120)) {
            for (double pi : offLineValues(-20, 70)) {
                const auto result = classifyAashto({f, 40, 60, ll, pi});
                const ChartSample point = aashtoChartSample(*result);
                ASSERT_TRUE(point.layer);
                const Chart chart = aashtoChart({point}, *point.layer);
                const AashtoGroup* group = result->group();
                EXPECT_EQ(zoneAt(chart, *point.layer, point.at),
                          group ? std::optional(group->compactLabel) : std::nullopt)
                    << "F200 " << f << " LL " << ll << " PI " << pi;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 10000u);
}

TEST(Charts, ASampleLLAndPIDoNotNameIsNotDrawnButExplained) {
    const UnifiedSample graded{3, 60, 30, 10, 2.0, 8.0};
    const ChartSample unified = unifiedChartSample(*classifyUnified(graded));
    EXPECT_FALSE(unified.layer);
    EXPECT_TRUE(unifiedChart({unified}).note);
    for (const AashtoSample& sieved : {AashtoSample{10, 60, 90, 0, 0}, {35.5, 40, 60, 30, 4}}) {
        const ChartSample aashto = aashtoChartSample(*classifyAashto(sieved));
        EXPECT_FALSE(aashto.layer);
        EXPECT_TRUE(aashtoChart({aashto}).note);
    }
    EXPECT_FALSE(aashtoChart({}).note);
}

TEST(Charts, AxesWidenToTakeEverySample) {
    const UnifiedSample far{60, 98, 152, 90, {}, {}};
    const Chart chart = unifiedChart({unifiedChartSample(*classifyUnified(far))});
    EXPECT_GE(chart.x.high, 152);
    EXPECT_GE(chart.y.high, 90);
    EXPECT_EQ(chart.x.low, 0);
    const Chart negative = aashtoChart({aashtoChartSample(*classifyAashto({60, 40, 60, -15, -5}))});
    EXPECT_LE(negative.x.low, -15);
    EXPECT_LE(negative.y.low, -5);
    const Chart huge = aashtoChart({aashtoChartSample(*classifyAashto({60, 40, 60, 1e9, 5}))});
    EXPECT_LE(huge.x.high, 1000);
}

TEST(ChartSvg, DrawsEachSampleWithItsLabelAndThePersianTitleRightToLeft) {
    std::vector<ChartSample> samples;
    for (const AashtoSample& s : {AashtoSample{36, 30, 10, 51, 9}, {60, 40, 60, 50, 21}}) {
        samples.push_back(aashtoChartSample(*classifyAashto(s)));
    }
    const std::string svg = chartSvg(aashtoChart(samples), Language::Persian);
    std::size_t circles = 0;
    for (auto at = svg.find("<circle"); at != std::string::npos; at = svg.find("<circle", at + 1)) {
        ++circles;
    }
    EXPECT_EQ(circles, 2u);
    EXPECT_NE(svg.find(">A-5</text>"), std::string::npos);
    EXPECT_NE(svg.find(">A-7-6</text>"), std::string::npos);
    EXPECT_NE(svg.find("direction=\"rtl\""), std::string::npos);
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
}

bool isNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

// A desktop that writes "640,00" must still get a file every SVG reader takes.
TEST(ChartSvg, NumbersReadBackUnderACommaLocale) {
    setenv("LOCPATH", TEST_LOCALE_DIR, 1);
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8"));
    const std::string svg = chartSvg(
        unifiedChart({unifiedChartSample(*classifyUnified({60, 98, 45.5, 20.25, {}, {}}))}),
        Language::Persian);
    std::setlocale(LC_ALL, "C");
    EXPECT_NE(svg.find("viewBox=\"0 0 640.00 480.00\""), std::string::npos);
    const std::regex attribute(
        R"re(\b(x|y|x1|y1|x2|y2|cx|cy|r|width|height|font-size|stroke-width)="([^"]*)")re");
    std::size_t numbers = 0;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), attribute);
         it != std::sregex_iterator(); ++it, ++numbers) {
        EXPECT_TRUE(isNumber((*it)[2].str())) << (*it)[0];
    }
    const std::regex points(R"re(points="([^"]*)")re");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), points);
         it != std::sregex_iterator(); ++it) {
        std::istringstream pairs((*it)[1].str());
        for (std::string pair; pairs >> pair; ++numbers) {
            const auto comma = pair.find(',');
            EXPECT_TRUE(isNumber(pair.substr(0, comma)) && isNumber(pair.substr(comma + 1)))
                << pair;
        }
    }
    EXPECT_GT(numbers, 100u);
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

// Past the samples drawn one by one, the rest are counted on the chart's grid: every one in the
// square it falls in, the axes wide enough for them, the legend saying so.
TEST(ChartSampleSet, DrawsTheFirstSamplesAndCountsTheRestOnTheGrid) {
    ChartSampleSet set;
    const std::size_t total = ChartSampleSet::kDrawn + 7001;
    for (std::size_t i = 0; i < total; ++i) {
        const double ll = i + 1 == total ? 412.5 : 20 + static_cast<double>(i % 50);
        set.add(unifiedChartSample(*classifyUnified({60, 90, ll, ll / 4, {}, {}})));
    }
    set.add(unifiedChartSample(*classifyUnified({3, 60, 30, 10, 2.0, 8.0}))); // not on the chart
    EXPECT_EQ(set.drawn().size(), ChartSampleSet::kDrawn);
    const Chart chart =
        unifiedChart(std::move(set.drawn()), ChartLayer::FineSoil, Rules::Window, &set.rest());
    ASSERT_TRUE(chart.density);
    EXPECT_EQ(chart.density->count, 7001u);
    EXPECT_EQ(std::accumulate(chart.density->squares.begin(), chart.density->squares.end(),
                              std::uint64_t(0)),
              7001u);
    EXPECT_GE(chart.x.high, 412.5);
    // The far sample is alone in its grid square.
    const auto column = static_cast<std::size_t>((412.5 - chart.x.low) / chart.x.step);
    const auto row = static_cast<std::size_t>((412.5 / 4 - chart.y.low) / chart.y.step);
    EXPECT_EQ(chart.density->squares[row * chart.density->columns + column], 1u);
    const std::string svg = chartSvg(chart, Language::English);
    EXPECT_EQ(count(svg, "<circle"), ChartSampleSet::kDrawn);
    EXPECT_GT(count(svg, "fill-opacity="), 1u);
    EXPECT_NE(svg.find(std::to_string(ChartSampleSet::kDrawn) + " samples drawn; 7001 more shaded"),
              std::string::npos);
}

} // namespace
} // namespace classifier
