// Both methods fed arbitrary texts in every field they read, by both rule sets: the validator
// gives either a sample or errors on the method's own fields, a sample it passes always
// classifies, every result has a name and a decision path in both languages, and the two rule
// sets' results can be compared and told apart without fault.
#include "core/aashto.h"
#include "core/chart/chart.h"
#include "core/other_rules.h"
#include "core/unified.h"
#include "core/validation.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace classifier;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool explained(const std::vector<std::string>& path) {
    return !path.empty() && std::none_of(path.begin(), path.end(),
                                         [](const std::string& line) { return line.empty(); });
}

template <class Sample>
void checkErrors(const Checked<Sample>& checked, std::span<const FieldRule> fields) {
    check((checked.sample() == nullptr) == !checked.errors().empty());
    for (const FieldError& error : checked.errors()) {
        check(std::any_of(fields.begin(), fields.end(),
                          [&](const FieldRule& rule) { return rule.field == error.field; }));
    }
}

std::optional<UnifiedResult> unified(const FieldReadings& fields, Rules rules,
                                     const NumberFormat& format) {
    const Checked<UnifiedSample> checked = checkUnified(fields, rules);
    checkErrors(checked, unifiedFields(rules));
    if (!checked.sample()) {
        return std::nullopt;
    }
    const auto result = classifyUnified(*checked.sample(), rules);
    check(result.has_value() && result->rules == rules);
    check(classifyUnified(*checked.sample(), rules, Detail::Answer)->nameKey() ==
          result->nameKey());
    for (const Language language : {Language::Persian, Language::English}) {
        check(!result->name(language).empty());
        check(explained(explainUnified(*result, language, format)));
    }
    const ChartSample sample = unifiedChartSample(*result);
    unifiedChart({sample}, sample.layer.value_or(ChartLayer::FineSoil), rules);
    return result;
}

std::optional<AashtoResult> aashto(const FieldReadings& fields, Rules rules,
                                   const NumberFormat& format) {
    const Checked<AashtoSample> checked = checkAashto(fields, rules);
    checkErrors(checked, aashtoFields(rules));
    if (!checked.sample()) {
        return std::nullopt;
    }
    const auto result = classifyAashto(*checked.sample(), rules);
    check(result.has_value() && result->rules == rules);
    // The standard's table leaves no sample without a group.
    check(rules == Rules::Window || result->group() != nullptr);
    for (const Language language : {Language::Persian, Language::English}) {
        check(explained(explainAashto(*result, language, format)));
    }
    const ChartSample sample = aashtoChartSample(*result);
    aashtoChart({sample}, sample.layer.value_or(ChartLayer::AashtoFine), rules);
    return result;
}

template <class Result>
void compareRuleSets(const std::optional<Result>& window, const std::optional<Result>& standard,
                     const NumberFormat& format) {
    if (!window || !standard) {
        return;
    }
    for (const Language language : {Language::Persian, Language::English}) {
        const auto why = whyOtherwise(*window, *standard, language, format);
        check(why.has_value() != sameAnswer(*window, *standard));
        check(!why || !why->empty());
        whyOtherwise(*standard, *window, language, format);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::span<const FieldRule> unifiedRules = unifiedFields(Rules::Standard);
    const std::span<const FieldRule> aashtoRules = aashtoFields(Rules::Standard);
    const std::size_t fieldCount = unifiedRules.size() + aashtoRules.size();
    std::vector<std::string> parts;
    for (std::size_t start = 0; parts.size() < fieldCount && start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        parts.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    parts.resize(fieldCount);
    const NumberFormat format = size % 2 ? NumberFormat{",", "."} : NumberFormat{};
    // An empty part is a field the input lacks, now and then.
    const bool missing = size % 3 == 0;
    FieldTexts unifiedTexts;
    std::size_t next = 0;
    for (const FieldRule& rule : unifiedRules) {
        if (!missing || !parts[next].empty()) {
            unifiedTexts.set(rule.field, parts[next]);
        }
        ++next;
    }
    FieldTexts aashtoTexts;
    for (const FieldRule& rule : aashtoRules) {
        if (!missing || !parts[next].empty()) {
            aashtoTexts.set(rule.field, parts[next]);
        }
        ++next;
    }
    const FieldReadings unifiedFieldsRead = readUnified(unifiedTexts, format);
    compareRuleSets(unified(unifiedFieldsRead, Rules::Window, format),
                    unified(unifiedFieldsRead, Rules::Standard, format), format);
    const FieldReadings aashtoFieldsRead = readAashto(aashtoTexts, format);
    compareRuleSets(aashto(aashtoFieldsRead, Rules::Window, format),
                    aashto(aashtoFieldsRead, Rules::Standard, format), format);
    return 0;
}
