#include "row_writer.h"

#include "command_line.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace classifier::cli {
namespace {

std::string jsonText(const nlohmann::json& text) {
    return text.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace

std::unique_ptr<RowWriter> RowWriter::create(Format format, const sheet::Dialect& dialect,
                                             Output& output) {
    if (format == Format::JsonLines) {
        return std::make_unique<JsonLinesWriter>(output);
    }
    return std::make_unique<CsvWriter>(dialect, output);
}

void CsvWriter::field(std::string_view text, bool first) {
    text_.field(text, first, row_);
}

// Each row is made whole, then handed on.
void CsvWriter::endRow() {
    text_.endRow(row_);
    output_.put(row_);
    row_.clear();
}

void CsvWriter::header(const SheetLayout& layout) {
    layout_ = &layout;
    text_.start(row_);
    bool first = true;
    for (const SheetLayout::Column& column : layout.columns()) {
        field(column.name, std::exchange(first, false));
    }
    endRow();
}

void CsvWriter::row(Row fields, std::span<const std::string_view> results) {
    const std::span<const std::string_view> extras = layout_->extras();
    if (layout_->plain()) {
        const std::size_t width = layout_->headerWidth();
        for (std::size_t i = 0; i < width; ++i) {
            field(i < fields.size() ? fields[i] : std::string_view(), i == 0);
        }
        for (const std::string_view result : results) {
            field(result, false);
        }
        if (extras.empty()) {
            field({}, false);
        } else {
            joinExtraFields(extras, extras_);
            field(extras_, false);
        }
        endRow();
        return;
    }
    bool first = true;
    for (const SheetLayout::Column& column : layout_->columns()) {
        std::string_view text;
        switch (column.source) {
        case SheetLayout::Source::Input:
            text = column.index < fields.size() ? fields[column.index] : std::string_view();
            break;
        case SheetLayout::Source::Result:
            text = results[column.index];
            break;
        case SheetLayout::Source::Empty:
            break;
        case SheetLayout::Source::Extras:
            joinExtraFields(extras, extras_);
            text = extras_;
            break;
        }
        field(text, std::exchange(first, false));
    }
    endRow();
}

struct JsonLinesWriter::Text {
    nlohmann::json value = std::string();
};

JsonLinesWriter::JsonLinesWriter(Output& output)
    : output_(output), text_(std::make_unique<Text>()) {}

JsonLinesWriter::~JsonLinesWriter() = default;

void JsonLinesWriter::header(const SheetLayout& layout) {
    layout_ = &layout;
    std::set<std::string_view> seen{kExtraFields};
    for (const SheetLayout::Column& column : layout.columns()) {
        if (column.source == SheetLayout::Source::Extras) {
            continue;
        }
        if (!seen.insert(column.name).second) {
            throw CommandError("--format json: the column name \"" + column.name +
                               "\" would be a key twice; rename the column");
        }
        keys_.push_back(jsonText(column.name) + ":");
    }
}

void JsonLinesWriter::value(std::string_view text) {
    text_->value.get_ref<std::string&>().assign(text);
    output_.put(jsonText(text_->value));
}

void JsonLinesWriter::row(Row fields, std::span<const std::string_view> results) {
    output_.put('{');
    std::size_t key = 0;
    for (const SheetLayout::Column& column : layout_->columns()) {
        if (column.source == SheetLayout::Source::Extras) {
            continue;
        }
        if (key > 0) {
            output_.put(',');
        }
        output_.put(keys_[key++]);
        switch (column.source) {
        case SheetLayout::Source::Input:
            value(column.index < fields.size() ? fields[column.index] : std::string_view());
            break;
        case SheetLayout::Source::Result:
            value(results[column.index]);
            break;
        default:
            value({});
            break;
        }
    }
    const std::span<const std::string_view> extras = layout_->extras();
    if (!extras.empty()) {
        output_.put(key > 0 ? ",\"" : "\"");
        output_.put(kExtraFields);
        output_.put("\":[");
        for (std::size_t i = 0; i < extras.size(); ++i) {
            if (i > 0) {
                output_.put(',');
            }
            value(extras[i]);
        }
        output_.put(']');
    }
    output_.put("}\n");
}

} // namespace classifier::cli
