#include "sheet/sheet_signs.h"

#include <gtest/gtest.h>

#include <vector>

namespace classifier::sheet {
namespace {

TEST(Workbooks, AreKnownByTheirFirstBytes) {
    EXPECT_TRUE(isWorkbook(std::string_view("PK\x03\x04\x14\x00", 6))); // .xlsx, .ods
    EXPECT_TRUE(isWorkbook("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00"));    // .xls
    EXPECT_FALSE(isWorkbook("PK,p200\n"));
    EXPECT_FALSE(isWorkbook("p200,p4\n"));
}

TEST(UnitsRows, HaveUnitsAndNoNumbers) {
    using Cells = std::vector<std::string_view>;
    EXPECT_TRUE(isUnitsRow(Cells{"", "%", "%", "(%)"}));
    EXPECT_TRUE(isUnitsRow(Cells{"[mm]", ""}));
    EXPECT_TRUE(isUnitsRow(Cells{"درصد", "درصد"}));
    EXPECT_FALSE(isUnitsRow(Cells{"%", "34"}));
    EXPECT_FALSE(isUnitsRow(Cells{"%", "\u06F3\u06F4"})); // Persian digits are numbers
    EXPECT_FALSE(isUnitsRow(Cells{"", ""}));
    EXPECT_FALSE(isUnitsRow(Cells{"x", "NP"}));
}

TEST(Summaries, NameTheFirstRefusedRows) {
    const auto summary = [](std::size_t rows, std::vector<std::size_t> refused, Language l) {
        Tally tally;
        for (std::size_t row = 2; row < rows + 2; ++row) {
            tally.add(std::find(refused.begin(), refused.end(), row) == refused.end(), row);
        }
        return tally.summary(l);
    };
    std::vector<std::size_t> many = {12, 57, 90};
    for (std::size_t row = 100; row < 111; ++row) {
        many.push_back(row);
    }
    EXPECT_EQ(summary(1204, many, Language::English),
              "1,204 rows: 1,190 classified, 14 refused (rows 12, 57, 90 and 11 more)");
    EXPECT_EQ(summary(40, {}, Language::English), "40 rows: 40 classified");
    EXPECT_EQ(summary(1, {2}, Language::English), "1 row: 0 classified, 1 refused (row 2)");
    EXPECT_EQ(summary(9, {3, 7}, Language::English),
              "9 rows: 7 classified, 2 refused (rows 3 and 7)");
    EXPECT_EQ(
        summary(1204, many, Language::Persian),
        "1\u066C204 سطر: 1\u066C190 طبقه\u200Cبندی شد\u060C 14 رد شد (سطرهای 12\u060C 57\u060C "
        "90 و 11 سطر دیگر)");
}

} // namespace
} // namespace classifier::sheet
