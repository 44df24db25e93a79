#pragma once

#include "sheet/text_cache.h"

#include "core/comparison.h"
#include "core/language.h"
#include "core/validation.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace classifier::sheet {

// The errors of one row, "p4: outside 0 to 100; ll: not a number", in one language.
class RowErrors {
public:
    explicit RowErrors(Language language) : language_(language) {}

    void clear() { text_.clear(); }
    bool empty() const { return text_.empty(); }
    const std::string& text() const { return text_; }

    // The error of a field, by the names of its columns: "p4: outside 0 to 100".
    void add(const FieldError& error, std::string_view column, std::string_view otherColumn);
    // Forgets the errors written before, whose columns may have other names now.
    void forget() { written_ = {}; }
    // The row has another number of fields than the header.
    void addFieldCount(std::size_t fields, std::size_t headerFields);

private:
    void start();

    Language language_;
    std::string text_;
    TextCache written_; // the text of each kind of error
};

} // namespace classifier::sheet
