#include "aashto.h"

#include "aashto_parts.h"
#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

namespace classifier {
namespace {

// Residues of rounding below this magnitude are an index of exactly zero.
constexpr double kZeroIndexTolerance = 1e-9;

using Q = Quantity;

} // namespace

RowValues::RowValues(const AashtoSample& s) {
    const auto set = [this](Quantity q, double value) {
        values_[static_cast<std::size_t>(q)] = value;
    };
    set(Q::Fines, s.fines);
    set(Q::PassingNo40, s.passingNo40);
    set(Q::PassingNo10, s.passingNo10);
    set(Q::LiquidLimit, s.liquidLimit);
    set(Q::PlasticityIndex, s.plasticityIndex);
    set(Q::LiquidLimitLess30, s.liquidLimit - 30);
}

void testRow(AashtoRowTest& result, const AashtoGroup& group, const RowValues& values, Rules rules,
             Detail detail) {
    result.group = &group;
    for (const Condition& c : group.conditions) {
        const double bound =
            c.boundKind == Bound::PlasticityIndex ? values[Q::PlasticityIndex] : c.bound;
        // Only a side worked out from the sample (LL − 30) carries binary noise; the standard
        // rules take it as typed.
        const double value = rules == Rules::Standard && c.quantity == Q::LiquidLimitLess30
                                 ? asTyped(values[c.quantity], bound)
                                 : values[c.quantity];
        result.holds = result.holds && holds(value, c.relation, bound, 0);
        if (detail == Detail::Path) {
            result.comparisons.push_back(
                compare(c.quantity, value, c.relation, bound, c.boundKind));
        }
        // The window's path counts every failed condition, to name the rows that came closest;
        // otherwise a row ends at its first.
        if (!result.holds && (rules == Rules::Standard || detail == Detail::Answer)) {
            return;
        }
    }
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

bool AashtoResult::negativeIndex() const {
    return rules == Rules::Standard ? standardIndex < 0 : negativeIndexTest(groupIndex).holds;
}

double AashtoResult::shownIndex() const {
    if (rules == Rules::Standard) {
        return wholeGroupIndex(standardIndex);
    }
    const bool rowWritesZero = std::any_of(rows.begin(), rows.end(), [](const AashtoRowTest& r) {
        return r.group->writesZeroIndex && r.passed();
    });
    return negativeIndex() || rowWritesZero ? 0.0 : groupIndex;
}

bool AashtoResult::zeroIndexNote() const {
    if (rules == Rules::Standard) {
        return group() && group()->zeroIndexGroup;
    }
    return std::any_of(rows.begin(), rows.end(), [](const AashtoRowTest& r) {
        return r.group->zeroIndexGroup && r.passed();
    });
}

bool AashtoResult::nonPlasticNote() const {
    return rules == Rules::Standard && sample.nonPlastic && !zeroIndexNote();
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
    return compare(Quantity::Fines, sample.fines, Relation::LessOrEqual, 35);
}

Comparison negativeIndexTest(double groupIndex) {
    return compare(Quantity::GroupIndex, groupIndex, Relation::Less, 0);
}

double partialGroupIndex(const AashtoSample& s) {
    return 0.01 * (s.fines - 15) * (s.plasticityIndex - 10);
}

double wholeGroupIndex(double index) {
    if (!(index > 0)) {
        return 0.0;
    }
    if (index >= 1e6) {
        index = std::round(index * 1e9) / 1e9;
        return std::floor(index + 0.5);
    }
    // To the nearest nanounit first, so that a typed half stays a half, then halves up; in
    // whole numbers, without a library call, as every row of a sheet asks for it.
    const double scaled = index * 1e9;
    const auto whole = static_cast<std::int64_t>(scaled);
    const std::int64_t nanos = whole + (scaled - static_cast<double>(whole) >= 0.5 ? 1 : 0);
    return static_cast<double>((nanos + 500'000'000) / 1'000'000'000);
}

double groupIndex(const AashtoSample& s) {
    const double a = s.fines - 35;
    const double b = ((s.liquidLimit - 40) * 0.005 + 0.2) * a;
    const double c = (s.fines - 15) * 0.01;
    return (s.plasticityIndex - 10) * c + b;
}

std::optional<AashtoResult> classifyAashto(const AashtoSample& sample, Rules rules, Detail detail) {
    return rules == Rules::Standard ? classifyAashtoByStandard(sample, detail)
                                    : classifyAashtoByWindow(sample, detail);
}

std::optional<AashtoResult> classifyAashto(const AashtoSample& sample) {
    return classifyAashtoByWindow(sample, Detail::Path);
}

std::optional<AashtoResult> classifyAashtoByWindow(const AashtoSample& sample, Detail detail) {
    double index = groupIndex(sample);
    if (!std::isfinite(index)) {
        return std::nullopt;
    }
    if (std::fabs(index) < kZeroIndexTolerance) {
        index = 0.0;
    }
    // Built where it is returned: the row tests are most of a result.
    std::optional<AashtoResult> result = AashtoResult{sample, coarseTest(sample).holds, index, {}};
    result->detail = detail;
    const std::span<const AashtoGroup> rows = result->coarse ? coarseGroups() : fineGroups();
    const RowValues values(sample);
    for (const AashtoGroup& row : rows) {
        AashtoRowTest& test = result->rows.emplace_back();
        testRow(test, row, values, Rules::Window, detail);
        result->found = test.passed() ? test.group : result->found; // the last that passes
    }
    return result;
}

std::string_view soilTypeText(const AashtoResult& result, Language language) {
    return say(result.coarse ? Word::SoilTypeCoarse : Word::SoilTypeFine, language);
}

std::string_view materialText(const AashtoGroup& group, Language language) {
    return say(group.material, language);
}

std::string_view ratingText(SubgradeRating rating, Language language) {
    return say(rating == SubgradeRating::ExcellentToGood ? Word::ExcellentToGood : Word::FairToPoor,
               language);
}

std::string designation(const AashtoResult& result, const NumberFormat& format) {
    const AashtoGroup* group = result.group();
    if (!group) {
        return {};
    }
    return std::string(group->compactLabel) + " (" + formatNumber(result.shownIndex(), format) +
           ")";
}

std::vector<std::string_view> noteTexts(const AashtoResult& result, Language language) {
    std::vector<std::string_view> notes;
    if (result.zeroIndexNote()) {
        notes.push_back(say(Word::ZeroIndexNote, language));
    }
    if (result.nonPlasticNote()) {
        notes.push_back(say(Word::NonPlasticIndexNote, language));
    }
    if (result.negativeIndex()) {
        notes.push_back(say(Word::NegativeIndexNote, language));
    }
    return notes;
}

} // namespace classifier
