#include "cli/csv_reader.h"

#include <gtest/gtest.h>

namespace classifier::cli {
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
        ReadCase{"empty lines are no rows", "\n\na\r\n\r\n\n1\n\n", ',', {{"a"}, {"1"}}},
        ReadCase{"empty fields kept", "a,b,c\n,,\n", ',', {{"a", "b", "c"}, {"", "", ""}}},
        ReadCase{"blanks kept", " a , b\n", ',', {{" a ", " b"}}},
        ReadCase{"quoted delimiter, quote and line end",
                 "a,b\n\"1,5\",\"say \"\"hi\"\"\nthere\"\n",
                 ',',
                 {{"a", "b"}, {"1,5", "say \"hi\"\nthere"}}},
        ReadCase{"empty quoted field is a row", "a\n\"\"\n", ',', {{"a"}, {""}}},
        ReadCase{"stray quotes kept", "a\"b,\"c\"d\n", ',', {{"a\"b", "cd"}}},
        ReadCase{"open quote runs to the end", "a,\"b\n1,2", ',', {{"a", "b\n1,2"}}},
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

TEST(ReadSheet, ARowPastTheLimitStopsTheReading) {
    CsvReader reader([](Row) {}, 64);
    reader.feed("a,b\n\"");
    EXPECT_THROW(reader.feed(std::string(100, 'x')), RowTooLong);
    CsvReader waiting([](Row) {}, 64);
    EXPECT_THROW(waiting.feed(std::string(100, 'x')), RowTooLong);
}

} // namespace
} // namespace classifier::cli
