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

// Classifies the rows of a sheet by one method: finds the columns it reads in the header, and
// gives for each row the texts of the columns written after the input ones, the error last.
class SheetClassifier {
public:
    static std::unique_ptr<SheetClassifier> create(Method method, Language language, bool explain);
    virtual ~SheetClassifier() = default;

    // The names of the columns written after the input ones.
    const std::vector<std::string_view>& resultNames() const { return names_; }

    // Finds the method's columns in the header; a CommandError when one is missing or appears
    // twice.
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
    SheetClassifier(std::span<const FieldRule> fields, std::vector<std::string_view> names,
                    Language language, bool explain);

    // Classifies a row with the header's number of fields; results go to texts_ from index 0.
    virtual void classifyFields(Row row) = 0;

    // The texts of the method's fields in the row.
    const FieldTexts& fieldTexts(Row row);
    void setExplanation(const std::vector<std::string>& steps);

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
    std::array<std::size_t, 6> columns_{};
    FieldTexts fieldTexts_;
    std::size_t width_ = 0;
    std::string explanation_;
};

} // namespace classifier::cli
