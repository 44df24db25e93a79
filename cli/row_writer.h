#pragma once

#include "output.h"
#include "sheet/csv_reader.h"
#include "sheet_layout.h"

#include "sheet/csv_writer.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace classifier::cli {

enum class Format;

// Writes the classified sheet, its columns laid out by a SheetLayout.
class RowWriter {
public:
    static std::unique_ptr<RowWriter> create(Format format, const sheet::Dialect& dialect,
                                             Output& output);
    virtual ~RowWriter() = default;

    // The header. A CommandError when the format cannot hold its names. The layout must
    // outlive the writer.
    virtual void header(const SheetLayout& layout) = 0;
    // A row of any number of fields with its results: a short row is filled up with empty
    // fields to the header's width, and its extra fields are those the layout last took.
    virtual void row(Row fields, std::span<const std::string_view> results) = 0;
};

// CSV in the sheet's dialect: its delimiter, its line ends, its byte-order mark. Every row has
// the header's width: the extra fields are joined into the last column, extra_fields.
class CsvWriter : public RowWriter {
public:
    CsvWriter(const sheet::Dialect& dialect, Output& output) : text_(dialect), output_(output) {}

    void header(const SheetLayout& layout) override;
    void row(Row fields, std::span<const std::string_view> results) override;

private:
    void field(std::string_view text, bool first);
    void endRow();

    sheet::CsvText text_;
    std::string row_;
    Output& output_;
    const SheetLayout* layout_ = nullptr;
    std::string extras_;
};

// JSON Lines: one object a row, keyed by the header's names, every value a string; the extra
// fields, when a row has any, as an array under "extra_fields". Bytes that are not UTF-8
// become U+FFFD.
class JsonLinesWriter : public RowWriter {
public:
    explicit JsonLinesWriter(Output& output);
    ~JsonLinesWriter() override;

    void header(const SheetLayout& layout) override;
    void row(Row fields, std::span<const std::string_view> results) override;

private:
    void value(std::string_view text);

    Output& output_;
    const SheetLayout* layout_ = nullptr;
    std::vector<std::string> keys_; // each written out with its colon, one per column
    struct Text;
    std::unique_ptr<Text> text_; // a JSON string, kept to write every value through
};

} // namespace classifier::cli
