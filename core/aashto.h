#pragma once

#include "comparison.h"
#include "inline_vector.h"
#include "language.h"
#include "number_format.h"
#include "samples.h"
#include "words.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace classifier {

// F200 ≤ 35: the sample is coarse-grained and meets the coarse rows, else the fine ones.
Comparison coarseTest(const AashtoSample& sample);
// GI < 0: the index is shown as 0, with the negative-index note.
Comparison negativeIndexTest(double groupIndex);

// One condition of a group row: a quantity of the sample, compared with a number or with PI.
struct Condition {
    Quantity quantity = Quantity::Fines;
    Relation relation = Relation::LessOrEqual;
    double bound = 0;
    Bound boundKind = Bound::Number;
};

// The general rating of a group as the subgrade of a road.
enum class SubgradeRating { ExcellentToGood, FairToPoor };

// The AASHTO groups.
enum class AashtoGroupName : std::uint8_t {
    A1a,
    A1b,
    A3,
    A24,
    A25,
    A26,
    A27,
    A4,
    A5,
    A6,
    A75,
    A76
};

// One row of the group table: the group, its material, and the conditions a sample must meet,
// all of them, tested in this order.
struct AashtoGroup {
    AashtoGroupName name;
    std::string_view compactLabel; // as the field writes it: "A-2-6"
    Word material;
    InlineVector<Condition, 5> conditions;
    bool zeroIndexGroup;  // the group index of this group is zero by definition
    bool writesZeroIndex; // the row writes "0" over the group index
    SubgradeRating rating;
};

// A group row tested on a sample: every condition as it came out.
struct AashtoRowTest {
    const AashtoGroup* group = nullptr;
    InlineVector<Comparison, 5> comparisons;

    bool passed() const;
    // The first condition that failed, or null when the row passed.
    const Comparison* firstFailure() const;
    std::size_t failures() const;
};

struct AashtoResult {
    AashtoSample sample;
    bool coarse = false;
    double groupIndex = 0; // as computed; a rounding residue near zero is taken as 0
    // Every row of the sample's branch (coarse or fine), in table order. A row that passes
    // overwrites what an earlier one wrote.
    InlineVector<AashtoRowTest, 7> rows;

    bool negativeIndex() const { return negativeIndexTest(groupIndex).holds; }
    // The group index as shown: 0 when negative or set by a row.
    double shownIndex() const;
    bool zeroIndexNote() const;
    // The group of the last row that passed, or null when no row takes the sample.
    const AashtoGroup* group() const;
    std::size_t passedRows() const;
    // The rows that failed the fewest conditions, for a sample that no row takes.
    std::vector<const AashtoRowTest*> closestRows() const;
};

// The rows of the coarse branch (F200 ≤ 35) and of the fine branch, in table order.
std::span<const AashtoGroup> coarseGroups();
std::span<const AashtoGroup> fineGroups();

// The group index formula, in its prescribed order of operations.
double groupIndex(const AashtoSample& sample);

// The classification of a sample that passed the input check. Nothing when the group index
// leaves the range of a double.
std::optional<AashtoResult> classifyAashto(const AashtoSample& sample);

std::string_view soilTypeText(const AashtoResult& result, Language language);
std::string_view materialText(const AashtoGroup& group, Language language);
std::string_view ratingText(SubgradeRating rating, Language language);
// The notes that go with the result, the zero-index note first.
std::vector<std::string_view> noteTexts(const AashtoResult& result, Language language);

// The decision path as text, a step a line: the group index with the sample's numbers, its
// sign, the branch, every row of the branch, then the group or the rows that came closest.
std::vector<std::string> explainAashto(const AashtoResult& result, Language language,
                                       const NumberFormat& format);

} // namespace classifier
