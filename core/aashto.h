#pragma once

#include "comparison.h"
#include "inline_vector.h"
#include "language.h"
#include "number_format.h"
#include "rules.h"
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
    bool partialIndex = false; // the standard's A-2-6 and A-2-7: 0.01 (F200 − 15)(PI − 10)
};

// A group row tested on a sample: its conditions as they came out (by the standard's rules, up
// to the first that failed).
struct AashtoRowTest {
    const AashtoGroup* group = nullptr;
    InlineVector<Comparison, 5> comparisons;
    bool holds = true; // every comparison holds

    bool passed() const { return holds; }
    // The first condition that failed, or null when the row passed.
    const Comparison* firstFailure() const;
    std::size_t failures() const;
};

struct AashtoResult {
    AashtoSample sample;
    bool coarse = false;
    double groupIndex = 0; // as computed; a rounding residue near zero is taken as 0
    // By the window's rules, every row of the sample's branch (coarse or fine), in table order: a
    // row that passes overwrites what an earlier one wrote. By the standard's, the rows from the
    // left up to the first that fits.
    InlineVector<AashtoRowTest, 7> rows;
    Rules rules = Rules::Window;
    Detail detail = Detail::Path; // with Answer, the rows keep whether they passed, not how
    // The standard's index before it is rounded: the full or the partial formula, or 0 for the
    // groups whose index is 0 and for a non-plastic soil.
    double standardIndex = 0;
    // The group the rows give, found once they are tested; see group().
    const AashtoGroup* found = nullptr;

    bool negativeIndex() const;
    // The group index as shown: by the window's rules 0 when negative or set by a row, by the
    // standard's the whole number.
    double shownIndex() const;
    bool zeroIndexNote() const;
    // The standard's note for a non-plastic soil of a group whose index is otherwise worked out.
    bool nonPlasticNote() const;
    // The group of the last row that passed (the window's rules) or of the first (the
    // standard's), or null when no row takes the sample.
    const AashtoGroup* group() const { return found; }
    std::size_t passedRows() const;
    // The rows that failed the fewest conditions, for a sample that no row takes.
    std::vector<const AashtoRowTest*> closestRows() const;
};

// The rows of the coarse branch (F200 ≤ 35) and of the fine branch, in table order.
std::span<const AashtoGroup> coarseGroups(Rules rules = Rules::Window);
std::span<const AashtoGroup> fineGroups(Rules rules = Rules::Window);

// The group index formula, in its prescribed order of operations.
double groupIndex(const AashtoSample& sample);
// The standard's partial index of A-2-6 and A-2-7: 0.01 (F200 − 15)(PI − 10).
double partialGroupIndex(const AashtoSample& sample);
// The standard's rounding: to the nearest whole number, halves up, and 0 for a negative index.
double wholeGroupIndex(double index);

// The classification of a sample that passed the input check, by the window's rules or the
// standard's. Nothing when the group index leaves the range of a double.
std::optional<AashtoResult> classifyAashto(const AashtoSample& sample);
std::optional<AashtoResult> classifyAashto(const AashtoSample& sample, Rules rules,
                                           Detail detail = Detail::Path);
std::optional<AashtoResult> classifyAashtoByWindow(const AashtoSample& sample, Detail detail);
std::optional<AashtoResult> classifyAashtoByStandard(const AashtoSample& sample,
                                                     Detail detail = Detail::Path);

// The group with its index, as a report writes it: "A-2-6 (1)", by the window's rules "A-5
// (0.045)"; empty when no row takes the sample.
std::string designation(const AashtoResult& result, const NumberFormat& format);

std::string_view soilTypeText(const AashtoResult& result, Language language);
std::string_view materialText(const AashtoGroup& group, Language language);
std::string_view ratingText(SubgradeRating rating, Language language);
// The notes that go with the result, the zero-index note first.
std::vector<std::string_view> noteTexts(const AashtoResult& result, Language language);

// The decision path as text, a step a line. By the window's rules: the group index with the
// sample's numbers, its sign, the branch, every row of the branch, then the group or the rows
// that came closest. By the standard's: the branch, the rows up to the first that fits, the
// index of that group, and the group with its index.
std::vector<std::string> explainAashto(const AashtoResult& result, Language language,
                                       const NumberFormat& format);
// The lines of the path that name the group (its row, or the rows that came closest) and that
// give the index shown.
std::string groupLine(const AashtoResult& result, Language language, const NumberFormat& format);
std::string indexLine(const AashtoResult& result, Language language, const NumberFormat& format);

} // namespace classifier
