#pragma once

#include <array>
#include <string>
#include <string_view>

namespace classifier::sheet {

// How a sheet's text is written, so that a spreadsheet set for it opens its columns: the
// delimiter, the decimal sign of the numbers the program writes, the line end, and whether the
// text begins with a byte-order mark.
struct Dialect {
    char delimiter = ',';
    std::string decimalSign = ".";
    std::string lineEnd = "\n";
    bool byteOrderMark = false;
};

// Appends a sheet's text in a dialect, RFC 4180 with the dialect's delimiter: a field is quoted
// only when it holds the delimiter, a quote or a line end.
class CsvText {
public:
    explicit CsvText(Dialect dialect);

    const Dialect& dialect() const { return dialect_; }
    // What the text begins with: the byte-order mark, if any.
    void start(std::string& out) const;
    void field(std::string_view text, bool first, std::string& out) const;
    void endRow(std::string& out) const { out += dialect_.lineEnd; }

private:
    Dialect dialect_;
    std::array<bool, 256> quoted_{};
};

} // namespace classifier::sheet
