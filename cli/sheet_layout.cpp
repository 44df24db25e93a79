#include "sheet_layout.h"

#include "sheet/row_classifier.h"

#include <algorithm>

namespace classifier::cli {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr std::string_view kExplanation = "explanation";

bool sameName(std::string_view header, std::string_view name) {
    const std::size_t first = header.find_first_not_of(" \t");
    header = first == std::string_view::npos
                 ? std::string_view()
                 : header.substr(first, header.find_last_not_of(" \t") - first + 1);
    return std::equal(header.begin(), header.end(), name.begin(), name.end(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
    });
}

std::size_t find(Row header, std::string_view name) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (sameName(header[i], name)) {
            return i;
        }
    }
    return kNone;
}

bool needsQuotes(std::string_view text) {
    return text.find_first_of(",\"\r\n") != std::string_view::npos;
}

} // namespace

SheetLayout::SheetLayout(Row header, std::span<const std::string_view> resultNames)
    : headerNames_(header.begin(), header.end()), width_(header.size()) {
    // Classified before: every result column but the optional ones is in the header.
    const bool before = std::all_of(resultNames.begin(), resultNames.end(), [&](auto name) {
        return sheet::optionalResult(name) || find(header, name) != kNone;
    });
    std::vector<std::size_t> resultColumns(resultNames.size(), kNone);
    std::size_t explanationColumn = kNone;
    if (before) {
        for (std::size_t r = 0; r < resultNames.size(); ++r) {
            resultColumns[r] = find(header, resultNames[r]);
        }
        explanationColumn = find(header, kExplanation);
        extrasColumn_ = find(header, kExtraFields);
    }
    const auto addMissingResults = [&] {
        for (std::size_t r = 0; r < resultNames.size(); ++r) {
            if (resultColumns[r] == kNone) {
                columns_.push_back({Source::Result, r, std::string(resultNames[r])});
            }
        }
    };
    for (std::size_t i = 0; i < header.size(); ++i) {
        const auto result = std::find(resultColumns.begin(), resultColumns.end(), i);
        if (result != resultColumns.end()) {
            columns_.push_back({Source::Result,
                                static_cast<std::size_t>(result - resultColumns.begin()),
                                headerNames_[i]});
        } else if (i == explanationColumn) {
            columns_.push_back({Source::Empty, i, headerNames_[i]});
        } else if (i == extrasColumn_) {
            addMissingResults(); // the results stay before the extra fields
            columns_.push_back({Source::Extras, i, headerNames_[i]});
        } else {
            columns_.push_back({Source::Input, i, headerNames_[i]});
            inputColumns_.push_back(i);
        }
    }
    if (extrasColumn_ == kNone) {
        addMissingResults();
        columns_.push_back({Source::Extras, kNone, std::string(kExtraFields)});
    }
    plain_ = inputColumns_.size() == width_;
    for (const std::size_t i : inputColumns_) {
        inputHeader_.push_back(headerNames_[i]);
    }
}

Row SheetLayout::inputRow(Row row) {
    if (plain_) {
        extras_.assign(row.begin() + static_cast<std::ptrdiff_t>(std::min(row.size(), width_)),
                       row.end());
        return row;
    }
    inputFields_.clear();
    for (const std::size_t i : inputColumns_) {
        if (i < row.size()) {
            inputFields_.push_back(row[i]);
        }
    }
    storedExtras_.clear();
    if (extrasColumn_ < row.size() && !row[extrasColumn_].empty()) {
        splitExtraFields(row[extrasColumn_], storedExtras_);
    }
    extras_.assign(storedExtras_.begin(), storedExtras_.end());
    for (std::size_t i = width_; i < row.size(); ++i) {
        extras_.push_back(row[i]);
    }
    inputFields_.insert(inputFields_.end(), extras_.begin(), extras_.end());
    return inputFields_;
}

void joinExtraFields(std::span<const std::string_view> fields, std::string& joined) {
    joined.clear();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string_view field = fields[i];
        if (i > 0) {
            joined += ',';
        }
        if (!needsQuotes(field)) {
            joined += field;
            continue;
        }
        joined += '"';
        for (const char c : field) {
            joined += c;
            if (c == '"') {
                joined += '"';
            }
        }
        joined += '"';
    }
}

void splitExtraFields(std::string_view joined, std::vector<std::string>& fields) {
    fields.emplace_back();
    bool quoted = false;
    for (std::size_t i = 0; i < joined.size(); ++i) {
        const char c = joined[i];
        if (quoted && c == '"' && i + 1 < joined.size() && joined[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"' && (quoted || fields.back().empty())) {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
}

} // namespace classifier::cli
