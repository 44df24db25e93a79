// The LL–PI chart of the AASHTO group rows, drawn from the rows themselves.
#include "core/chart/chart.h"
#include "core/chart/parts.h"

#include <algorithm>
#include <array>

namespace classifier {

using geometry::HalfPlane;

namespace {

// A quantity or bound as a·LL + b·PI + k.
struct Linear {
    double a, b, k;
};

std::optional<Linear> linear(Quantity quantity) {
    switch (quantity) {
    case Quantity::LiquidLimit:
        return Linear{1, 0, 0};
    case Quantity::PlasticityIndex:
        return Linear{0, 1, 0};
    case Quantity::LiquidLimitLess30:
        return Linear{1, 0, -30};
    default:
        return std::nullopt;
    }
}

// The condition as a closed half-plane of LL and PI; its strict form only moves its edge.
HalfPlane halfPlane(const Condition& c, const Linear& left) {
    const Linear right =
        c.boundKind == Bound::PlasticityIndex ? Linear{0, 1, 0} : Linear{0, 0, c.bound};
    Linear d{left.a - right.a, left.b - right.b, left.k - right.k}; // left − right
    if (c.relation == Relation::Greater || c.relation == Relation::GreaterOrEqual) {
        d = {-d.a, -d.b, -d.k};
    }
    return {d.a, d.b, -d.k};
}

// The zone of a row whose every condition, but those on F200, is on LL and PI.
std::optional<std::vector<HalfPlane>> zoneOf(const AashtoGroup& group) {
    std::vector<HalfPlane> halves;
    for (const Condition& c : group.conditions) {
        if (c.quantity == Quantity::Fines) {
            continue;
        }
        const std::optional<Linear> left = linear(c.quantity);
        if (!left) {
            return std::nullopt;
        }
        halves.push_back(halfPlane(c, *left));
    }
    return halves.empty() ? std::nullopt : std::optional(halves);
}

// A sample meets the F200 conditions of a layer's rows, or LL and PI do not decide its group.
bool meetsF200(const AashtoGroup& group, double f200) {
    for (const Condition& c : group.conditions) {
        if (c.quantity == Quantity::Fines &&
            !compare(c.quantity, f200, c.relation, c.bound).holds) {
            return false;
        }
    }
    return true;
}

constexpr std::array<std::uint32_t, 5> kFineColours = {0xFDEBD0, 0xF8C471, 0xD6EAF8, 0xAED6F1,
                                                       0x85C1E9};
constexpr std::array<std::uint32_t, 4> kA2Colours = {0xD5F5E3, 0xABEBC6, 0xD6EAF8, 0xAED6F1};

void addRows(Chart& chart, std::span<const AashtoGroup> rows, ChartLayer layer, ZoneStyle style,
             std::span<const std::uint32_t> colours) {
    std::size_t next = 0;
    for (const AashtoGroup& row : rows) {
        if (const auto halves = zoneOf(row)) {
            addZone(chart, std::string(row.compactLabel), layer, style,
                    colours[next++ % colours.size()], {*halves});
        }
    }
}

// The first row of each layer: the rows of a layer share their conditions on F200.
const AashtoGroup& firstA2Row() {
    for (const AashtoGroup& row : coarseGroups()) {
        if (zoneOf(row)) {
            return row;
        }
    }
    return coarseGroups().back();
}

// The standard's A-2 rows, the only granular rows that LL and PI decide.
std::span<const AashtoGroup> standardA2Rows() {
    const std::span<const AashtoGroup> rows = coarseGroups(Rules::Standard);
    const auto first = std::find_if(rows.begin(), rows.end(),
                                    [](const AashtoGroup& row) { return zoneOf(row).has_value(); });
    return {first, rows.end()};
}

} // namespace

ChartSample aashtoChartSample(const AashtoResult& result) {
    const AashtoGroup* group = result.group();
    ChartSample point{{result.sample.liquidLimit, result.sample.plasticityIndex},
                      std::string(group ? group->compactLabel : "\u2014"),
                      std::nullopt};
    point.symbol = point.label;
    if (!result.sample.liquidLimitGiven) {
        point.notDrawn = Word::NonPlasticNotDrawn;
        return point;
    }
    if (result.rules == Rules::Standard) {
        // Every sample has a group: a silt-clay one, an A-2 one, or one its sieves decide.
        const bool a2 = group && std::any_of(standardA2Rows().begin(), standardA2Rows().end(),
                                             [&](const AashtoGroup& row) { return &row == group; });
        point.layer = !result.coarse ? std::optional(ChartLayer::AashtoFine)
                      : a2           ? std::optional(ChartLayer::AashtoA2)
                                     : std::nullopt;
        return point;
    }
    const double f200 = result.sample.fines;
    if (!result.coarse && meetsF200(fineGroups().front(), f200)) {
        point.layer = ChartLayer::AashtoFine;
    } else if (result.coarse && meetsF200(firstA2Row(), f200)) {
        point.layer = ChartLayer::AashtoA2;
    }
    return point;
}

Chart aashtoChart(std::vector<ChartSample> samples, ChartLayer focus, Rules rules,
                  const SampleCounts* rest) {
    Chart chart = emptyChart(Word::AashtoChart, Word::NamedBySieves, std::move(samples), rest);
    const bool a2 = focus == ChartLayer::AashtoA2;
    addRows(chart, fineGroups(rules), ChartLayer::AashtoFine,
            a2 ? ZoneStyle::Outlined : ZoneStyle::Filled, kFineColours);
    addRows(chart, coarseGroups(rules), ChartLayer::AashtoA2,
            a2 ? ZoneStyle::Filled : ZoneStyle::Outlined, kA2Colours);
    // PI = LL − 30 from the corner of the A-7 groups: LL 41 and PI 11 by the window's rows, 40
    // and 10 by the standard's, which read "41 min" as above 40.
    const ChartPoint corner = rules == Rules::Standard ? ChartPoint{40, 10} : ChartPoint{41, 11};
    addLine(chart, corner, {geometry::kChartLimit * 2, geometry::kChartLimit * 2 - 30}, true,
            Word::A7DividingLine);
    addDensity(chart, rest);
    chart.gapStrips = rules == Rules::Window;
    return chart;
}

} // namespace classifier
