#include "core/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

namespace classifier {
namespace {

const NumberFormat kDot{".", ","};
const NumberFormat kComma{",", "."};
const NumberFormat kPersian{"\u066B", "\u066C"};

struct ParseCase {
    const char* text;
    std::optional<double> dot, comma, persian;
};

constexpr std::nullopt_t no = std::nullopt;

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ParseInEachLocale : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseInEachLocale, ReadsWhatTheUserMeant) {
    const ParseCase& c = GetParam();
    const std::pair<const NumberFormat*, std::optional<double>> expected[] = {
        {&kDot, c.dot}, {&kComma, c.comma}, {&kPersian, c.persian}};
    for (const auto& [format, value] : expected) {
        SCOPED_TRACE("decimal point " + format->decimalPoint);
        const std::optional<double> read = parseNumber(c.text, *format);
        ASSERT_EQ(read.has_value(), value.has_value());
        if (value) {
            EXPECT_DOUBLE_EQ(*read, *value);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseInEachLocale,
    testing::Values(
        // plain numbers, blanks and signs
        ParseCase{"34", 34, 34, 34}, ParseCase{"  34  ", 34, 34, 34},
        ParseCase{"\t34\r\n", 34, 34, 34}, ParseCase{"+34", 34, 34, 34},
        ParseCase{"-0", -0.0, -0.0, -0.0}, ParseCase{"-12", -12, -12, -12},
        ParseCase{"0100", 100, 100, 100},
        // failures in every locale
        ParseCase{"", no, no, no}, ParseCase{"   ", no, no, no}, ParseCase{"abc", no, no, no},
        ParseCase{"12abc", no, no, no}, ParseCase{"1e400", no, no, no},
        ParseCase{"-1e400", no, no, no}, ParseCase{"- 1", no, no, no}, ParseCase{"+-1", no, no, no},
        ParseCase{"--1", no, no, no}, ParseCase{"3 4", no, no, no}, ParseCase{"3\n4", no, no, no},
        ParseCase{"nan", no, no, no}, ParseCase{"inf", no, no, no}, ParseCase{"0x10", no, no, no},
        ParseCase{"1e", no, no, no}, ParseCase{"e5", no, no, no}, ParseCase{"1e+", no, no, no},
        ParseCase{".", no, no, no}, ParseCase{"34%", no, no, no},
        // exponents, and magnitudes below the smallest double
        ParseCase{"1e3", 1000, 1000, 1000}, ParseCase{"25E-1", 2.5, 2.5, 2.5},
        ParseCase{"1e+2", 100, 100, 100}, ParseCase{"1e-400", 0.0, 0.0, 0.0},
        ParseCase{"1e-99999999999999999999", 0.0, 0.0, 0.0},
        // the design-time texts, and the dot as a decimal point where it does not group
        ParseCase{"1.06", 1.06, no, 1.06}, ParseCase{"23.5", 23.5, no, 23.5},
        ParseCase{".5", 0.5, no, 0.5}, ParseCase{"5.", 5, no, 5}, ParseCase{"1.5e2", 150, no, 150},
        // comma as decimal separator, digit grouping in threes
        ParseCase{"1,5", no, 1.5, no}, ParseCase{"1,234.5", 1234.5, no, no},
        ParseCase{"1.234,5", no, 1234.5, no}, ParseCase{"1,234,567", 1234567, no, no},
        ParseCase{"12,34", no, 12.34, no}, ParseCase{"1234,567", no, 1234.567, no},
        ParseCase{"1,,234", no, no, no}, ParseCase{"123,", no, 123, no},
        ParseCase{",5", no, 0.5, no},
        // Persian and Arabic-Indic digits and separators, in every locale
        ParseCase{"\u06F3\u06F4\u066B\u06F5", 34.5, 34.5, 34.5},
        ParseCase{"\u0663\u0664", 34, 34, 34},
        ParseCase{"\u06F1\u066C\u06F2\u06F3\u06F4", 1234, 1234, 1234},
        ParseCase{"-\u06F1\u06F0", -10, -10, -10},
        // "/" as the decimal point between two Persian or Arabic-Indic digits, and only there;
        // the Arabic comma never
        ParseCase{"\u06F3\u06F4/\u06F5", 34.5, 34.5, 34.5},
        ParseCase{"\u0663\u0664/\u0665", 34.5, 34.5, 34.5},
        ParseCase{"\u06F1\u066C\u06F2\u06F3\u06F4/\u06F5", 1234.5, 1234.5, 1234.5},
        ParseCase{"34/5", no, no, no}, ParseCase{"\u06F3\u06F4/5", no, no, no},
        ParseCase{"34/\u06F5", no, no, no}, ParseCase{"\u06F3\u06F4/", no, no, no},
        ParseCase{"/\u06F5", no, no, no}, ParseCase{"\u06F3/\u06F4/\u06F5", no, no, no},
        ParseCase{"\u06F3\u06F4\u060C\u06F5", no, no, no},
        // invisible marks around a pasted number
        ParseCase{"\u200F34\u200F", 34, 34, 34}, ParseCase{"\u00A034\u00A0", 34, 34, 34},
        ParseCase{"3\u200F4", no, no, no}));

TEST(ParseNumber, NeverReadsPastTheText) {
    const std::string text = "12345";
    EXPECT_EQ(parseNumber(std::string_view(text).substr(0, 2), kDot), 12.0);
    const std::string withNul("3\0"
                              "4",
                              3);
    EXPECT_FALSE(parseNumber(withNul, kDot));
}

TEST(ParseNumber, LongTextsAreReadWhole) {
    const std::string zeros(1'000'000, '0');
    EXPECT_EQ(parseNumber(zeros + "7", kDot), 7.0);
    EXPECT_EQ(parseNumber("0." + zeros + "1", kDot), 0.0);
    EXPECT_FALSE(parseNumber("1" + zeros, kDot));
    EXPECT_FALSE(parseNumber(zeros + "x", kDot));
}

// Plain digits with a decimal point take a short way; a blank before them takes the long one.
TEST(ParseNumber, PlainDigitsReadAsByTheFullRules) {
    const char* texts[] = {"0",
                           "34",
                           "12.5",
                           "12,5",
                           ".5",
                           "5.",
                           "007.10",
                           ".",
                           "1.2.3",
                           "1,2.3",
                           "1,234",
                           "1.234",
                           "1.23456789012345678901234567890",
                           "0000000000000000000000000000000001",
                           "9999999999999999999999999999999"};
    for (const NumberFormat& format : {kDot, kComma, kPersian, NumberFormat{",", "\u00A0"}}) {
        for (const std::string text : texts) {
            EXPECT_EQ(parseNumber(text, format), parseNumber(" " + text, format))
                << text << " with " << format.decimalPoint;
        }
    }
}

TEST(ParseNumber, LocaleWithMultiByteGroupSeparator) {
    const NumberFormat french{",", "\u202F"};
    EXPECT_EQ(parseNumber("1\u202F234,5", french), 1234.5);
    EXPECT_EQ(parseNumber("23.5", french), 23.5);
}

TEST(ParseNumber, ArabicCommaIsNeverADecimalPoint) {
    EXPECT_FALSE(parseNumber("\u06F3\u06F4\u060C\u06F5", NumberFormat{"\u060C", "\u066C"}));
}

struct FormatCase {
    double value;
    const char* dot;
    const char* persian;
};

class FormatGroupIndex : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatGroupIndex, GeneralFormWithFifteenDigits) {
    EXPECT_EQ(formatNumber(GetParam().value, kDot), GetParam().dot);
    EXPECT_EQ(formatNumber(GetParam().value, kPersian), GetParam().persian);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatGroupIndex,
                         testing::Values(FormatCase{0.045000000000000005, "0.045", "0\u066B045"},
                                         FormatCase{10.75, "10.75", "10\u066B75"},
                                         FormatCase{109, "109", "109"},
                                         FormatCase{-1.175, "-1.175", "-1\u066B175"},
                                         FormatCase{0.0, "0", "0"}, FormatCase{-0.0, "0", "0"},
                                         FormatCase{1234567, "1234567", "1234567"},
                                         FormatCase{1.1102230246251565e-16, "1.11022302462516E-16",
                                                    "1\u066B11022302462516E-16"},
                                         FormatCase{-2.5e20, "-2.5E+20", "-2\u066B5E+20"},
                                         FormatCase{0.1 + 0.2, "0.3", "0\u066B3"}));

TEST(FormatNumber, ExtremeMagnitudesReadBackWithTheirValueAndSign) {
    const double values[] = {std::numeric_limits<double>::max(),
                             -std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::denorm_min(),
                             -std::numeric_limits<double>::denorm_min(),
                             1e300,
                             -1.5e-300,
                             123456789012345678.0};
    for (const NumberFormat& format : {kDot, kComma, kPersian}) {
        for (double value : values) {
            const std::string text = formatNumber(value, format);
            SCOPED_TRACE(text);
            const std::optional<double> read = parseNumber(text, format);
            ASSERT_TRUE(read);
            EXPECT_EQ(std::signbit(*read), std::signbit(value));
            EXPECT_NEAR(*read / value, 1.0, 1e-14);
        }
    }
}

// Short plain decimals, the numbers of nearly every sheet, are read by a faster way than long
// ones; both give the double nearest the decimal.
TEST(ParseNumber, ReadsShortDecimalsToTheNearestDouble) {
    std::mt19937 random(16);
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        const int digits = std::uniform_int_distribution(1, 17)(random);
        const int point = std::uniform_int_distribution(0, digits)(random);
        for (int d = 0; d < digits; ++d) {
            if (d == point && d > 0) {
                text += '.';
            }
            text += static_cast<char>('0' + std::uniform_int_distribution(0, 9)(random));
        }
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_EQ(parseNumber(text, kDot), expected) << text;
    }
}

} // namespace
} // namespace classifier
