#pragma once

#include "sheet/columns.h"
#include "sheet/row.h"
#include "sheet/row_errors.h"

#include "core/chart/chart.h"
#include "core/language.h"
#include "core/method.h"
#include "core/number_format.h"
#include "core/rules.h"
#include "core/validation.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace classifier::sheet {

// The column a sheet's reader gives a method's field.
ColumnRole roleOf(Quantity field);

// A result column a sheet classified before may lack: the explanation, written only when asked
// for, and the columns earlier versions did not write.
bool optionalResult(std::string_view name);

// Classifies the rows of a sheet by one method and one rule set: finds the columns it reads in
// the header, and gives for each row the texts of the columns written after the input ones, the
// other rule set's answer where it differs, and the error last.
class RowClassifier {
public:
    static std::unique_ptr<RowClassifier> create(Method method, Rules rules, Language language,
                                                 bool explain);
    virtual ~RowClassifier() = default;

    // The names of the columns written after the input ones.
    const std::vector<std::string_view>& resultNames() const { return names_; }

    // Finds the method's columns in the header, those of both rule sets, by the user's choices
    // and then by their names; a ColumnError when one the chosen rules need for every row is
    // missing, or when two headers take one role.
    void readHeader(Row header, std::span<const ColumnChoice> choices = {});
    const Columns& columns() const { return columns_; }
    // Numbers are read with "," as the decimal point in a sheet not delimited by ",".
    void setDelimiter(char delimiter);
    // The decimal sign of the numbers the results write (the group index, the explanation).
    void setDecimalSign(std::string_view sign);

    // Classifies one row. False when the row has an error.
    bool classify(Row row);
    // The result texts of the last row, in the order of resultNames().
    std::span<const std::string_view> texts() const { return texts_; }
    // What was wrong with the fields of the last row, if it was refused for them, and the error
    // of one of them in words.
    std::span<const FieldError> fieldErrors() const { return fieldErrors_; }
    std::string errorText(const FieldError& error) const;
    // Where the last row stands on the method's chart; kept only once asked for.
    void keepChartSamples() { keepSamples_ = true; }
    const std::optional<ChartSample>& chartSample() const { return sample_; }
    // Chart samples are labelled by their sheet's id column, if it has one, or by the column of
    // that header; a ColumnError when there is none.
    void labelBy(std::string_view header, Row names);

protected:
    // The index of the column "other_rules" in texts().
    std::size_t otherRulesColumn() const;

    RowClassifier(std::span<const FieldRule> fields, std::span<const FieldRule> required,
                  std::vector<std::string_view> names, Rules rules, Language language,
                  bool explain);

    // Classifies a row with the header's number of fields; results go to texts_ from index 0.
    virtual void classifyFields(Row row) = 0;

    // The texts of the method's fields in the row.
    const FieldTexts& fieldTexts(Row row);
    void setExplanation(const std::vector<std::string>& steps);
    // The column "other_rules": the other rule set's answer, or that it refuses the row and why.
    void setOtherAnswer(std::string answer);
    void setOtherRefusal(std::span<const FieldError> errors);
    // Keeps the errors of the row's fields and writes them in its error column.
    void refuse(std::span<const FieldError> errors);
    // Labels the chart sample of the row by its label column, when it has a text there.
    void labelSample(Row row);
    // The header of a field's column, or the role's name when the sheet has none.
    std::string_view nameOf(Quantity field) const;

    Rules rules_;
    Language language_;
    bool explain_;

    bool keepSamples_ = false;
    // The decision path is worked out only for an explanation or a chart, which place a sample
    // by the steps that named it.
    Detail detail() const { return explain_ || keepSamples_ ? Detail::Path : Detail::Answer; }
    std::optional<ChartSample> sample_;
    NumberFormat format_;  // of the sheet's numbers
    NumberFormat written_; // of the numbers the results write
    RowErrors errors_;
    std::vector<std::string_view> texts_;

private:
    std::vector<std::string_view> names_;
    std::span<const FieldRule> fields_;
    std::span<const FieldRule> required_;
    Columns columns_;
    std::vector<std::string> headerNames_; // of the fields, for their errors
    FieldTexts fieldTexts_;
    std::vector<FieldError> fieldErrors_;
    std::optional<std::size_t> labelColumn_;
    std::size_t width_ = 0;
    std::string explanation_;
    std::string otherAnswer_;
    RowErrors otherErrors_;
};

} // namespace classifier::sheet
