// The AASHTO decision path in words.
#include "aashto.h"
#include "number_text.h"
#include "path_text.h"
#include "soil_words.h"

#include <utility>

namespace classifier {
namespace {

constexpr Wording kGroupIndex = {"نشانه گروه ", "group index "};
constexpr Wording kShownAsZero = {"منفی است و صفر نشان داده می\u200Cشود", "negative, shown as 0"};
constexpr Wording kShownAsItIs = {"همان\u200Cطور که هست نشان داده می\u200Cشود", "shown as it is"};
constexpr Wording kPassed = {"قبول", "passed"};
constexpr Wording kFailed = {"رد", "failed"};
constexpr Wording kWritesZero = {"نشانه گروه صفر نوشته می\u200Cشود",
                                 "the group index is written as 0"};
constexpr Wording kGroup = {"گروه ", "group "};
constexpr Wording kLastPassed = {"آخرین ردیف قبول\u200Cشده", "the last row that passed"};
constexpr Wording kRating = {"ارزیابی به\u200Cعنوان بستر راه", "rating as subgrade"};
constexpr Wording kNoGroup = {"هیچ ردیفی این نمونه را نمی\u200Cپذیرد",
                              "no group row takes this sample"};
constexpr Wording kClosest = {"نزدیک\u200Cترین ردیف\u200Cها", "closest rows"};

// The group index formula in the order in which it is worked out, then with the sample's
// numbers put in: "GI = ((51 − 40) × 0.005 + 0.2) × (36 − 35) + ... = 0.045".
constexpr std::string_view kFormula =
    "GI = ((LL \u2212 40) \u00D7 0.005 + 0.2) \u00D7 (F200 \u2212 "
    "35) + (PI \u2212 10) \u00D7 (F200 \u2212 15) \u00D7 0.01";

std::string workedFormula(const AashtoResult& result, const NumberFormat& format) {
    const AashtoSample& s = result.sample;
    const auto n = [&format](double value) { return formatNumber(value, format); };
    return "GI = ((" + n(s.liquidLimit) + " \u2212 40) \u00D7 0.005 + 0.2) \u00D7 (" + n(s.f200) +
           " \u2212 35) + (" + n(s.plasticityIndex) + " \u2212 10) \u00D7 (" + n(s.f200) +
           " \u2212 15) \u00D7 0.01 = " + n(result.groupIndex);
}

std::string rowText(const AashtoRowTest& row, Language language, const NumberFormat& format) {
    StepWriter writer(language, format);
    writer.symbols(row.group->compactLabel);
    if (const Comparison* failure = row.firstFailure()) {
        writer.verdict(kFailed).words(kComma).comparisons({failure, 1}, kComma);
        return writer.take();
    }
    writer.verdict(kPassed).words(kComma);
    writer.comparisons({row.comparisons.begin(), row.comparisons.end()}, kComma);
    if (row.group->writesZeroIndex) {
        writer.words(kSemicolon).words(kWritesZero);
    }
    return writer.take();
}

// Only the failed conditions of each row: "A-1-b (PI = 8 > 6)".
void closestRows(StepWriter& writer, const AashtoResult& result) {
    bool first = true;
    for (const AashtoRowTest* row : result.closestRows()) {
        if (!std::exchange(first, false)) {
            writer.words(kComma);
        }
        writer.symbols(row->group->compactLabel).words(" (");
        bool firstFailure = true;
        for (const Comparison& c : row->comparisons) {
            if (!c.holds) {
                if (!std::exchange(firstFailure, false)) {
                    writer.words(kComma);
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
        writer.words(kNoGroup).words(kSemicolon).words(kClosest).words(": ");
        closestRows(writer, result);
        return writer.take();
    }
    writer.words(kGroup).symbols(group->compactLabel);
    if (result.passedRows() > 1) {
        writer.words(kComma).words(kLastPassed);
    }
    writer.words(kSemicolon).words(kRating).verdict(ratingText(group->rating, language));
    return writer.take();
}

} // namespace

std::vector<std::string> explainAashto(const AashtoResult& result, Language language,
                                       const NumberFormat& format) {
    std::vector<std::string> lines;
    lines.push_back(StepWriter(language, format).words(kGroupIndex).symbols(kFormula).take());
    lines.push_back(StepWriter(language, format).symbols(workedFormula(result, format)).take());
    const Comparison negative = negativeIndexTest(result.groupIndex);
    lines.push_back(StepWriter(language, format)
                        .comparisons({&negative, 1}, kComma)
                        .verdict(negative.holds ? kShownAsZero : kShownAsItIs)
                        .take());
    const Comparison coarse = coarseTest(result.sample);
    lines.push_back(StepWriter(language, format)
                        .comparisons({&coarse, 1}, kComma)
                        .verdict(coarse.holds ? words::kCoarseGrained : words::kFineGrained)
                        .take());
    for (const AashtoRowTest& row : result.rows) {
        lines.push_back(rowText(row, language, format));
    }
    lines.push_back(conclusion(result, language, format));
    return lines;
}

} // namespace classifier
