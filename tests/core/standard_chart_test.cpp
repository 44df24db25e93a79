// The charts under the standard's rules: the CL-ML band, and AASHTO zones without gaps.
#include "core/chart/chart.h"

#include <gtest/gtest.h>

#include <sstream>

namespace classifier {
namespace {

std::vector<double> offLineValues(double low, double high) {
    std::vector<double> values;
    for (double v = low + 0.137; v < high; v += 1.31) {
        values.push_back(v);
    }
    return values;
}

// "CL/OL" holds CL and OL.
bool zoneHolds(const std::optional<std::string>& zone, const std::string& letters) {
    if (!zone) {
        return false;
    }
    std::istringstream names(*zone);
    for (std::string name; std::getline(names, name, '/');) {
        if (name == letters) {
            return true;
        }
    }
    return false;
}

std::string letters(const UnifiedResult& result, ChartLayer layer) {
    if (layer == ChartLayer::FineSoil) {
        return result.symbol.compactText();
    }
    if (layer == ChartLayer::CoarseFines && result.symbol.siltyClay) {
        return "C-M";
    }
    return std::string(1, result.symbol.second);
}

TEST(StandardUnifiedChart, TheZoneUnderEverySampleHasItsLetters) {
    std::size_t checked = 0;
    for (double f : {8.0, 30.0, 75.0}) {
        for (double ll : offLineValues(0, 120)) {
            for (double pi : offLineValues(0, 70)) {
                const auto result = classifyUnified({f, 98, ll, pi, 2.0, 8.0}, Rules::Standard);
                const ChartSample point = unifiedChartSample(*result);
                ASSERT_TRUE(point.layer);
                const Chart chart = unifiedChart({point}, *point.layer, Rules::Standard);
                EXPECT_TRUE(zoneHolds(zoneAt(chart, *point.layer, point.at),
                                      letters(*result, *point.layer)))
                    << "F " << f << " LL " << ll << " PI " << pi;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 10000u);
}

TEST(StandardUnifiedChart, ShowsTheSiltyClayBandTheWindowsRulesDoNotHave) {
    const ChartPoint band{15, 5.5};
    EXPECT_EQ(
        zoneAt(unifiedChart({}, ChartLayer::FineSoil, Rules::Standard), ChartLayer::FineSoil, band),
        "CL-ML");
    EXPECT_EQ(zoneAt(unifiedChart({}), ChartLayer::FineSoil, band), "CL");
}

TEST(StandardAashtoChart, HasNoGapBetweenItsZones) {
    std::size_t checked = 0;
    for (double f : {30.0, 60.0}) {
        std::vector<double> lls = offLineValues(0, 120);
        std::vector<double> pis = offLineValues(0, 70);
        lls.insert(lls.end(), {40.5, 40.01});
        pis.insert(pis.end(), {10.5, 10.01});
        for (double ll : lls) {
            for (double pi : pis) {
                if (pi > ll) {
                    continue;
                }
                const auto result = classifyAashto({f, 60, 80, ll, pi}, Rules::Standard);
                const ChartSample point = aashtoChartSample(*result);
                ASSERT_TRUE(point.layer);
                const Chart chart = aashtoChart({point}, *point.layer, Rules::Standard);
                EXPECT_EQ(zoneAt(chart, *point.layer, point.at), result->group()->compactLabel)
                    << "F200 " << f << " LL " << ll << " PI " << pi;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 5000u);
}

TEST(StandardCharts, SayWhyANonPlasticSampleWithoutLLIsNotDrawn) {
    UnifiedSample silt{60, 100, 0, 0, {}, {}};
    silt.nonPlastic = true;
    silt.liquidLimitGiven = false;
    const ChartSample unified = unifiedChartSample(*classifyUnified(silt, Rules::Standard));
    EXPECT_FALSE(unified.layer);
    EXPECT_EQ(unifiedChart({unified}, ChartLayer::FineSoil, Rules::Standard).note,
              Word::NonPlasticNotDrawn);
    AashtoSample sand{8, 25, 40, 0, 0};
    sand.nonPlastic = true;
    sand.liquidLimitGiven = false;
    EXPECT_EQ(aashtoChart({aashtoChartSample(*classifyAashto(sand, Rules::Standard))}).note,
              Word::NonPlasticNotDrawn);
}

} // namespace
} // namespace classifier
