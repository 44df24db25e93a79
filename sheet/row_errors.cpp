#include "sheet/row_errors.h"

#include "core/path_text.h"

#include <cstdint>

namespace classifier::sheet {
namespace {

const NumberFormat kDecimalPoint{".", ","};

} // namespace

void RowErrors::start() {
    if (!text_.empty()) {
        text_ += say(Word::Semicolon, language_);
    }
}

// "p4: outside 0 to 100", "cc: needed with 12 % fines or less, empty", "ll, pi: so large ...",
// the columns by their headers; each kind of error is written once and then copied.
void RowErrors::add(const FieldError& error, std::string_view column,
                    std::string_view otherColumn) {
    start();
    const auto byte = [](auto value) { return static_cast<std::uint32_t>(value); };
    const std::uint32_t key = byte(error.field) | byte(error.problem) << 8 |
                              byte(error.need) << 16 |
                              (error.with ? byte(*error.with) : 0xFFu) << 24;
    text_ += written_.get(key, [&] {
        std::string columns(column);
        if (error.with) {
            columns += ", ";
            columns += otherColumn;
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

} // namespace classifier::sheet
