#include "row_errors.h"

#include "core/path_text.h"

#include <array>
#include <cstdint>

namespace classifier::cli {
namespace {

// Indexed by Quantity, for the quantities a sample's fields hold.
constexpr std::array<std::string_view, kFieldCount> kColumns = {
    "p200", "p4",  "p40", "p10",           "ll",     "pi", "cc", "cu", "pl",
    "d10",  "d30", "d60", "ll_oven_dried", "organic"};

const NumberFormat kDecimalPoint{".", ","};

} // namespace

std::string_view columnName(Quantity field) {
    const auto index = static_cast<std::size_t>(field);
    return index < kColumns.size() ? kColumns[index] : std::string_view();
}

void RowErrors::start() {
    if (!text_.empty()) {
        text_ += say(Word::Semicolon, language_);
    }
}

void RowErrors::add(std::span<const FieldError> errors) {
    for (const FieldError& error : errors) {
        add(error);
    }
}

// "p4: outside 0 to 100", "cc: needed with 12 % fines or less, empty", "ll, pi: so large ...";
// each kind of error is written once and then copied.
void RowErrors::add(const FieldError& error) {
    start();
    const auto byte = [](auto value) { return static_cast<std::uint32_t>(value); };
    const std::uint32_t key = byte(error.field) | byte(error.problem) << 8 |
                              byte(error.need) << 16 |
                              (error.with ? byte(*error.with) : 0xFFu) << 24;
    text_ += written_.get(key, [&] {
        std::string columns(columnName(error.field));
        if (error.with) {
            columns += ", ";
            columns += columnName(*error.with);
        }
        StepWriter writer(language_, kDecimalPoint);
        writer.symbols(columns);
        if (const std::optional<Word> need = wordOf(error.need)) {
            writer.verdict(*need).words(Word::Comma).words(wordOf(error.problem));
        } else {
            writer.verdict(wordOf(error.problem));
        }
        return writer.take();
    });
}

void RowErrors::addFieldCount(std::size_t fields, std::size_t headerFields) {
    start();
    text_ += StepWriter(language_, kDecimalPoint)
                 .number(static_cast<double>(fields))
                 .words(Word::FieldsWhereHeaderHas)
                 .number(static_cast<double>(headerFields))
                 .words(Word::FieldsEnd)
                 .take();
}

} // namespace classifier::cli
