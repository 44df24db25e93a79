#pragma once

#include "sheet/columns.h"
#include "sheet/csv_writer.h"
#include "sheet/row_classifier.h"
#include "sheet/sheet_signs.h"

#include "core/chart/chart.h"
#include "core/language.h"
#include "core/method.h"
#include "core/rules.h"

#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace classifier::sheet {

// A sheet that cannot be read, with the reason in one line.
class SheetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A lab sheet held in memory, as the window shows it: its header and rows as typed, every row
// classified by one method as soon as it changes.
class Document {
public:
    explicit Document(Method method, Language language = Language::Persian,
                      Rules rules = Rules::Window);

    // A sheet of the method's columns, with their Persian headers and no rows.
    static std::vector<std::string> defaultHeader(Method method);

    // The sheet of a CSV file's bytes, in any dialect the command reads, its first row the
    // header; its dialect is kept for writing it back. A SheetError when it cannot be read (a
    // workbook, a quote never closed, a row past the limit, no header).
    static Document read(std::string_view bytes, Method method, Language language,
                         Rules rules = Rules::Window);
    // The sheet with its results as the command writes it, in its own dialect: its columns,
    // then the method's result columns.
    std::string written() const;
    const Dialect& dialect() const { return dialect_; }

    Method method() const { return method_; }
    Rules rules() const { return rules_; }
    // Classifies every row by the other rule set; the columns stay as they are.
    void setRules(Rules rules);
    // Classifies every row by the other method; the columns it needs that the sheet lacks are
    // added, empty, after the others. A sheet without rows takes the method's own columns.
    void setMethod(Method method);

    const std::vector<std::string>& header() const { return header_; }
    std::size_t columnCount() const { return header_.size(); }
    std::size_t rowCount() const { return rows_.size(); }
    const std::vector<std::string>& row(std::size_t index) const { return rows_[index]; }

    void setHeader(std::vector<std::string> header);
    void setCell(std::size_t row, std::size_t column, std::string text);
    // Rows of any width: a short one is filled with empty cells, a long one widens the sheet.
    void insertRows(std::size_t at, std::vector<std::vector<std::string>> rows);
    void removeRows(std::size_t at, std::size_t count);
    // Tab-separated cells as a spreadsheet copies them, placed with their first cell at the
    // given row and column. A first row that names the method's columns is a header: it
    // replaces the header of a sheet without rows, and otherwise places each pasted column under
    // the column of the same role. Returns the rows pasted.
    std::size_t paste(std::string_view text, std::size_t atRow, std::size_t atColumn);

    // Why the sheet's columns cannot be read (a column the method needs is missing, two take
    // one role); every row then waits, unclassified.
    const std::optional<ColumnError>& headerProblem() const { return headerProblem_; }

    enum class State { Classified, Refused, Units, Empty, Waiting };
    struct CellError {
        std::size_t column;
        std::string reason;
    };
    struct Outcome {
        State state = State::Waiting;
        std::vector<std::string> results; // in the order of resultNames()
        std::string error;                // the whole row's error, as the command writes it
        std::vector<CellError> cellErrors;
        std::optional<ChartSample> chartSample;
    };
    const std::vector<std::string_view>& resultNames() const { return classifier_->resultNames(); }
    const Outcome& outcome(std::size_t row) const { return outcomes_[row]; }
    // How the classification of the rows went; the header is row 1, as in a spreadsheet.
    Tally tally() const;

    // The rows with their results as tab-separated text a spreadsheet pastes back, the header
    // first.
    std::string copied(std::span<const std::size_t> rows) const;
    // Every classified sample that LL and PI place, labelled by its id when the sheet has one.
    std::vector<ChartSample> chartSamples() const;

private:
    void readHeader();
    // A classifier of the document's method and rules, reading and writing its dialect.
    void makeClassifier();
    void classify(std::size_t row);
    void classifyAll();
    void widen(std::size_t columns);
    std::string decimalSignOf(const std::vector<std::vector<std::string>>& rows) const;
    void dropOldResults(std::vector<std::vector<std::string>>& rows);

    Method method_;
    Language language_;
    Rules rules_;
    std::unique_ptr<RowClassifier> classifier_;
    std::vector<std::string> header_;
    std::vector<std::vector<std::string>> rows_;
    std::vector<Outcome> outcomes_;
    std::optional<ColumnError> headerProblem_;
    Dialect dialect_;
};

} // namespace classifier::sheet
