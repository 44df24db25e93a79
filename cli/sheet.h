#pragma once

#include "command_line.h"
#include "csv_reader.h"
#include "row_errors.h"

#include "core/chart/chart.h"
#include "core/language.h"
#include "core/number_format.h"
#include "core/validation.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace classifier::cli {

// Classifies the rows of a sheet by one method and one rule set: finds the columns it reads in
// the header, and gives for each row the texts of the columns written after the input ones, the
// other rule set's answer where it differs, and the error last.
class SheetClassifier {
public:
    static std::unique_ptr<SheetClassifier> create(Method method, Rules rules, Language language,
                                                   bool explain);
    virtual ~SheetClassifier() = default;

    // The names of the columns written after the input ones.
    const std::vector<std::string_view>& resultNames() const { return names_; }

    // Finds the method's columns in the header, those of both rule sets; a CommandError when one
    // the chosen rules need for every row is missing, or when one appears twice.
    void readHeader(Row header);
    // Numbers are read with "," as the decimal point in a sheet not delimited by ",".
    void setDelimiter(char delimiter);

    // Classifies one row. False when the row has an error.
    bool classify(Row row);
    // The result texts of the last row, in the order of resultNames().
    std::span<const std::string_view> texts() const { return texts_; }
    // Where the last row stands on the method's chart; kept only once asked for.
    void keepChartSamples() { keepSamples_ = true; }
    const std::optional<ChartSample>& chartSample() const { return sample_; }

protected:
    // The index of the column "other_rules" in texts().
    std::size_t otherRulesColumn() const;

    SheetClassifier(std::span<const FieldRule> fields, std::span<const FieldRule> required,
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

    Rules rules_;
    Language language_;
    bool explain_;
    bool keepSamples_ = false;
    std::optional<ChartSample> sample_;
    NumberFormat format_;
    RowErrors errors_;
    std::vector<std::string_view> texts_;

private:
    std::vector<std::string_view> names_;
    std::span<const FieldRule> fields_;
    std::span<const FieldRule> required_;
    std::array<std::size_t, kFieldCount> columns_{};
    FieldTexts fieldTexts_;
    std::size_t width_ = 0;
    std::string explanation_;
    std::string otherAnswer_;
    RowErrors otherErrors_;
};

} // namespace classifier::cli
