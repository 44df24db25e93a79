#pragma once

#include "csv_reader.h"
#include "output.h"

#include <memory>
#include <span>
#include <string_view>

namespace classifier::cli {

enum class Format;

// Writes the classified sheet: each input row's fields, then its result texts.
class RowWriter {
public:
    static std::unique_ptr<RowWriter> create(Format format, Output& output);
    virtual ~RowWriter() = default;

    // The header: the input's column names, then those of the results. A CommandError when the
    // format cannot hold them.
    virtual void header(Row names, std::span<const std::string_view> resultNames) = 0;
    // A row of any number of fields: a short one is filled up with empty fields to the header's
    // width, and the fields beyond it are kept after the results.
    virtual void row(Row fields, std::span<const std::string_view> results) = 0;
};

// RFC 4180 with ",", each field quoted only when it holds ",", a quote or a line end; LF ends
// every row.
class CsvWriter : public RowWriter {
public:
    explicit CsvWriter(Output& output) : output_(output) {}

    void header(Row names, std::span<const std::string_view> resultNames) override;
    void row(Row fields, std::span<const std::string_view> results) override;

private:
    void field(std::string_view text, bool first = false);

    Output& output_;
    std::size_t width_ = 0;
};

// JSON Lines: one object a row, keyed by the header's names, every value a string; the fields
// beyond the header's width under "extra_fields". Bytes that are not UTF-8 become U+FFFD.
class JsonLinesWriter : public RowWriter {
public:
    explicit JsonLinesWriter(Output& output) : output_(output) {}

    void header(Row names, std::span<const std::string_view> resultNames) override;
    void row(Row fields, std::span<const std::string_view> results) override;

private:
    Output& output_;
    std::vector<std::string> keys_;
    std::size_t width_ = 0;
};

} // namespace classifier::cli
