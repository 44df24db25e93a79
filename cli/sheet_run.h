#pragma once

#include "command_line.h"
#include "output.h"
#include "row_writer.h"
#include "sheet_layout.h"

#include "core/chart/density.h"
#include "sheet/csv_reader.h"
#include "sheet/csv_writer.h"
#include "sheet/row_classifier.h"
#include "sheet/sheet_signs.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace classifier::cli {

// One pass over a sheet as a CsvReader hands on its rows: the header read, then each row
// classified and written in the sheet's own dialect. The first rows are held back until the
// sheet's numbers show its decimal sign, which the numbers the command writes take.
class SheetRun {
public:
    SheetRun(const Options& options, Language language, Output& output, ChartSampleSet* samples);

    // The reader's row handler.
    void take(Row row, const sheet::CsvReader& reader);
    // After the last row: writes the rows still held back.
    void finish();

    bool started() const { return layout_.has_value(); }
    bool allClassified() const { return allClassified_; }
    const sheet::Tally& tally() const { return tally_; }

private:
    void start(Row header, const sheet::CsvReader& reader);
    void hold(Row row, std::size_t line);
    void release(std::string decimalSign);
    void write(Row row, std::size_t line);
    bool isUnitsRow(Row row) const;
    // "." or "," when a number in one of the method's columns has a decimal part.
    std::optional<std::string> decimalSignIn(Row row) const;

    const Options& options_;
    Output& output_;
    ChartSampleSet* samples_;
    std::unique_ptr<sheet::RowClassifier> sheet_;
    std::unique_ptr<RowWriter> writer_;
    std::optional<SheetLayout> layout_;
    sheet::Dialect dialect_;
    bool decimalKnown_ = false;
    std::vector<std::vector<std::string>> held_;
    std::vector<std::size_t> heldLines_;
    std::size_t heldBytes_ = 0;
    bool firstRow_ = true; // the row under the header, which may hold units
    std::vector<std::string_view> noResults_;
    bool allClassified_ = true;
    sheet::Tally tally_;
};

} // namespace classifier::cli
