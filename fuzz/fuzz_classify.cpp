// Both methods fed arbitrary texts in every field they read: the validator gives either a sample
// or errors on the method's own fields, a sample it passes always classifies, and every result
// has a name and a decision path in both languages.
#include "core/aashto.h"
#include "core/unified.h"
#include "core/validation.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
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

void fuzzUnified(const FieldTexts& texts, const NumberFormat& format) {
    const Checked<UnifiedSample> checked = classifier::checkUnified(texts, format);
    checkErrors(checked, unifiedFields());
    if (!checked.sample()) {
        return;
    }
    const auto result = classifyUnified(*checked.sample());
    check(result.has_value());
    for (const Language language : {Language::Persian, Language::English}) {
        check(!result->name(language).empty());
        check(explained(explainUnified(*result, language, format)));
    }
}

void fuzzAashto(const FieldTexts& texts, const NumberFormat& format) {
    const Checked<AashtoSample> checked = classifier::checkAashto(texts, format);
    checkErrors(checked, aashtoFields());
    if (!checked.sample()) {
        return;
    }
    const auto result = classifyAashto(*checked.sample());
    check(result.has_value());
    for (const Language language : {Language::Persian, Language::English}) {
        check(explained(explainAashto(*result, language, format)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    for (std::size_t start = 0; parts.size() < 11 && start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        parts.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    parts.resize(11);
    const NumberFormat format = size % 2 ? NumberFormat{",", "."} : NumberFormat{};
    FieldTexts unified;
    std::size_t next = 0;
    for (const FieldRule& rule : unifiedFields()) {
        unified.set(rule.field, parts[next++]);
    }
    FieldTexts aashto;
    for (const FieldRule& rule : aashtoFields()) {
        aashto.set(rule.field, parts[next++]);
    }
    fuzzUnified(unified, format);
    fuzzAashto(aashto, format);
    return 0;
}
