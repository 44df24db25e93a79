#pragma once

#include "sheet/columns.h"
#include "sheet/row.h"
#include "sheet/row_errors.h"

#include "core/chart/chart.h"
#include "core/language.h"
#include "core/method.h"
#include "core/number_format.h"
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

// Classifies the rows of a sheet by one method: finds the columns it reads in the header, and
// gives for each row the texts of the columns written after the input ones, the error last.
class RowClassifier {
public:
    static std::unique_ptr<RowClassifier> create(Method method, Language language, bool explain);
    virtual ~RowClassifier() = default;

    // The names of the columns written after the input ones.
    const std::vector<std::string_view>& resultNames() const { return names_; }

    // Finds the method's columns in the header, by the user's choices and then by their names; a
    // ColumnError when one the method needs is missing, or when two headers take one role.
    void readHeader(Row header, std::span<const ColumnChoice> choices = {});
    const Columns& columns() const { return columns_; }
    // Numbers are read with "," as the decimal point in a sheet not delimited by ",".
    void setDelimiter(char delimiter);
    // The decimal sign of the numbers the results write (the group index, the explanation).
    void setDecimalSign(std::string_view sign);

    // Classifies one row. False when the row has an error.
    bool classify(Row row);
    // What was wrong with the fields of the last row, if it was refused for them, and the error
    // of one of them in words.
    std::span<const FieldError> fieldErrors() const { return fieldErrors_; }
    std::string errorText(const FieldError& error) const;
    // The result texts of the last row, in the order of resultNames().
    std::span<const std::string_view> texts() const { return texts_; }
    // Where the last row stands on the method's chart; kept only once asked for.
    void keepChartSamples() { keepSamples_ = true; }
    // Chart samples are labelled by their sheet's id column, if it has one, or by the column of
    // that header; a ColumnError when there is none.
    void labelBy(std::string_view header, Row names);
    const std::optional<ChartSample>& chartSample() const { return sample_; }

protected:
    RowClassifier(std::span<const FieldRule> fields, std::vector<std::string_view> names,
                  Language language, bool explain);

    // Classifies a row with the header's number of fields; results go to texts_ from index 0.
    virtual void classifyFields(Row row) = 0;

    // The texts of the method's fields in the row.
    const FieldTexts& fieldTexts(Row row);
    // Labels the chart sample of the row by its label column, when it has a text there.
    void labelSample(Row row);
    // Keeps the errors of the row's fields and writes them in its error column.
    void refuse(std::span<const FieldError> errors);
    // The header of a field's column, or the role's name when the sheet has none.
    std::string_view nameOf(Quantity field) const;
    void setExplanation(const std::vector<std::string>& steps);

    Language language_;
    bool explain_;
    bool keepSamples_ = false;
    std::optional<ChartSample> sample_;
    NumberFormat format_;  // of the sheet's numbers
    NumberFormat written_; // of the numbers the results write
    RowErrors errors_;
    std::vector<std::string_view> texts_;

private:
    std::vector<std::string_view> names_;
    std::span<const FieldRule> fields_;
    Columns columns_;
    std::vector<std::string> headerNames_; // of the method's fields, for their errors
    FieldTexts fieldTexts_;
    std::vector<FieldError> fieldErrors_;
    std::optional<std::size_t> labelColumn_;
    std::size_t width_ = 0;
    std::string explanation_;
};

} // namespace classifier::sheet
