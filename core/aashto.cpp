#include "aashto.h"

#include "input_check.h"
#include "messages.h"
#include "number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace classifier {
namespace {

const std::array<RangeRule, 3> kAashtoRanges = {{
    {"E3", 0.0, 100.0},
    {"e4", 0.0, 100.0},
    {"e5", 0.0, 100.0},
}};

constexpr std::string_view kCoarseText = "درشت دانه ";
constexpr std::string_view kFineText = "ريز دانه ";

// What the group boxes show before any sample has been named.
const std::string kNoMaterial(32, '-');
const std::string kNoGroup(23, '-');

// Residues of rounding below this magnitude are an index of exactly zero.
constexpr double kZeroIndexTolerance = 1e-9;

using Q = Quantity;

double valueOf(Quantity quantity, const AashtoSample& s) {
    switch (quantity) {
    case Q::F200:
        return s.f200;
    case Q::P40:
        return s.p40;
    case Q::P10:
        return s.p10;
    case Q::LiquidLimit:
        return s.liquidLimit;
    case Q::PlasticityIndex:
        return s.plasticityIndex;
    case Q::LiquidLimitLess30:
        return s.liquidLimit - 30;
    default:
        return 0;
    }
}

void test(AashtoRowTest& result, const AashtoGroup& group, const AashtoSample& s) {
    result.group = &group;
    for (const Condition& c : group.conditions) {
        const double bound = c.boundKind == Bound::PlasticityIndex ? s.plasticityIndex : c.bound;
        result.comparisons.push_back(
            compare(c.quantity, valueOf(c.quantity, s), c.relation, bound, c.boundKind));
    }
}

void applyRow(Controls& window, const AashtoGroup& row) {
    window.setText("Text9", row.material.window);
    window.setText("Text8", row.label);
    if (row.writesZeroIndex) {
        window.setText("Text11", "0");
    }
}

void apply(Controls& window, const AashtoResult& result) {
    window.setText("Text11", formatNumber(result.groupIndex, window.numberFormat()));
    if (result.negativeIndex()) {
        window.setText("Text11", "0");
    }
    window.setVisible("Label21", result.negativeIndex());
    window.setText("Text10", soilTypeText(result, Language::Persian));
    for (const AashtoRowTest& row : result.rows) {
        if (row.passed()) {
            applyRow(window, *row.group);
        }
    }
    if (!result.group()) {
        window.setText("Text9", kNoMaterial);
        window.setText("Text8", kNoGroup);
    }
    window.setVisible("Label20", result.zeroIndexNote());
}

} // namespace

bool AashtoRowTest::passed() const {
    return firstFailure() == nullptr;
}

const Comparison* AashtoRowTest::firstFailure() const {
    const auto failed = std::find_if(comparisons.begin(), comparisons.end(),
                                     [](const Comparison& c) { return !c.holds; });
    return failed == comparisons.end() ? nullptr : failed;
}

std::size_t AashtoRowTest::failures() const {
    return static_cast<std::size_t>(std::count_if(comparisons.begin(), comparisons.end(),
                                                  [](const Comparison& c) { return !c.holds; }));
}

double AashtoResult::shownIndex() const {
    const bool rowWritesZero = std::any_of(rows.begin(), rows.end(), [](const AashtoRowTest& r) {
        return r.group->writesZeroIndex && r.passed();
    });
    return negativeIndex() || rowWritesZero ? 0.0 : groupIndex;
}

bool AashtoResult::zeroIndexNote() const {
    return std::any_of(rows.begin(), rows.end(), [](const AashtoRowTest& r) {
        return r.group->zeroIndexGroup && r.passed();
    });
}

const AashtoGroup* AashtoResult::group() const {
    const AashtoGroup* last = nullptr;
    for (const AashtoRowTest& row : rows) {
        last = row.passed() ? row.group : last;
    }
    return last;
}

std::size_t AashtoResult::passedRows() const {
    return static_cast<std::size_t>(
        std::count_if(rows.begin(), rows.end(), [](const AashtoRowTest& r) { return r.passed(); }));
}

std::vector<const AashtoRowTest*> AashtoResult::closestRows() const {
    std::vector<const AashtoRowTest*> closest;
    for (const AashtoRowTest& row : rows) {
        if (!closest.empty() && row.failures() > closest.front()->failures()) {
            continue;
        }
        if (!closest.empty() && row.failures() < closest.front()->failures()) {
            closest.clear();
        }
        closest.push_back(&row);
    }
    return closest;
}

Comparison coarseTest(const AashtoSample& sample) {
    return compare(Quantity::F200, sample.f200, Relation::LessOrEqual, 35);
}

Comparison negativeIndexTest(double groupIndex) {
    return compare(Quantity::GroupIndex, groupIndex, Relation::Less, 0);
}

double groupIndex(const AashtoSample& s) {
    const double a = s.f200 - 35;
    const double b = ((s.liquidLimit - 40) * 0.005 + 0.2) * a;
    const double c = (s.f200 - 15) * 0.01;
    return (s.plasticityIndex - 10) * c + b;
}

std::optional<AashtoResult> classifyAashto(const AashtoSample& sample) {
    double index = groupIndex(sample);
    if (!std::isfinite(index)) {
        return std::nullopt;
    }
    if (std::fabs(index) < kZeroIndexTolerance) {
        index = 0.0;
    }
    // Built where it is returned: the row tests are most of a result.
    std::optional<AashtoResult> result = AashtoResult{sample, coarseTest(sample).holds, index, {}};
    const std::span<const AashtoGroup> rows = result->coarse ? coarseGroups() : fineGroups();
    for (const AashtoGroup& row : rows) {
        test(result->rows.emplace_back(), row, sample);
    }
    return result;
}

std::string_view soilTypeText(const AashtoResult& result, Language language) {
    if (language == Language::Persian) {
        return result.coarse ? kCoarseText : kFineText;
    }
    return result.coarse ? "Coarse-grained" : "Fine-grained";
}

std::string_view materialText(const AashtoGroup& group, Language language) {
    return language == Language::Persian ? group.material.window : group.material.english;
}

std::string_view ratingText(SubgradeRating rating, Language language) {
    constexpr Wording kExcellentToGood = {"عالی تا خوب", "excellent to good"};
    constexpr Wording kFairToPoor = {"متوسط تا ضعیف", "fair to poor"};
    return (rating == SubgradeRating::ExcellentToGood ? kExcellentToGood : kFairToPoor)
        .in(language);
}

std::vector<std::string_view> noteTexts(const AashtoResult& result, Language language) {
    const bool persian = language == Language::Persian;
    std::vector<std::string_view> notes;
    if (result.zeroIndexNote()) {
        notes.push_back(persian ? kZeroIndexNote : "The group index of this kind of soil is zero.");
    }
    if (result.negativeIndex()) {
        notes.push_back(persian ? kNegativeIndexNote
                                : "The group index came out negative and is taken as zero.");
    }
    return notes;
}

void aashtoClassify(Controls& window) {
    const std::optional<std::vector<double>> sieves = checkedInputs(window, kAashtoRanges);
    if (!sieves) {
        warn(window, kRangeMessage);
        return;
    }
    const std::optional<double> liquidLimit = readNumber(window, "e6");
    const std::optional<double> plasticityIndex = readNumber(window, "e7");
    if (!liquidLimit || !plasticityIndex) {
        warn(window, kNumberMessage);
        return;
    }
    const std::vector<double>& v = *sieves;
    const std::optional<AashtoResult> result =
        classifyAashto({v[0], v[1], v[2], *liquidLimit, *plasticityIndex});
    if (!result) {
        warn(window, kNumberMessage);
        return;
    }
    apply(window, *result);
    window.resultWritten(*result);
}

} // namespace classifier
