#include "sheet/row_classifier.h"

#include "core/aashto.h"
#include "core/number_text.h"
#include "core/unified.h"
#include "core/validation.h"

#include <algorithm>
#include <cctype>

namespace classifier::sheet {
namespace {

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

class UnifiedSheet : public RowClassifier {
public:
    UnifiedSheet(Language language, bool explain)
        : RowClassifier(unifiedFields(), withErrorColumns({"symbol", "group_name"}, explain),
                        language, explain) {}

private:
    void classifyFields(Row row) override {
        const Checked<UnifiedSample> checked = checkUnified(fieldTexts(row), format_);
        if (!checked.sample()) {
            refuse(checked.errors());
            return;
        }
        const std::optional<UnifiedResult> result = classifyUnified(*checked.sample());
        symbol_ = result->symbol.compactText();
        name_ = result->name(language_);
        texts_[0] = symbol_;
        texts_[1] = name_;
        if (explain_) {
            setExplanation(explainUnified(*result, language_, written_));
        }
        if (keepSamples_) {
            sample_ = unifiedChartSample(*result);
            labelSample(row);
        }
    }

    std::string symbol_;
    std::string name_;
};

class AashtoSheet : public RowClassifier {
public:
    AashtoSheet(Language language, bool explain)
        : RowClassifier(aashtoFields(),
                        withErrorColumns({"group", "material", "soil_type", "group_index",
                                          "group_index_note", "subgrade_rating"},
                                         explain),
                        language, explain) {}

private:
    void classifyFields(Row row) override {
        const Checked<AashtoSample> checked = checkAashto(fieldTexts(row), format_);
        if (!checked.sample()) {
            refuse(checked.errors());
            return;
        }
        const std::optional<AashtoResult> result = classifyAashto(*checked.sample());
        if (const AashtoGroup* group = result->group()) {
            texts_[0] = group->compactLabel;
            texts_[1] = materialText(*group, language_);
            texts_[5] = ratingText(group->rating, language_);
        }
        texts_[2] = soilTypeText(*result, language_);
        index_ = formatNumber(result->shownIndex(), written_);
        texts_[3] = index_;
        texts_[4] = notes(*result);
        if (explain_) {
            setExplanation(explainAashto(*result, language_, written_));
        }
        if (keepSamples_) {
            sample_ = aashtoChartSample(*result);
            labelSample(row);
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

ColumnRole roleOf(Quantity field) {
    switch (field) {
    case Quantity::Fines:
        return ColumnRole::P200;
    case Quantity::PassingNo4:
        return ColumnRole::P4;
    case Quantity::PassingNo40:
        return ColumnRole::P40;
    case Quantity::PassingNo10:
        return ColumnRole::P10;
    case Quantity::LiquidLimit:
        return ColumnRole::LL;
    case Quantity::Cc:
        return ColumnRole::Cc;
    case Quantity::Cu:
        return ColumnRole::Cu;
    default:
        return ColumnRole::PI;
    }
}

std::unique_ptr<RowClassifier> RowClassifier::create(Method method, Language language,
                                                     bool explain) {
    if (method == Method::Unified) {
        return std::make_unique<UnifiedSheet>(language, explain);
    }
    return std::make_unique<AashtoSheet>(language, explain);
}

RowClassifier::RowClassifier(std::span<const FieldRule> fields, std::vector<std::string_view> names,
                             Language language, bool explain)
    : language_(language), explain_(explain), format_(kDecimalPoint), written_(kDecimalPoint),
      errors_(language), texts_(names.size()), names_(std::move(names)), fields_(fields) {}

void RowClassifier::readHeader(Row header, std::span<const ColumnChoice> choices) {
    width_ = header.size();
    columns_ = Columns::find(header, choices);
    labelColumn_ = columns_.of(ColumnRole::Id);
    headerNames_.clear();
    for (const FieldRule& rule : fields_) {
        const std::optional<std::size_t> column = columns_.of(roleOf(rule.field));
        if (!column && !rule.optional) {
            Columns::missing(roleOf(rule.field), header);
        }
        headerNames_.emplace_back(column ? std::string(header[*column])
                                         : std::string(roleName(roleOf(rule.field))));
    }
}

void RowClassifier::setDecimalSign(std::string_view sign) {
    written_.decimalPoint = sign;
}

void RowClassifier::labelBy(std::string_view header, Row names) {
    const auto same = [](std::string_view a, std::string_view b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) ==
                   std::tolower(static_cast<unsigned char>(y));
        });
    };
    for (std::size_t column = 0; column < names.size(); ++column) {
        if (same(trimmed(names[column]), trimmed(header))) {
            labelColumn_ = column;
            return;
        }
    }
    throw ColumnError("--label " + std::string(header) + ": the header has no such column");
}

void RowClassifier::labelSample(Row row) {
    if (labelColumn_ && *labelColumn_ < row.size() && !trimmed(row[*labelColumn_]).empty()) {
        sample_->label = trimmed(row[*labelColumn_]);
    }
}

void RowClassifier::setDelimiter(char delimiter) {
    format_ = delimiter == ',' ? kDecimalPoint : kDecimalComma;
}

bool RowClassifier::classify(Row row) {
    std::fill(texts_.begin(), texts_.end(), std::string_view());
    errors_.clear();
    fieldErrors_.clear();
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

const FieldTexts& RowClassifier::fieldTexts(Row row) {
    for (const FieldRule& rule : fields_) {
        if (const std::optional<std::size_t> column = columns_.of(roleOf(rule.field))) {
            fieldTexts_.set(rule.field, row[*column]);
        }
    }
    return fieldTexts_;
}

void RowClassifier::refuse(std::span<const FieldError> errors) {
    fieldErrors_.assign(errors.begin(), errors.end());
    for (const FieldError& error : errors) {
        errors_.add(error, nameOf(error.field), error.with ? nameOf(*error.with) : "");
    }
}

std::string RowClassifier::errorText(const FieldError& error) const {
    RowErrors text(language_);
    text.add(error, nameOf(error.field), error.with ? nameOf(*error.with) : "");
    return text.text();
}

std::string_view RowClassifier::nameOf(Quantity field) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].field == field) {
            return headerNames_[i];
        }
    }
    return {};
}

void RowClassifier::setExplanation(const std::vector<std::string>& steps) {
    explanation_ = joined(steps);
    texts_[texts_.size() - 2] = explanation_;
}

} // namespace classifier::sheet
