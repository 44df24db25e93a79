#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace classifier {
namespace {

constexpr std::string_view kArabicDecimalPoint = "\u066B";
constexpr std::string_view kArabicGroupSeparator = "\u066C";
constexpr std::string_view kArabicComma = "\u060C";

// Blanks and invisible marks that may surround a typed or pasted number.
constexpr std::array<std::string_view, 12> kBlanks = {
    " ",      "\t", "\n", "\r", "\v", "\f",
    "\u00A0", // no-break space
    "\u202F", // narrow no-break space
    "\u200E", // left-to-right mark
    "\u200F", // right-to-left mark
    "\u061C", // Arabic letter mark
    "\uFEFF", // byte order mark
};

// The value of a Persian (U+06F0..U+06F9) or Arabic-Indic (U+0660..U+0669) digit at the start
// of the text, as an ASCII digit.
std::optional<char> nativeDigit(std::string_view text) {
    if (text.size() < 2) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    const auto trail = static_cast<unsigned char>(text[1]);
    const bool persian = lead == 0xDB && trail >= 0xB0 && trail <= 0xB9;
    const bool arabic = lead == 0xD9 && trail >= 0xA0 && trail <= 0xA9;
    if (!persian && !arabic) {
        return std::nullopt;
    }
    return static_cast<char>('0' + (trail & 0x0F));
}

// Walks the text of one number and writes it out as plain ASCII for std::from_chars.
class Scanner {
public:
    Scanner(std::string_view text, const NumberFormat& format) : rest_(text), format_(format) {}

    std::optional<std::string> canonical() {
        trim();
        std::string out;
        if (!take("+") && take("-")) {
            out += '-';
        }
        const std::size_t wholeDigits = integerPart(out);
        std::size_t fractionDigits = 0;
        if (decimalPoint()) {
            out += '.';
            fractionDigits = digits(out);
        }
        if (failed_ || wholeDigits + fractionDigits == 0) {
            return std::nullopt;
        }
        if (take("e") || take("E")) {
            out += 'e';
            if (take("-")) {
                out += '-';
            } else {
                take("+");
            }
            if (digits(out) == 0) {
                return std::nullopt;
            }
        }
        if (failed_ || !rest_.empty()) {
            return std::nullopt;
        }
        return out;
    }

private:
    void trim() {
        for (bool trimmed = true; trimmed;) {
            trimmed = false;
            for (std::string_view blank : kBlanks) {
                while (rest_.starts_with(blank)) {
                    rest_.remove_prefix(blank.size());
                    trimmed = true;
                }
                while (rest_.ends_with(blank)) {
                    rest_.remove_suffix(blank.size());
                    trimmed = true;
                }
            }
        }
    }

    bool take(std::string_view token) {
        if (token.empty() || !rest_.starts_with(token)) {
            return false;
        }
        rest_.remove_prefix(token.size());
        return true;
    }

    bool lookingAt(std::string_view token) const {
        return !token.empty() && rest_.starts_with(token);
    }

    // One digit in ASCII, Persian or Arabic-Indic form.
    std::optional<char> digit() {
        if (!rest_.empty() && rest_[0] >= '0' && rest_[0] <= '9') {
            const char d = rest_[0];
            rest_.remove_prefix(1);
            afterNativeDigit_ = false;
            return d;
        }
        if (const auto d = nativeDigit(rest_)) {
            rest_.remove_prefix(2);
            afterNativeDigit_ = true;
            return d;
        }
        return std::nullopt;
    }

    std::size_t digits(std::string& out) {
        std::size_t count = 0;
        while (const auto d = digit()) {
            out += *d;
            ++count;
        }
        return count;
    }

    bool dotIsDecimalPoint() const {
        return format_.decimalPoint != "." && format_.groupSeparator != ".";
    }

    // Many Persian users type "/" for the decimal point, as their keyboards make it easy to
    // reach; it counts only between two Persian or Arabic-Indic digits ("۳۴/۵"), never in "34/5".
    bool slashBetweenNativeDigits() {
        if (!afterNativeDigit_ || !lookingAt("/") || !nativeDigit(rest_.substr(1))) {
            return false;
        }
        rest_.remove_prefix(1);
        return true;
    }

    bool decimalPoint() {
        if (lookingAt(kArabicComma)) { // a list separator, whatever a locale may claim
            return false;
        }
        return take(format_.decimalPoint) || take(kArabicDecimalPoint) ||
               (dotIsDecimalPoint() && take(".")) || slashBetweenNativeDigits();
    }

    bool groupSeparator() {
        if (lookingAt(format_.decimalPoint) || lookingAt(kArabicDecimalPoint)) {
            return false;
        }
        return take(format_.groupSeparator) || take(kArabicGroupSeparator);
    }

    // Whole digits, grouped in threes after a first group of one to three digits.
    std::size_t integerPart(std::string& out) {
        std::size_t count = digits(out);
        if (count == 0 || count > 3) {
            return count;
        }
        while (groupSeparator()) {
            const std::size_t group = digits(out);
            if (group != 3) {
                failed_ = true;
                return 0;
            }
            count += group;
        }
        return count;
    }

    std::string_view rest_;
    const NumberFormat& format_;
    bool failed_ = false;
    bool afterNativeDigit_ = false; // the last digit read was Persian or Arabic-Indic
};

// Decimal exponent of the leading digit of a canonical number, saturating far beyond the
// range of a double. Positive means the magnitude is at least 1.
long long leadingExponent(std::string_view canonical) {
    const std::size_t e = canonical.find('e');
    const std::string_view mantissa = canonical.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = canonical.substr(e + 1);
        const bool negative = digits.starts_with('-');
        digits.remove_prefix(negative ? 1 : 0);
        for (char d : digits) {
            exponent = std::min(exponent * 10 + (d - '0'), 1'000'000'000LL);
        }
        exponent = negative ? -exponent : exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    const auto place = static_cast<long long>(point) - static_cast<long long>(first);
    return exponent + (first < point ? place : place + 1);
}

// The general format with the given significant digits (or the shortest exact form), the
// locale's decimal separator and a capital exponent letter.
std::string generalForm(double value, std::optional<int> digits, const NumberFormat& format) {
    std::array<char, 64> buffer{};
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    const auto result = digits
                            ? std::to_chars(first, last, value, std::chars_format::general, *digits)
                            : std::to_chars(first, last, value, std::chars_format::general);
    std::string text;
    for (const char* c = first; c != result.ptr; ++c) {
        if (*c == '.') {
            text += format.decimalPoint;
        } else {
            text += *c == 'e' ? 'E' : *c;
        }
    }
    return text;
}

// The value of a number in canonical form: ASCII digits, "." and "e", as the Scanner writes it.
std::optional<double> canonicalValue(std::string_view canonical) {
    const char* begin = canonical.data();
    const char* end = begin + canonical.size();
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ptr != end) {
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range) {
        if (leadingExponent(canonical) > 0) {
            return std::nullopt;
        }
        return canonical.starts_with('-') ? -0.0 : 0.0;
    }
    if (ec != std::errc{} || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The canonical form of a text of ASCII digits with at most one decimal point and nothing
// else, the way almost every number is typed, written into `buffer`; nothing for any other
// text. It is the text itself with "." for the decimal point.
std::optional<std::string_view> plainCanonical(std::string_view text, const NumberFormat& format,
                                               std::array<char, 32>& buffer) {
    if (text.empty() || text.size() > buffer.size()) {
        return std::nullopt;
    }
    const bool singlePoint = format.decimalPoint.size() == 1;
    const bool dotIsPoint = format.decimalPoint != "." && format.groupSeparator != ".";
    bool pointSeen = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            buffer[i] = c;
        } else if (!pointSeen &&
                   ((singlePoint && c == format.decimalPoint[0]) || (c == '.' && dotIsPoint))) {
            buffer[i] = '.';
            pointSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (pointSeen && text.size() == 1) {
        return std::nullopt;
    }
    return std::string_view(buffer.data(), text.size());
}

// The value of a text of at most 15 ASCII digits with at most one decimal point, the way
// nearly every number of a lab sheet is typed: its digits as a whole number, exact in a double,
// divided by an exact power of ten. One correctly rounded division gives the double nearest the
// decimal, the same that std::from_chars gives, at a fraction of the cost. Nothing for any
// other text.
std::optional<double> shortDecimalValue(std::string_view text, const NumberFormat& format) {
    static constexpr std::array<double, 16> kPowersOfTen = {
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const std::string& point = format.decimalPoint;
    const char decimalPoint = point.size() == 1 ? point[0] : '\0';
    const bool dotIsPoint = decimalPoint != '.' && format.groupSeparator != std::string_view(".");
    std::uint64_t digits = 0;
    std::size_t count = 0;
    std::size_t fraction = 0;
    bool pointSeen = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            fraction += pointSeen ? 1 : 0;
            if (++count > 15) {
                return std::nullopt;
            }
        } else if (!pointSeen && c != '\0' && (c == decimalPoint || (c == '.' && dotIsPoint))) {
            pointSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    return static_cast<double>(digits) / kPowersOfTen[fraction];
}

// Any number but a short plain decimal.
[[gnu::noinline]] std::optional<double> otherNumber(std::string_view text,
                                                    const NumberFormat& format) {
    std::array<char, 32> buffer;
    if (const std::optional<std::string_view> plain = plainCanonical(text, format, buffer)) {
        return canonicalValue(*plain);
    }
    const std::optional<std::string> canonical = Scanner(text, format).canonical();
    if (!canonical) {
        return std::nullopt;
    }
    return canonicalValue(*canonical);
}

} // namespace

std::optional<double> parseNumber(std::string_view text, const NumberFormat& format) {
    if (const std::optional<double> value = shortDecimalValue(text, format)) {
        return value;
    }
    return otherNumber(text, format);
}

std::string formatNumber(double value, const NumberFormat& format, int significantDigits) {
    if (value == 0.0) {
        return "0";
    }
    // A whole number of fewer digits than asked for is written as it is, without a point or an
    // exponent: the general format's own text, made by the integer conversion at less cost.
    constexpr double kWholeDigits = 1e15;
    if (significantDigits >= 15 && std::fabs(value) < kWholeDigits && value == std::trunc(value)) {
        std::array<char, 24> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                       static_cast<long long>(value));
        return std::string(digits.data(), end.ptr);
    }
    std::string text = generalForm(value, significantDigits, format);
    // Rounding the largest doubles to 15 digits can carry them past the range of a double;
    // their shortest exact form reads back.
    if (std::fabs(value) > 1e300 && !parseNumber(text, format)) {
        text = generalForm(value, std::nullopt, format);
    }
    return text;
}

} // namespace classifier
