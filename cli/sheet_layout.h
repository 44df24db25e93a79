#pragma once

#include "sheet/csv_reader.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace classifier::cli {

using sheet::Row;

// The name of the column, written last, that keeps a row's fields beyond the header's width.
inline constexpr std::string_view kExtraFields = "extra_fields";

// Where each column of the classified sheet comes from. The input's columns stay in their
// places, and the results follow them. A sheet classified before, whose header holds every
// result column of the method (an explanation and the columns earlier versions did not write
// may be missing), is classified again in place: its old results are replaced by the new ones
// where they stand, missing ones go before extra_fields, an old explanation the run does not
// write is emptied, and its
// extra_fields column is read back as the row's extra fields, so that a second run writes the
// same sheet as the first.
class SheetLayout {
public:
    enum class Source {
        Input,  // the input field of the same place
        Result, // a result, by its index among the results
        Empty,  // an old explanation
        Extras, // the row's extra fields
    };
    struct Column {
        Source source;
        std::size_t index; // of the input field, or of the result
        std::string name;
    };

    SheetLayout(Row header, std::span<const std::string_view> resultNames);

    // The header as the classifier reads it: the input's own columns.
    Row inputHeader() const { return inputHeader_; }
    const std::vector<Column>& columns() const { return columns_; }
    std::size_t headerWidth() const { return width_; }
    // Every column of the header is the input's own: the input's columns, then the results,
    // then extra_fields.
    bool plain() const { return plain_; }

    // Takes the next row: its fields as the classifier reads them (those of the input's own
    // columns, then the extra ones), valid until the next call.
    Row inputRow(Row row);
    // The extra fields of the row last taken.
    std::span<const std::string_view> extras() const { return extras_; }

private:
    std::vector<Column> columns_;
    std::vector<std::string> headerNames_;
    std::vector<std::string_view> inputHeader_;
    std::vector<std::size_t> inputColumns_; // the places of the input's own columns
    std::size_t width_ = 0;
    std::size_t extrasColumn_ = static_cast<std::size_t>(-1);
    bool plain_ = true; // every column of the header is the input's own
    std::vector<std::string> storedExtras_;
    std::vector<std::string_view> extras_;
    std::vector<std::string_view> inputFields_;
};

// The extra fields as one field, a ","-delimited CSV record; and back.
void joinExtraFields(std::span<const std::string_view> fields, std::string& joined);
void splitExtraFields(std::string_view joined, std::vector<std::string>& fields);

} // namespace classifier::cli
