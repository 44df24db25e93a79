#include "sheet_signs.h"

#include "core/words.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace classifier::sheet {
namespace {

constexpr std::string_view kZipSignature = "PK\x03\x04";
constexpr std::string_view kCompoundFileSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

// Units as labs write them under a header, after blanks and brackets are dropped.
constexpr std::array<std::string_view, 8> kUnits = {"%", "\u066A",  "mm",   "cm",
                                                    "g", "percent", "درصد", "میلیمتر"};

std::string_view withoutBrackets(std::string_view cell) {
    while (!cell.empty() && (cell.front() == ' ' || cell.front() == '(' || cell.front() == '[')) {
        cell.remove_prefix(1);
    }
    while (!cell.empty() && (cell.back() == ' ' || cell.back() == ')' || cell.back() == ']')) {
        cell.remove_suffix(1);
    }
    return cell;
}

bool hasDigit(std::string_view cell) {
    for (std::size_t i = 0; i < cell.size(); ++i) {
        const auto c = static_cast<unsigned char>(cell[i]);
        const bool persianOrArabic =
            i + 1 < cell.size() && ((c == 0xDB && static_cast<unsigned char>(cell[i + 1]) >= 0xB0 &&
                                     static_cast<unsigned char>(cell[i + 1]) <= 0xB9) ||
                                    (c == 0xD9 && static_cast<unsigned char>(cell[i + 1]) >= 0xA0 &&
                                     static_cast<unsigned char>(cell[i + 1]) <= 0xA9));
        if ((c >= '0' && c <= '9') || persianOrArabic) {
            return true;
        }
    }
    return false;
}

// 1204 -> "1,204" in English, "1٬204" in Persian.
std::string grouped(std::size_t value, Language language) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    const std::string plain(digits.data(), end);
    std::string text;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (i > 0 && (plain.size() - i) % 3 == 0) {
            text += language == Language::Persian ? "\u066C" : ",";
        }
        text += plain[i];
    }
    return text;
}

} // namespace

bool isWorkbook(std::string_view firstBytes) {
    return firstBytes.starts_with(kZipSignature) || firstBytes.starts_with(kCompoundFileSignature);
}

bool isUnitsRow(std::span<const std::string_view> valueCells) {
    bool unit = false;
    for (const std::string_view cell : valueCells) {
        if (hasDigit(cell)) {
            return false;
        }
        const std::string_view bare = withoutBrackets(cell);
        unit = unit || std::find(kUnits.begin(), kUnits.end(), bare) != kUnits.end();
    }
    return unit;
}

void Tally::add(bool classified, std::size_t rowNumber) {
    ++rows_;
    if (!classified) {
        if (refused_ < kNamed) {
            firstRefused_[refused_] = rowNumber;
        }
        ++refused_;
    }
}

std::string Tally::summary(Language language) const {
    const auto n = [language](std::size_t value) { return grouped(value, language); };
    const auto say = [language](Word word) { return std::string(classifier::say(word, language)); };
    std::string text = n(rows_) + say(rows_ == 1 ? Word::RowCountOne : Word::RowCountMany) +
                       n(rows_ - refused_) + say(Word::Classified);
    if (refused_ == 0) {
        return text;
    }
    text += say(Word::Comma) + n(refused_) + say(Word::Refused) + " (" +
            say(refused_ == 1 ? Word::RefusedRowOne : Word::RefusedRowsMany);
    const std::size_t named = std::min(refused_, kNamed);
    for (std::size_t i = 0; i < named; ++i) {
        const bool last = i + 1 == named && refused_ <= kNamed;
        text += i == 0 ? "" : say(last ? Word::And : Word::Comma);
        text += n(firstRefused_[i]);
    }
    if (refused_ > kNamed) {
        text += say(Word::And) + n(refused_ - kNamed) + say(Word::MoreRows);
    }
    return text + ")";
}

} // namespace classifier::sheet
