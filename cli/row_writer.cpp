#include "row_writer.h"

#include "command_line.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <set>

namespace classifier::cli {
namespace {

constexpr std::string_view kExtraFields = "extra_fields";

constexpr std::array<bool, 256> kQuoted = [] {
    std::array<bool, 256> quoted{};
    for (const unsigned char c : {',', '"', '\n', '\r'}) {
        quoted[c] = true;
    }
    return quoted;
}();

bool needsQuotes(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return kQuoted[static_cast<unsigned char>(c)]; });
}

} // namespace

std::unique_ptr<RowWriter> RowWriter::create(Format format, Output& output) {
    if (format == Format::JsonLines) {
        return std::make_unique<JsonLinesWriter>(output);
    }
    return std::make_unique<CsvWriter>(output);
}

void CsvWriter::field(std::string_view text, bool first) {
    if (!first) {
        output_.put(',');
    }
    if (!needsQuotes(text)) {
        output_.put(text);
        return;
    }
    output_.put('"');
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        output_.put(text.substr(0, quote + 1));
        output_.put('"');
        text.remove_prefix(quote + 1);
    }
    output_.put(text);
    output_.put('"');
}

void CsvWriter::header(Row names, std::span<const std::string_view> resultNames) {
    width_ = names.size();
    row(names, resultNames);
}

void CsvWriter::row(Row fields, std::span<const std::string_view> results) {
    for (std::size_t i = 0; i < width_; ++i) {
        field(i < fields.size() ? fields[i] : std::string_view(), i == 0);
    }
    for (std::size_t i = 0; i < results.size(); ++i) {
        field(results[i], width_ == 0 && i == 0);
    }
    for (std::size_t i = width_; i < fields.size(); ++i) {
        field(fields[i]);
    }
    output_.put('\n');
}

void JsonLinesWriter::header(Row names, std::span<const std::string_view> resultNames) {
    width_ = names.size();
    keys_.assign(names.begin(), names.end());
    keys_.insert(keys_.end(), resultNames.begin(), resultNames.end());
    std::set<std::string_view> seen{kExtraFields};
    for (const std::string& key : keys_) {
        if (!seen.insert(key).second) {
            throw CommandError("--format json: the column name \"" + key +
                               "\" would be a key twice; rename the column");
        }
    }
}

void JsonLinesWriter::row(Row fields, std::span<const std::string_view> results) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (std::size_t i = 0; i < width_; ++i) {
        object[keys_[i]] = i < fields.size() ? fields[i] : std::string_view();
    }
    for (std::size_t i = 0; i < results.size(); ++i) {
        object[keys_[width_ + i]] = results[i];
    }
    if (fields.size() > width_) {
        object[std::string(kExtraFields)] = std::vector<std::string_view>(
            fields.begin() + static_cast<std::ptrdiff_t>(width_), fields.end());
    }
    output_.put(object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
    output_.put('\n');
}

} // namespace classifier::cli
