#pragma once

#include "command_line.h"
#include "csv_reader.h"
#include "row_check.h"

#include "core/chart.h"
#include "core/controls.h"
#include "core/language.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace classifier::cli {

// A column that a method reads.
struct InputColumn {
    std::string_view name;
    Range range;
    bool optional; // may be missing from the header
};

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
    SheetClassifier(std::span<const InputColumn> inputs, std::vector<std::string_view> names,
                    Language language, bool explain);

    // Classifies a row with the header's number of fields; results go to texts_ from index 0.
    virtual void classifyFields(Row row) = 0;

    Reading read(Row row, std::size_t input) const;
    void setExplanation(const std::vector<std::string>& steps);

    Language language_;
    bool explain_;
    bool keepSamples_ = false;
    std::optional<ChartSample> sample_;
    NumberFormat format_;
    RowErrors errors_;
    std::span<const InputColumn> inputs_;
    std::vector<std::string_view> texts_;

private:
    std::vector<std::string_view> names_;
    std::array<std::size_t, 6> columns_{};
    std::size_t width_ = 0;
    std::string explanation_;
};

} // namespace classifier::cli
