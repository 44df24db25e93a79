// The AASHTO method by the standard's rules (AASHTO M 145): the group table read from the left,
// the first group that fits, "40 max / 41 min" read as ≤ 40 / > 40, and the group index rounded
// to a whole number, partial for A-2-6 and A-2-7 and 0 where the standard sets it so.
#include "aashto.h"
#include "aashto_parts.h"
#include "number_text.h"
#include "path_text.h"

#include <array>
#include <cmath>

namespace classifier {
namespace {

using Q = Quantity;
using G = AashtoGroupName;
using W = Word;

constexpr Condition atMost(Q q, double bound) {
    return {q, Relation::LessOrEqual, bound, Bound::Number};
}
constexpr Condition above(Q q, double bound) {
    return {q, Relation::Greater, bound, Bound::Number};
}

// PI ≤ LL − 30 is A-7-5, a PI above it A-7-6.
constexpr Condition kA75 = {Q::LiquidLimitLess30, Relation::GreaterOrEqual, 0,
                            Bound::PlasticityIndex};
constexpr Condition kA76 = {Q::LiquidLimitLess30, Relation::Less, 0, Bound::PlasticityIndex};
// A-3 takes non-plastic sand only: "NP", or a PI of 0.
constexpr Condition kNonPlastic = atMost(Q::PlasticityIndex, 0);

constexpr bool kZeroIndex = true;
constexpr bool kPartialIndex = true;
constexpr auto kGood = SubgradeRating::ExcellentToGood;
constexpr auto kPoor = SubgradeRating::FairToPoor;

AashtoGroup row(G name, std::string_view label, W material, InlineVector<Condition, 5> conditions,
                bool zeroIndex, bool partial, SubgradeRating rating) {
    return {name, label, material, conditions, zeroIndex, false, rating, partial};
}

// Granular materials, 35 % or less passing No. 200.
const std::array<AashtoGroup, 7> kGranular = {
    row(G::A1a, "A-1-a", W::GranularMaterial,
        {atMost(Q::PassingNo10, 50), atMost(Q::PassingNo40, 30), atMost(Q::Fines, 15),
         atMost(Q::PlasticityIndex, 6)},
        kZeroIndex, !kPartialIndex, kGood),
    row(G::A1b, "A-1-b", W::GranularMaterial,
        {atMost(Q::PassingNo40, 50), atMost(Q::Fines, 25), atMost(Q::PlasticityIndex, 6)},
        kZeroIndex, !kPartialIndex, kGood),
    row(G::A3, "A-3", W::FineSand, {above(Q::PassingNo40, 50), atMost(Q::Fines, 10), kNonPlastic},
        kZeroIndex, !kPartialIndex, kGood),
    row(G::A24, "A-2-4", W::SiltyClayeyGranular,
        {atMost(Q::LiquidLimit, 40), atMost(Q::PlasticityIndex, 10)}, kZeroIndex, !kPartialIndex,
        kGood),
    row(G::A25, "A-2-5", W::SiltyClayeyGranular,
        {above(Q::LiquidLimit, 40), atMost(Q::PlasticityIndex, 10)}, kZeroIndex, !kPartialIndex,
        kGood),
    row(G::A26, "A-2-6", W::SiltyClayeyGranular,
        {atMost(Q::LiquidLimit, 40), above(Q::PlasticityIndex, 10)}, !kZeroIndex, kPartialIndex,
        kGood),
    row(G::A27, "A-2-7", W::SiltyClayeyGranular,
        {above(Q::LiquidLimit, 40), above(Q::PlasticityIndex, 10)}, !kZeroIndex, kPartialIndex,
        kGood),
};

// Silt-clay materials, more than 35 % passing No. 200.
const std::array<AashtoGroup, 5> kSiltClay = {
    row(G::A4, "A-4", W::SiltySoil, {atMost(Q::LiquidLimit, 40), atMost(Q::PlasticityIndex, 10)},
        !kZeroIndex, !kPartialIndex, kPoor),
    row(G::A5, "A-5", W::SiltySoil, {above(Q::LiquidLimit, 40), atMost(Q::PlasticityIndex, 10)},
        !kZeroIndex, !kPartialIndex, kPoor),
    row(G::A6, "A-6", W::ClayeySoil, {atMost(Q::LiquidLimit, 40), above(Q::PlasticityIndex, 10)},
        !kZeroIndex, !kPartialIndex, kPoor),
    row(G::A75, "A-7-5", W::ClayeySoil,
        {above(Q::LiquidLimit, 40), above(Q::PlasticityIndex, 10), kA75}, !kZeroIndex,
        !kPartialIndex, kPoor),
    row(G::A76, "A-7-6", W::ClayeySoil,
        {above(Q::LiquidLimit, 40), above(Q::PlasticityIndex, 10), kA76}, !kZeroIndex,
        !kPartialIndex, kPoor),
};

// GI = (F − 35)[0.2 + 0.005(LL − 40)] + 0.01(F − 15)(PI − 10), as the standard writes it.
double fullIndex(const AashtoSample& s) {
    return (s.fines - 35) * (0.2 + 0.005 * (s.liquidLimit - 40)) +
           0.01 * (s.fines - 15) * (s.plasticityIndex - 10);
}

std::string n(double value, const NumberFormat& format) {
    return formatNumber(value, format);
}

std::string fullFormula(std::string_view ll, std::string_view fines, std::string_view pi,
                        const NumberFormat& format) {
    const std::string f(fines);
    return "GI = (" + f + " \u2212 35) \u00D7 (" + n(0.2, format) + " + " + n(0.005, format) +
           " \u00D7 (" + std::string(ll) + " \u2212 40)) + " + n(0.01, format) + " \u00D7 (" + f +
           " \u2212 15) \u00D7 (" + std::string(pi) + " \u2212 10)";
}

std::string partialFormula(std::string_view fines, std::string_view pi,
                           const NumberFormat& format) {
    return "GI = " + n(0.01, format) + " \u00D7 (" + std::string(fines) + " \u2212 15) \u00D7 (" +
           std::string(pi) + " \u2212 10)";
}

// The index worked out with the sample's numbers, and the whole number it gives.
std::string workedIndex(const AashtoResult& result, Language language, const NumberFormat& format) {
    const AashtoSample& s = result.sample;
    const bool partial = result.group()->partialIndex;
    const std::string formula =
        partial ? partialFormula(n(s.fines, format), n(s.plasticityIndex, format), format)
                : fullFormula(n(s.liquidLimit, format), n(s.fines, format),
                              n(s.plasticityIndex, format), format);
    StepWriter writer(language, format);
    writer.symbols(formula + " = " + n(result.standardIndex, format));
    if (result.negativeIndex()) {
        return writer.verdict(Word::ShownAsZero).take();
    }
    return writer.words(Word::Comma)
        .words(Word::RoundedToWhole)
        .words(": ")
        .symbols(n(result.shownIndex(), format))
        .take();
}

std::string nonPlasticLine(const AashtoSample& s, Language language, const NumberFormat& format) {
    StepWriter writer(language, format);
    writer.words(Word::NonPlastic);
    if (!s.liquidLimitGiven) {
        writer.words(Word::Semicolon).words(Word::LiquidLimitNotGiven);
    }
    return writer.words(": ").symbols("PI = 0").take();
}

} // namespace

std::span<const AashtoGroup> standardCoarseGroups() {
    return kGranular;
}

std::span<const AashtoGroup> standardFineGroups() {
    return kSiltClay;
}

std::optional<AashtoResult> classifyAashtoByStandard(const AashtoSample& sample, Detail detail) {
    const double full = fullIndex(sample);
    if (!std::isfinite(full) || !std::isfinite(groupIndex(sample))) {
        return std::nullopt;
    }
    std::optional<AashtoResult> result =
        AashtoResult{sample, coarseTest(sample).holds, std::round(full * 1e9) / 1e9, {}};
    result->rules = Rules::Standard;
    result->detail = detail;
    const RowValues values(sample);
    for (const AashtoGroup& row :
         result->coarse ? kGranular : std::span<const AashtoGroup>(kSiltClay)) {
        AashtoRowTest& test = result->rows.emplace_back();
        testRow(test, row, values, Rules::Standard, detail);
        if (test.passed()) {
            result->found = test.group; // the first that fits
            break;
        }
    }
    const AashtoGroup* group = result->group();
    if (group && !group->zeroIndexGroup && !sample.nonPlastic) {
        result->standardIndex = group->partialIndex
                                    ? std::round(partialGroupIndex(sample) * 1e9) / 1e9
                                    : result->groupIndex;
    }
    return result;
}

std::string standardIndexLine(const AashtoResult& result, Language language,
                              const NumberFormat& format) {
    const AashtoGroup* group = result.group();
    StepWriter writer(language, format);
    if (!group) {
        return writer.take();
    }
    if (group->zeroIndexGroup) {
        return writer.symbols(group->compactLabel).verdict(Word::GroupIndexIsZero).take();
    }
    if (result.sample.nonPlastic) {
        return writer.words(Word::NonPlastic).verdict(Word::GroupIndexIsZero).take();
    }
    return workedIndex(result, language, format);
}

std::vector<std::string> explainAashtoByStandard(const AashtoResult& result, Language language,
                                                 const NumberFormat& format) {
    std::vector<std::string> lines;
    const AashtoSample& s = result.sample;
    if (s.nonPlastic) {
        lines.push_back(nonPlasticLine(s, language, format));
    }
    const Comparison coarse = coarseTest(s);
    lines.push_back(StepWriter(language, format)
                        .comparisons({&coarse, 1}, Word::Comma)
                        .verdict(coarse.holds ? Word::CoarseGrained : Word::FineGrained)
                        .take());
    for (const AashtoRowTest& row : result.rows) {
        std::string line = rowText(row, language, format);
        if (row.passed()) {
            line += say(Word::Semicolon, language);
            line += say(Word::FirstRowThatFits, language);
        }
        lines.push_back(std::move(line));
    }
    const AashtoGroup* group = result.group();
    if (!group) {
        return lines;
    }
    if (!group->zeroIndexGroup && !s.nonPlastic) {
        const std::string formula = group->partialIndex ? partialFormula("F200", "PI", format)
                                                        : fullFormula("LL", "F200", "PI", format);
        lines.push_back(StepWriter(language, format)
                            .words(group->partialIndex ? Word::PartialIndex : Word::GroupIndex)
                            .symbols(formula)
                            .take());
    }
    lines.push_back(standardIndexLine(result, language, format));
    lines.push_back(StepWriter(language, format)
                        .words(Word::Group)
                        .symbols(designation(result, format))
                        .words(Word::Semicolon)
                        .words(Word::RatingAsSubgrade)
                        .verdict(ratingText(group->rating, language))
                        .take());
    return lines;
}

} // namespace classifier
