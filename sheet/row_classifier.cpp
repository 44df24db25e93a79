#include "sheet/row_classifier.h"

#include "sheet/text_cache.h"

#include "core/aashto.h"
#include "core/number_text.h"
#include "core/other_rules.h"
#include "core/unified.h"
#include "core/validation.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>

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

// The results, then "other_rules", the explanation and the error.
std::vector<std::string_view> withLastColumns(std::vector<std::string_view> names, bool explain) {
    names.push_back("other_rules");
    if (explain) {
        names.push_back("explanation");
    }
    names.push_back("error");
    return names;
}

class UnifiedSheet : public RowClassifier {
public:
    UnifiedSheet(Rules rules, Language language, bool explain)
        : RowClassifier(unifiedFields(Rules::Standard), unifiedFields(rules),
                        withLastColumns({"symbol", "group_name"}, explain), rules, language,
                        explain) {}

private:
    void classifyFields(Row row) override {
        const FieldReadings readings = readUnified(fieldTexts(row), format_);
        const Checked<UnifiedSample> checked = checkUnified(readings, rules_);
        const Checked<UnifiedSample> otherChecked = checkUnified(readings, otherRules(rules_));
        const std::optional<UnifiedResult> other =
            otherChecked.sample()
                ? classifyUnified(*otherChecked.sample(), otherRules(rules_), Detail::Answer)
                : std::nullopt;
        if (!checked.sample()) {
            refuse(checked.errors());
            if (other) {
                texts_[otherRulesColumn()] =
                    named(otherAnswers_, *other, [&] { return answerText(*other, language_); });
            }
            return;
        }
        const std::optional<UnifiedResult> result = classifyUnified(*checked.sample(), rules_, detail());
        symbol_ = result->symbol.compactText();
        texts_[0] = symbol_;
        texts_[1] = named(names_, *result, [&] { return result->name(language_); });
        if (!other) {
            setOtherRefusal(otherChecked.errors());
        } else if (!sameAnswer(*result, *other)) {
            texts_[otherRulesColumn()] =
                named(otherAnswers_, *other, [&] { return answerText(*other, language_); });
        }
        if (explain_) {
            setExplanation(explainUnified(*result, language_, written_));
        }
        if (keepSamples_) {
            sample_ = unifiedChartSample(*result);
            labelSample(row);
        }
    }

    // A sheet holds few kinds of sample: each kind is named once, by its name key.
    template <class Make>
    std::string_view named(TextCache& cache, const UnifiedResult& result, Make make) {
        return cache.get(result.nameKey(), make);
    }

    std::string symbol_;
    TextCache names_;
    TextCache otherAnswers_;
};

class AashtoSheet : public RowClassifier {
public:
    AashtoSheet(Rules rules, Language language, bool explain)
        : RowClassifier(aashtoFields(Rules::Standard), aashtoFields(rules),
                        withLastColumns({"group", "material", "soil_type", "group_index",
                                         "group_index_note", "subgrade_rating", "designation"},
                                        explain),
                        rules, language, explain) {}

private:
    void classifyFields(Row row) override {
        const FieldReadings readings = readAashto(fieldTexts(row), format_);
        const Checked<AashtoSample> checked = checkAashto(readings, rules_);
        const Checked<AashtoSample> otherChecked = checkAashto(readings, otherRules(rules_));
        const std::optional<AashtoResult> other =
            otherChecked.sample()
                ? classifyAashto(*otherChecked.sample(), otherRules(rules_), Detail::Answer)
                : std::nullopt;
        if (!checked.sample()) {
            refuse(checked.errors());
            if (other) {
                texts_[otherRulesColumn()] = otherAnswer(*other);
            }
            return;
        }
        const std::optional<AashtoResult> result = classifyAashto(*checked.sample(), rules_, detail());
        if (const AashtoGroup* group = result->group()) {
            texts_[0] = group->compactLabel;
            texts_[1] = materialText(*group, language_);
            texts_[5] = ratingText(group->rating, language_);
        }
        texts_[2] = soilTypeText(*result, language_);
        index_ = formatNumber(result->shownIndex(), written_);
        texts_[3] = index_;
        if (const AashtoGroup* group = result->group()) {
            designation_.assign(group->compactLabel).append(" (").append(index_).append(")");
            texts_[6] = designation_;
        }
        texts_[4] = notes(*result);
        if (!other) {
            setOtherRefusal(otherChecked.errors());
        } else if (!sameAnswer(*result, *other)) {
            texts_[otherRulesColumn()] = otherAnswer(*other);
        }
        if (explain_) {
            setExplanation(explainAashto(*result, language_, written_));
        }
        if (keepSamples_) {
            sample_ = aashtoChartSample(*result);
            labelSample(row);
        }
    }

    // The notes shown, joined; they depend only on which of the three notes show, so each of
    // the eight cases is joined once.
    std::string_view notes(const AashtoResult& result) {
        std::optional<std::string>& joined =
            notes_[(result.zeroIndexNote() ? 4 : 0) + (result.nonPlasticNote() ? 2 : 0) +
                   (result.negativeIndex() ? 1 : 0)];
        if (!joined) {
            joined.emplace();
            for (const std::string_view note : noteTexts(result, language_)) {
                *joined += joined->empty() ? "" : kStepSeparator;
                *joined += note;
            }
        }
        return *joined;
    }

    // The other rule set's answer; those without a group or with a whole index (most of a
    // sheet's) are written once.
    std::string_view otherAnswer(const AashtoResult& other) {
        const double index = other.shownIndex();
        const bool whole = index == std::trunc(index) && index >= 0 && index < 1e6;
        if (other.group() && !whole) {
            otherAnswer_ = answerText(other, language_, written_);
            return otherAnswer_;
        }
        const std::uint64_t group =
            other.group() ? static_cast<std::uint64_t>(other.group()->name) : 0xFF;
        const std::uint64_t key =
            group << 32 | static_cast<std::uint64_t>(other.group() ? index : 0);
        return otherAnswers_.get(key, [&] { return answerText(other, language_, written_); });
    }

    std::string index_;
    std::string designation_;
    std::string otherAnswer_;
    TextCache otherAnswers_;
    std::array<std::optional<std::string>, 8> notes_;
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
    case Quantity::PlasticLimit:
        return ColumnRole::PL;
    case Quantity::Cc:
        return ColumnRole::Cc;
    case Quantity::Cu:
        return ColumnRole::Cu;
    case Quantity::D10:
        return ColumnRole::D10;
    case Quantity::D30:
        return ColumnRole::D30;
    case Quantity::D60:
        return ColumnRole::D60;
    case Quantity::OvenDriedLiquidLimit:
        return ColumnRole::LLOvenDried;
    case Quantity::Organic:
        return ColumnRole::Organic;
    default:
        return ColumnRole::PI;
    }
}

std::unique_ptr<RowClassifier> RowClassifier::create(Method method, Rules rules, Language language,
                                                     bool explain) {
    if (method == Method::Unified) {
        return std::make_unique<UnifiedSheet>(rules, language, explain);
    }
    return std::make_unique<AashtoSheet>(rules, language, explain);
}

RowClassifier::RowClassifier(std::span<const FieldRule> fields, std::span<const FieldRule> required,
                             std::vector<std::string_view> names, Rules rules, Language language,
                             bool explain)
    : rules_(rules), language_(language), explain_(explain), format_(kDecimalPoint),
      written_(kDecimalPoint), errors_(language), texts_(names.size()), names_(std::move(names)),
      fields_(fields), required_(required), otherErrors_(language) {}

std::size_t RowClassifier::otherRulesColumn() const {
    return texts_.size() - (explain_ ? 3 : 2);
}

void RowClassifier::setOtherAnswer(std::string answer) {
    otherAnswer_ = std::move(answer);
    texts_[otherRulesColumn()] = otherAnswer_;
}

// "window rules: not classified (pi: not a number)"
void RowClassifier::setOtherRefusal(std::span<const FieldError> errors) {
    otherErrors_.clear();
    for (const FieldError& error : errors) {
        otherErrors_.add(error, nameOf(error.field), error.with ? nameOf(*error.with) : "");
    }
    setOtherAnswer(refusedText(otherRules(rules_), language_) + " (" + otherErrors_.text() + ")");
}

void RowClassifier::readHeader(Row header, std::span<const ColumnChoice> choices) {
    width_ = header.size();
    columns_ = Columns::find(header, choices);
    labelColumn_ = columns_.of(ColumnRole::Id);
    errors_.forget();
    otherErrors_.forget();
    headerNames_.clear();
    for (const FieldRule& rule : fields_) {
        const ColumnRole role = roleOf(rule.field);
        const std::optional<std::size_t> column = columns_.of(role);
        const bool required =
            std::any_of(required_.begin(), required_.end(),
                        [&](const FieldRule& r) { return r.field == rule.field && !r.optional; });
        if (!column && required) {
            Columns::missing(role, header);
        }
        headerNames_.emplace_back(column ? std::string(trimmed(header[*column]))
                                         : std::string(roleName(role)));
    }
}

void RowClassifier::setDelimiter(char delimiter) {
    format_ = delimiter == ',' ? kDecimalPoint : kDecimalComma;
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
        // A row the chosen rules refuse keeps the other rule set's answer, if it has one.
        const std::string_view other = texts_[otherRulesColumn()];
        std::fill(texts_.begin(), texts_.end(), std::string_view());
        texts_[otherRulesColumn()] = other;
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
    for (std::size_t i = 0; i < fields_.size() && i < headerNames_.size(); ++i) {
        if (fields_[i].field == field) {
            return headerNames_[i];
        }
    }
    return roleName(roleOf(field));
}

void RowClassifier::setExplanation(const std::vector<std::string>& steps) {
    explanation_ = joined(steps);
    texts_[texts_.size() - 2] = explanation_;
}

bool optionalResult(std::string_view name) {
    constexpr std::array<std::string_view, 3> kOptional = {"explanation", "other_rules",
                                                           "designation"};
    return std::find(kOptional.begin(), kOptional.end(), name) != kOptional.end();
}

} // namespace classifier::sheet
