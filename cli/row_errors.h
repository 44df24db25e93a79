#pragma once

#include "text_cache.h"

#include "core/comparison.h"
#include "core/language.h"
#include "core/validation.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace classifier::cli {

// The column a sheet gives a quantity: "p200", "p4", "p40", "p10", "ll", "pi", "cc", "cu".
std::string_view columnName(Quantity field);

// The errors of one row, "p4: outside 0 to 100; ll: not a number", in one language.
class RowErrors {
public:
    explicit RowErrors(Language language) : language_(language) {}

    void clear() { text_.clear(); }
    bool empty() const { return text_.empty(); }
    const std::string& text() const { return text_; }

    void add(std::span<const FieldError> errors);
    // The row has another number of fields than the header.
    void addFieldCount(std::size_t fields, std::size_t headerFields);

private:
    void add(const FieldError& error);
    void start();

    Language language_;
    std::string text_;
    TextCache written_; // the text of each kind of error
};

} // namespace classifier::cli
