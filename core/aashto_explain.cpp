// The AASHTO decision path in words.
#include "aashto.h"
#include "aashto_parts.h"
#include "number_text.h"
#include "path_text.h"

#include <utility>

namespace classifier {
namespace {

// The group index formula in the order in which it is worked out, with the given texts for LL,
// F200 and PI: "GI = ((LL − 40) × 0.005 + 0.2) × (F200 − 35) + (PI − 10) × (F200 − 15) × 0.01".
// Its constants are written in the same format as the sample's numbers.
std::string formula(std::string_view ll, std::string_view fines, std::string_view pi,
                    const NumberFormat& format) {
    const auto n = [&format](double value) { return formatNumber(value, format); };
    const std::string f(fines);
    return "GI = ((" + std::string(ll) + " \u2212 40) \u00D7 " + n(0.005) + " + " + n(0.2) +
           ") \u00D7 (" + f + " \u2212 35) + (" + std::string(pi) + " \u2212 10) \u00D7 (" + f +
           " \u2212 15) \u00D7 " + n(0.01);
}

std::string workedFormula(const AashtoResult& result, const NumberFormat& format) {
    const AashtoSample& s = result.sample;
    const auto n = [&format](double value) { return formatNumber(value, format); };
    return formula(n(s.liquidLimit), n(s.fines), n(s.plasticityIndex), format) + " = " +
           n(result.groupIndex);
}

// Only the failed conditions of each row: "A-1-b (PI = 8 > 6)".
void closestRows(StepWriter& writer, const AashtoResult& result) {
    bool first = true;
    for (const AashtoRowTest* row : result.closestRows()) {
        if (!std::exchange(first, false)) {
            writer.words(Word::Comma);
        }
        writer.symbols(row->group->compactLabel).words(" (");
        bool firstFailure = true;
        for (const Comparison& c : row->comparisons) {
            if (!c.holds) {
                if (!std::exchange(firstFailure, false)) {
                    writer.words(Word::Comma);
                }
                writer.symbols(comparisonText(c, writer.format()));
            }
        }
        writer.words(")");
    }
}

std::string conclusion(const AashtoResult& result, Language language, const NumberFormat& format) {
    StepWriter writer(language, format);
    const AashtoGroup* group = result.group();
    if (!group) {
        writer.words(Word::NoGroupRow).words(Word::Semicolon).words(Word::ClosestRows).words(": ");
        closestRows(writer, result);
        return writer.take();
    }
    writer.words(Word::Group).symbols(group->compactLabel);
    if (result.passedRows() > 1) {
        writer.words(Word::Comma).words(Word::LastRowPassed);
    }
    writer.words(Word::Semicolon)
        .words(Word::RatingAsSubgrade)
        .verdict(ratingText(group->rating, language));
    return writer.take();
}

// The sign test of the index, as the window shows it.
std::string signLine(const AashtoResult& result, Language language, const NumberFormat& format) {
    const Comparison negative = negativeIndexTest(result.groupIndex);
    return StepWriter(language, format)
        .comparisons({&negative, 1}, Word::Comma)
        .verdict(negative.holds ? Word::ShownAsZero : Word::ShownAsItIs)
        .take();
}

} // namespace

std::string rowText(const AashtoRowTest& row, Language language, const NumberFormat& format) {
    StepWriter writer(language, format);
    writer.symbols(row.group->compactLabel);
    if (const Comparison* failure = row.firstFailure()) {
        writer.verdict(Word::Failed).words(Word::Comma).comparisons({failure, 1}, Word::Comma);
        return writer.take();
    }
    writer.verdict(Word::Passed).words(Word::Comma);
    writer.comparisons({row.comparisons.begin(), row.comparisons.end()}, Word::Comma);
    if (row.group->writesZeroIndex) {
        writer.words(Word::Semicolon).words(Word::WritesZeroIndex);
    }
    return writer.take();
}

std::string groupLine(const AashtoResult& result, Language language, const NumberFormat& format) {
    const AashtoGroup* group = result.group();
    if (!group) {
        return conclusion(result, language, format);
    }
    for (const AashtoRowTest& row : result.rows) {
        if (row.group == group) {
            return rowText(row, language, format);
        }
    }
    return conclusion(result, language, format);
}

std::string indexLine(const AashtoResult& result, Language language, const NumberFormat& format) {
    if (result.rules == Rules::Standard) {
        return standardIndexLine(result, language, format);
    }
    // The worked formula, and what the window shows of it.
    StepWriter writer(language, format);
    writer.symbols(workedFormula(result, format));
    const double shown = result.shownIndex();
    if (shown != result.groupIndex) {
        writer.verdict(formatNumber(shown, format));
    }
    return writer.take();
}

std::vector<std::string> explainAashto(const AashtoResult& result, Language language,
                                       const NumberFormat& format) {
    if (result.rules == Rules::Standard) {
        return explainAashtoByStandard(result, language, format);
    }
    std::vector<std::string> lines;
    lines.push_back(StepWriter(language, format)
                        .words(Word::GroupIndex)
                        .symbols(formula("LL", "F200", "PI", format))
                        .take());
    lines.push_back(StepWriter(language, format).symbols(workedFormula(result, format)).take());
    lines.push_back(signLine(result, language, format));
    const Comparison coarse = coarseTest(result.sample);
    lines.push_back(StepWriter(language, format)
                        .comparisons({&coarse, 1}, Word::Comma)
                        .verdict(coarse.holds ? Word::CoarseGrained : Word::FineGrained)
                        .take());
    for (const AashtoRowTest& row : result.rows) {
        lines.push_back(rowText(row, language, format));
    }
    lines.push_back(conclusion(result, language, format));
    return lines;
}

} // namespace classifier
