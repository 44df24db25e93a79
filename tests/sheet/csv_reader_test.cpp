#include "sheet/csv_reader.h"

#include <gtest/gtest.h>

namespace classifier::sheet {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct ReadCase {
    std::string name;
    std::string input;
    char delimiter;
    Rows rows;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

// Reads the input handed over in pieces of the given size.
Rows readInPieces(const std::string& input, std::size_t piece, char* delimiter = nullptr) {
    Rows rows;
    CsvReader reader([&rows](Row row) { rows.emplace_back(row.begin(), row.end()); });
    for (std::size_t at = 0; at < input.size(); at += piece) {
        reader.feed(std::string_view(input).substr(at, piece));
    }
    reader.finish();
    if (delimiter) {
        *delimiter = reader.delimiter();
    }
    return rows;
}

class ReadSheet : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadSheet, GivesTheSameRowsHoweverTheInputArrives) {
    const ReadCase& c = GetParam();
    char delimiter = 0;
    EXPECT_EQ(readInPieces(c.input, c.input.size() + 1, &delimiter), c.rows);
    EXPECT_EQ(delimiter, c.delimiter);
    EXPECT_EQ(readInPieces(c.input, 1), c.rows);
    EXPECT_EQ(readInPieces(c.input, 3), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadSheet,
    testing::Values(
        ReadCase{"plain", "a,b\n1,2\n", ',', {{"a", "b"}, {"1", "2"}}},
        ReadCase{"no final line end", "a,b\n1,2", ',', {{"a", "b"}, {"1", "2"}}},
        ReadCase{"CRLF and CR", "a,b\r\n1,2\r3,4\r\n", ',', {{"a", "b"}, {"1", "2"}, {"3", "4"}}},
        ReadCase{"byte-order mark", "\xEF\xBB\xBFp200\n1\n", ',', {{"p200"}, {"1"}}},
        ReadCase{"byte-order mark after blank lines",
                 " \t\n\xEF\xBB\xBFp200\n1\n",
                 ',',
                 {{"p200"}, {"1"}}},
        ReadCase{"a mark in a later field is that field's",
                 "\t\xEF\xBB\xBFp\n",
                 '\t',
                 {{"", "\xEF\xBB\xBFp"}}},
        ReadCase{"empty lines are no rows", "\n\na\r\n\r\n\n1\n\n", ',', {{"a"}, {"1"}}},
        ReadCase{"nor are lines of only blanks",
                 " \t\na;b\n  \r\n1;2\n\t",
                 ';',
                 {{"a", "b"}, {"1", "2"}}},
        ReadCase{"empty fields kept", "a,b,c\n,,\n", ',', {{"a", "b", "c"}, {"", "", ""}}},
        ReadCase{"blanks kept", " a , b\n", ',', {{" a ", " b"}}},
        ReadCase{"quoted delimiter, quote and line end",
                 "a,b\n\"1,5\",\"say \"\"hi\"\"\nthere\"\n",
                 ',',
                 {{"a", "b"}, {"1,5", "say \"hi\"\nthere"}}},
        ReadCase{"empty quoted field is a row", "a\n\"\"\n", ',', {{"a"}, {""}}},
        ReadCase{"stray quotes kept", "a\"b,\"c\"d\n", ',', {{"a\"b", "cd"}}},
        ReadCase{"semicolons", "a;b;c\n1,5;2;3\n", ';', {{"a", "b", "c"}, {"1,5", "2", "3"}}},
        ReadCase{"tabs", "a\tb\n1,5\t2\n", '\t', {{"a", "b"}, {"1,5", "2"}}},
        ReadCase{"more commas than semicolons", "a;b,c,d\n", ',', {{"a;b", "c", "d"}}},
        ReadCase{"as many: comma", "a;b,c\n", ',', {{"a;b", "c"}}},
        ReadCase{"quoted delimiters do not count", "\"a,b,c\";d;e\n", ';', {{"a,b,c", "d", "e"}}},
        ReadCase{"a stray quote in the header opens nothing",
                 "a\"b;c,d;e\n1;2;3\n",
                 ';',
                 {{"a\"b", "c,d", "e"}, {"1", "2", "3"}}},
        ReadCase{"header after empty lines", "\r\n\r\na;b\n", ';', {{"a", "b"}}}));

// The reading stops at a quote never closed and at a row past the limit, naming the line where
// the quote or the row began, however the input arrives.
TEST(ReadSheet, StopsAtAnOpenQuoteOrARowPastTheLimit) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a,b\n1,\"2\n3,4\n", "line 2: a quote opens a field here and is never closed"},
        {"a,b\r\n\"x\ry\",1\r\n\r\n2,\"3",
         "line 5: a quote opens a field here and is never closed"},
        {"a,\"b", "line 1: a quote opens a field here and is never closed"},
        {"a,b\n\n1,\"" + std::string(100, 'x'),
         "line 3: a quote opens a field here and is not closed within 64 bytes"},
        {"a,b\n1,2\n" + std::string(100, 'x'), "line 3: the row is longer than 64 bytes"},
        {std::string(100, 'x'), "line 1: the row is longer than 64 bytes"},
    };
    for (const auto& [input, message] : cases) {
        for (const std::size_t piece : {std::size_t(1), std::size_t(7), input.size()}) {
            CsvReader reader([](Row) {}, 64);
            try {
                for (std::size_t at = 0; at < input.size(); at += piece) {
                    reader.feed(std::string_view(input).substr(at, piece));
                }
                reader.finish();
                ADD_FAILURE() << input << ": read to the end";
            } catch (const UnreadableSheet& error) {
                EXPECT_EQ(error.what(), message) << input << " in pieces of " << piece;
            }
        }
    }
}

} // namespace
} // namespace classifier::sheet
