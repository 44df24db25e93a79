#include "row_check.h"

#include "core/number_text.h"
#include "core/path_text.h"

namespace classifier::cli {
namespace {

constexpr Wording kEmpty = {"خالی است", "empty"};
constexpr Wording kNotANumber = {"عدد نیست", "not a number"};
constexpr Wording kOutside0To100 = {"خارج از بازه 0 تا 100", "outside 0 to 100"};
constexpr Wording kBelow0 = {"کمتر از 0", "below 0"};
constexpr Wording kNoColumn = {"چنین ستونی نیست", "no such column"};
constexpr Wording kNeeded = {"با ریزدانه 12 % یا کمتر لازم است", "needed with 12 % fines or less"};
constexpr Wording kFieldsWhere = {" خانه، در حالی که سطر عنوان ", " fields where the header has "};
constexpr Wording kFieldsEnd = {" خانه دارد", ""};
constexpr Wording kGroupIndexOverflow = {
    "آن\u200Cقدر بزرگ که نشانه گروه از بازه اعداد بیرون می\u200Cرود",
    "so large that the group index leaves the range of numbers"};

const NumberFormat kDecimalPoint{".", ","};

Wording wordingOf(Problem problem) {
    switch (problem) {
    case Problem::Empty:
        return kEmpty;
    case Problem::Outside0To100:
        return kOutside0To100;
    case Problem::Below0:
        return kBelow0;
    case Problem::NoColumn:
        return kNoColumn;
    default:
        return kNotANumber;
    }
}

bool blank(std::string_view field) {
    return field.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

Reading readField(std::string_view field, const NumberFormat& format, Range range) {
    if (blank(field)) {
        return {std::nullopt, Problem::Empty};
    }
    const std::optional<double> value = parseNumber(field, format);
    if (!value) {
        return {std::nullopt, Problem::NotANumber};
    }
    if (range != Range::Any && *value < 0) {
        return {std::nullopt,
                range == Range::Percentage ? Problem::Outside0To100 : Problem::Below0};
    }
    if (range == Range::Percentage && *value > 100) {
        return {std::nullopt, Problem::Outside0To100};
    }
    return {value, Problem::None};
}

void RowErrors::start() {
    if (!text_.empty()) {
        text_ += kSemicolon.in(language_);
    }
}

void RowErrors::add(std::string_view column, Problem problem) {
    start();
    text_ +=
        StepWriter(language_, kDecimalPoint).symbols(column).verdict(wordingOf(problem)).take();
}

void RowErrors::addNeeded(std::string_view column, Problem problem) {
    start();
    text_ += StepWriter(language_, kDecimalPoint)
                 .symbols(column)
                 .verdict(kNeeded)
                 .words(kComma)
                 .words(wordingOf(problem))
                 .take();
}

void RowErrors::addFieldCount(std::size_t fields, std::size_t headerFields) {
    start();
    text_ += StepWriter(language_, kDecimalPoint)
                 .number(static_cast<double>(fields))
                 .words(kFieldsWhere)
                 .number(static_cast<double>(headerFields))
                 .words(kFieldsEnd)
                 .take();
}

void RowErrors::addGroupIndexOverflow() {
    start();
    text_ +=
        StepWriter(language_, kDecimalPoint).symbols("ll, pi").verdict(kGroupIndexOverflow).take();
}

} // namespace classifier::cli
