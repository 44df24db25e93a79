#include "sheet/row_errors.h"

#include "core/path_text.h"

#include <array>

namespace classifier::sheet {
namespace {

const NumberFormat kDecimalPoint{".", ","};

Word wordOf(Problem problem) {
    switch (problem) {
    case Problem::Missing:
        return Word::NoSuchColumn;
    case Problem::Empty:
        return Word::Empty;
    case Problem::Bound:
        return Word::BoundNotMeasured;
    case Problem::Outside0To100:
        return Word::Outside0To100;
    case Problem::Below0:
        return Word::Below0;
    case Problem::GroupIndexOverflow:
        return Word::GroupIndexOverflow;
    case Problem::NotANumber:
        break;
    }
    return Word::NotANumber;
}

} // namespace

void RowErrors::start() {
    if (!text_.empty()) {
        text_ += say(Word::Semicolon, language_);
    }
}

// "p4: outside 0 to 100", "cc: needed with 12 % fines or less, empty", "ll, pi: so large ..."
void RowErrors::add(const FieldError& error, std::string_view column,
                    std::string_view otherColumn) {
    start();
    std::string columns(column);
    if (error.with) {
        columns += ", ";
        columns += otherColumn;
    }
    StepWriter writer(language_, kDecimalPoint);
    writer.symbols(columns);
    if (error.neededForGrading) {
        writer.verdict(Word::NeededForGrading).words(Word::Comma).words(wordOf(error.problem));
    } else {
        writer.verdict(wordOf(error.problem));
    }
    text_ += writer.take();
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
