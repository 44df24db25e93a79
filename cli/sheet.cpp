#include "sheet.h"

#include "output.h"

#include "core/aashto.h"
#include "core/number_text.h"
#include "core/unified.h"
#include "core/validation.h"

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

class UnifiedSheet : public SheetClassifier {
public:
    UnifiedSheet(Language language, bool explain)
        : SheetClassifier(unifiedFields(), withErrorColumns({"symbol", "group_name"}, explain),
                          language, explain) {}

private:
    void classifyFields(Row row) override {
        const Checked<UnifiedSample> checked = checkUnified(fieldTexts(row), format_);
        if (!checked.sample()) {
            errors_.add(checked.errors());
            return;
        }
        const std::optional<UnifiedResult> result = classifyUnified(*checked.sample());
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

class AashtoSheet : public SheetClassifier {
public:
    AashtoSheet(Language language, bool explain)
        : SheetClassifier(aashtoFields(),
                          withErrorColumns({"group", "material", "soil_type", "group_index",
                                            "group_index_note", "subgrade_rating"},
                                           explain),
                          language, explain) {}

private:
    void classifyFields(Row row) override {
        const Checked<AashtoSample> checked = checkAashto(fieldTexts(row), format_);
        if (!checked.sample()) {
            errors_.add(checked.errors());
            return;
        }
        const std::optional<AashtoResult> result = classifyAashto(*checked.sample());
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

SheetClassifier::SheetClassifier(std::span<const FieldRule> fields,
                                 std::vector<std::string_view> names, Language language,
                                 bool explain)
    : language_(language), explain_(explain), format_(kDecimalPoint), errors_(language),
      texts_(names.size()), names_(std::move(names)), fields_(fields) {}

void SheetClassifier::readHeader(Row header) {
    width_ = header.size();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const std::string_view name = columnName(fields_[i].field);
        columns_[i] = kMissing;
        for (std::size_t field = 0; field < header.size(); ++field) {
            if (!sameName(header[field], name)) {
                continue;
            }
            if (columns_[i] != kMissing) {
                throw CommandError("the column \"" + std::string(name) +
                                   "\" appears twice in the header");
            }
            columns_[i] = field;
        }
        if (columns_[i] == kMissing && !fields_[i].optional) {
            throw CommandError("the header has no column \"" + std::string(name) + "\"");
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

const FieldTexts& SheetClassifier::fieldTexts(Row row) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (columns_[i] != kMissing) {
            fieldTexts_.set(fields_[i].field, row[columns_[i]]);
        }
    }
    return fieldTexts_;
}

void SheetClassifier::setExplanation(const std::vector<std::string>& steps) {
    explanation_ = joined(steps);
    texts_[texts_.size() - 2] = explanation_;
}

} // namespace classifier::cli
