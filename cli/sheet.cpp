#include "sheet.h"

#include "output.h"

#include "core/aashto.h"
#include "core/number_text.h"
#include "core/unified.h"

#include <algorithm>

namespace classifier::cli {
namespace {

constexpr std::size_t kMissing = static_cast<std::size_t>(-1);
constexpr std::string_view kStepSeparator = " | ";
const NumberFormat kDecimalPoint{".", ","};

// In a sheet delimited by ";" or tab, "," is the decimal point; "." still reads as one, as no
// digits are grouped with it.
const NumberFormat kDecimalComma{",", "\u00A0"};

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool sameName(std::string_view header, std::string_view name) {
    header = trimmed(header);
    return std::equal(header.begin(), header.end(), name.begin(), name.end(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
    });
}

std::string joined(const std::vector<std::string>& steps) {
    std::string text;
    for (const std::string& step : steps) {
        if (!text.empty()) {
            text += kStepSeparator;
        }
        text += step;
    }
    return text;
}

std::vector<std::string_view> withErrorColumns(std::vector<std::string_view> names, bool explain) {
    if (explain) {
        names.push_back("explanation");
    }
    names.push_back("error");
    return names;
}

constexpr std::array<InputColumn, 6> kUnifiedInputs = {{
    {"p200", Range::Percentage, false},
    {"p4", Range::Percentage, false},
    {"ll", Range::NotNegative, false},
    {"pi", Range::NotNegative, false},
    {"cc", Range::Any, true},
    {"cu", Range::Any, true},
}};

class UnifiedSheet : public SheetClassifier {
public:
    UnifiedSheet(Language language, bool explain)
        : SheetClassifier(kUnifiedInputs, withErrorColumns({"symbol", "group_name"}, explain),
                          language, explain) {}

private:
    enum Input { F200, P4, LL, PI, Cc, Cu };

    void classifyFields(Row row) override {
        std::array<Reading, 6> readings;
        for (std::size_t i = 0; i < readings.size(); ++i) {
            readings[i] = read(row, i);
            if (i < Cc && readings[i].problem != Problem::None) {
                errors_.add(inputs_[i].name, readings[i].problem);
            }
        }
        UnifiedSample sample;
        sample.fines = readings[F200].value.value_or(100);
        if (readings[F200].value && needsGradingTest(sample)) {
            for (const std::size_t i : {Cc, Cu}) {
                if (!readings[i].value) {
                    errors_.addNeeded(inputs_[i].name, readings[i].problem);
                }
            }
        }
        if (!errors_.empty()) {
            return;
        }
        sample = {*readings[F200].value, *readings[P4].value, *readings[LL].value,
                  *readings[PI].value,   readings[Cc].value,  readings[Cu].value};
        const std::optional<UnifiedResult> result = classifyUnified(sample);
        symbol_ = result->symbol.compactText();
        name_ = result->name(language_);
        texts_[0] = symbol_;
        texts_[1] = name_;
        if (explain_) {
            setExplanation(explainUnified(*result, language_, kDecimalPoint));
        }
        if (keepSamples_) {
            sample_ = unifiedChartSample(*result);
        }
    }

    std::string symbol_;
    std::string name_;
};

constexpr std::array<InputColumn, 5> kAashtoInputs = {{
    {"p200", Range::Percentage, false},
    {"p40", Range::Percentage, false},
    {"p10", Range::Percentage, false},
    {"ll", Range::Any, false},
    {"pi", Range::Any, false},
}};

class AashtoSheet : public SheetClassifier {
public:
    AashtoSheet(Language language, bool explain)
        : SheetClassifier(kAashtoInputs,
                          withErrorColumns({"group", "material", "soil_type", "group_index",
                                            "group_index_note", "subgrade_rating"},
                                           explain),
                          language, explain) {}

private:
    void classifyFields(Row row) override {
        std::array<double, 5> values{};
        for (std::size_t i = 0; i < values.size(); ++i) {
            const Reading reading = read(row, i);
            if (reading.problem != Problem::None) {
                errors_.add(inputs_[i].name, reading.problem);
            }
            values[i] = reading.value.value_or(0);
        }
        if (!errors_.empty()) {
            return;
        }
        const std::optional<AashtoResult> result =
            classifyAashto({values[0], values[1], values[2], values[3], values[4]});
        if (!result) {
            errors_.addGroupIndexOverflow();
            return;
        }
        if (const AashtoGroup* group = result->group()) {
            texts_[0] = group->compactLabel;
            texts_[1] = materialText(*group, language_);
            texts_[5] = ratingText(group->rating, language_);
        }
        texts_[2] = soilTypeText(*result, language_);
        index_ = formatNumber(result->shownIndex(), kDecimalPoint);
        texts_[3] = index_;
        texts_[4] = notes(*result);
        if (explain_) {
            setExplanation(explainAashto(*result, language_, kDecimalPoint));
        }
        if (keepSamples_) {
            sample_ = aashtoChartSample(*result);
        }
    }

    // The notes shown, joined; they depend only on which of the two notes show, so each of
    // the four cases is joined once.
    std::string_view notes(const AashtoResult& result) {
        std::optional<std::string>& joined =
            notes_[(result.zeroIndexNote() ? 2 : 0) + (result.negativeIndex() ? 1 : 0)];
        if (!joined) {
            joined.emplace();
            for (const std::string_view note : noteTexts(result, language_)) {
                *joined += joined->empty() ? "" : kStepSeparator;
                *joined += note;
            }
        }
        return *joined;
    }

    std::string index_;
    std::array<std::optional<std::string>, 4> notes_;
};

} // namespace

std::unique_ptr<SheetClassifier> SheetClassifier::create(Method method, Language language,
                                                         bool explain) {
    if (method == Method::Unified) {
        return std::make_unique<UnifiedSheet>(language, explain);
    }
    return std::make_unique<AashtoSheet>(language, explain);
}

SheetClassifier::SheetClassifier(std::span<const InputColumn> inputs,
                                 std::vector<std::string_view> names, Language language,
                                 bool explain)
    : language_(language), explain_(explain), format_(kDecimalPoint), errors_(language),
      inputs_(inputs), texts_(names.size()), names_(std::move(names)) {}

void SheetClassifier::readHeader(Row header) {
    width_ = header.size();
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        const InputColumn& input = inputs_[i];
        columns_[i] = kMissing;
        for (std::size_t field = 0; field < header.size(); ++field) {
            if (!sameName(header[field], input.name)) {
                continue;
            }
            if (columns_[i] != kMissing) {
                throw CommandError("the column \"" + std::string(input.name) +
                                   "\" appears twice in the header");
            }
            columns_[i] = field;
        }
        if (columns_[i] == kMissing && !input.optional) {
            throw CommandError("the header has no column \"" + std::string(input.name) + "\"");
        }
    }
}

void SheetClassifier::setDelimiter(char delimiter) {
    format_ = delimiter == ',' ? kDecimalPoint : kDecimalComma;
}

bool SheetClassifier::classify(Row row) {
    std::fill(texts_.begin(), texts_.end(), std::string_view());
    errors_.clear();
    sample_.reset();
    if (row.size() != width_) {
        errors_.addFieldCount(row.size(), width_);
    } else {
        classifyFields(row);
    }
    if (!errors_.empty()) {
        std::fill(texts_.begin(), texts_.end(), std::string_view());
        texts_.back() = errors_.text();
        return false;
    }
    return true;
}

Reading SheetClassifier::read(Row row, std::size_t input) const {
    const std::size_t column = columns_[input];
    if (column == kMissing) {
        return {std::nullopt, Problem::NoColumn};
    }
    return readField(row[column], format_, inputs_[input].range);
}

void SheetClassifier::setExplanation(const std::vector<std::string>& steps) {
    explanation_ = joined(steps);
    texts_[texts_.size() - 2] = explanation_;
}

} // namespace classifier::cli
