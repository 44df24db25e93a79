#pragma once

#include "sheet/row.h"

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace classifier::sheet {

// The sheet cannot be read on; the text says why and on which line.
class UnreadableSheet : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A row grew past the reader's limit (a quote left open swallows the rest of the file into one
// field).
class RowTooLong : public UnreadableSheet {
public:
    using UnreadableSheet::UnreadableSheet;
};

// The input ended inside a quoted field.
class OpenQuote : public UnreadableSheet {
public:
    using UnreadableSheet::UnreadableSheet;
};

// Follows the first row of a sheet byte by byte as it arrives, quotes and all, to find where it
// ends and which delimiter it uses. Any of ",", ";" and tab may start a field.
class FirstRowScan {
public:
    // Takes one more byte; true at the line end that closes the first row. Empty lines and
    // lines of only blanks before the first row are skipped.
    bool take(char c);
    // ";" or tab when the row holds more of it than ",", else ",".
    char delimiter() const;

private:
    bool blank_ = true; // the line so far holds only spaces and tabs
    bool quoted_ = false;
    bool fieldStart_ = true;
    bool justClosed_ = false; // a quote here is a doubled quote inside the field
    std::size_t commas_ = 0;
    std::size_t semicolons_ = 0;
    std::size_t tabs_ = 0;
};

// Reads a sheet in RFC 4180 CSV as it arrives, in pieces of any size, and hands on one row at a
// time. A byte-order mark at the start is dropped. Rows end with LF, CRLF or CR; empty lines and
// lines of only spaces and tabs are no rows. The delimiter is found from the first row: ";" or
// tab when it holds more of that than of ",", else ",". A quote inside an unquoted field, or
// text after a closing quote, is kept as it stands; a quote that opens a field and is never
// closed is an OpenQuote. Holds at most one row at a time, of at most rowLimit bytes of fields
// (RowTooLong). Both errors name the line, counted from 1, where the row or the quote began.
class CsvReader {
public:
    using RowHandler = std::function<void(Row)>;

    explicit CsvReader(RowHandler handler, std::size_t rowLimit = 16 << 20);

    void feed(std::string_view bytes);
    // The end of the input: hands on the last row if it has no line end.
    void finish();

    // The delimiter, once the first row is complete.
    char delimiter() const { return delimiter_; }
    // Whether the sheet began with a byte-order mark (after blank lines, if any), and how its
    // first line ended ("\n", "\r\n" or "\r"; "\n" for a sheet of one line): what a sheet
    // written back keeps.
    bool byteOrderMark() const { return byteOrderMark_; }
    std::string_view lineEnd() const { return lineEnd_; }
    // The line the row last handed on began on, counted from 1.
    std::size_t rowLine() const { return handedLine_; }

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    void findDelimiter(bool atEnd);
    void parse(std::string_view bytes);
    void endField();
    void endRow();
    void append(const char* first, const char* last);
    void countLineEnds(const char* first, const char* last);
    void startRow();
    bool blankRow() const;

    RowHandler handler_;
    std::size_t rowLimit_;
    char delimiter_ = 0;
    // Bytes held until the first row is complete and the delimiter known.
    std::string head_;
    std::size_t headScanned_ = 0;
    FirstRowScan firstRow_;
    bool bomChecked_ = false;
    bool byteOrderMark_ = false;
    bool rowHanded_ = false;
    std::string_view lineEnd_ = "\n";
    std::size_t handedLine_ = 1;

    State state_ = State::FieldStart;
    bool rowStarted_ = false;
    bool afterCarriageReturn_ = false;
    bool quotedInRow_ = false;
    std::size_t line_ = 1;      // where the reading has got to
    std::size_t rowLine_ = 1;   // where the current row began
    std::size_t quoteLine_ = 1; // where the last quoted field opened
    std::array<bool, 256> special_{};
    std::string text_; // the current row's fields, unquoted, one after another
    std::vector<std::size_t> ends_;
    std::vector<std::string_view> fields_;
};

} // namespace classifier::sheet
