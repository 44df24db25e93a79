// A sheet in memory as the window edits it: pasted, edited, classified row by row.
#include "sheet/document.h"

#include <gtest/gtest.h>

namespace classifier::sheet {
namespace {

using State = Document::State;

TEST(Document, PastedRowsWithAPersianHeaderAreClassified) {
    Document sheet(Method::Unified);
    const std::size_t pasted = sheet.paste("نمونه\tدرصد عبوری از الک ۲۰۰\tالک ۴\tحد روانی\tنشانه "
                                           "خمیری\nS1\t34\t98\t38\t26\nS2\t101\t98\t38\t26\n",
                                           0, 0);
    EXPECT_EQ(pasted, 2u);
    ASSERT_EQ(sheet.rowCount(), 2u);
    EXPECT_FALSE(sheet.headerProblem());
    EXPECT_EQ(sheet.outcome(0).state, State::Classified);
    EXPECT_EQ(sheet.outcome(0).results.front(), "SC");
    EXPECT_EQ(sheet.outcome(1).state, State::Refused);
    ASSERT_EQ(sheet.outcome(1).cellErrors.size(), 1u);
    EXPECT_EQ(sheet.outcome(1).cellErrors[0].column, 1u);
    EXPECT_NE(sheet.outcome(1).cellErrors[0].reason.find("100"), std::string::npos);
    EXPECT_EQ(sheet.tally().summary(Language::English), "2 rows: 1 classified, 1 refused (row 3)");
    EXPECT_EQ(sheet.chartSamples().size(), 1u);
    EXPECT_EQ(sheet.chartSamples()[0].label, "S1");
}

TEST(Document, PlainCellsFallWhereTheyArePasted) {
    Document sheet(Method::Unified);
    sheet.paste("S1\t34\t98\t38\t26\r\nS2\t8\t60\t20\t5\t2\t7\r\n", 0, 0);
    ASSERT_EQ(sheet.rowCount(), 2u);
    EXPECT_EQ(sheet.outcome(0).results.front(), "SC");
    EXPECT_EQ(sheet.outcome(1).results.front(), "SW-SC");
    sheet.paste("60", 1, 1); // one cell into F200 of the second row
    EXPECT_EQ(sheet.row(1)[1], "60");
    EXPECT_EQ(sheet.outcome(1).results.front(), "CL");
}

TEST(Document, AHeaderPastedIntoASheetWithRowsPlacesColumnsByRole) {
    Document sheet(Method::Unified);
    sheet.paste("S1\t34\t98\t38\t26\n", 0, 0);
    sheet.paste("PI\tLL\tF200\tP4\tdepth\n26\t38\t34\t98\t1.5\n", 1, 0);
    ASSERT_EQ(sheet.rowCount(), 2u);
    EXPECT_EQ(sheet.header().back(), "depth");
    EXPECT_EQ(sheet.row(1)[1], "34");
    EXPECT_EQ(sheet.row(1).back(), "1.5");
    EXPECT_EQ(sheet.outcome(1).results.front(), "SC");
}

TEST(Document, AUnitsRowIsNeitherClassifiedNorCounted) {
    Document sheet(Method::Unified);
    sheet.paste("id\tp200\tp4\tll\tpi\n\t%\t%\t%\t\nS1\t34\t98\t38\t26\n", 0, 0);
    EXPECT_EQ(sheet.outcome(0).state, State::Units);
    EXPECT_EQ(sheet.outcome(1).state, State::Classified);
    EXPECT_EQ(sheet.tally().rows(), 1u);
}

TEST(Document, AnotherMethodGetsTheColumnsItNeeds) {
    Document sheet(Method::Unified);
    sheet.paste("S1\t36\t98\t51\t9\n", 0, 0);
    sheet.setMethod(Method::Aashto);
    EXPECT_FALSE(sheet.headerProblem());
    EXPECT_EQ(sheet.header().size(), 9u);              // P40 and P10 added after Cc and Cu
    EXPECT_EQ(sheet.outcome(0).state, State::Refused); // P40 and P10 are empty
    sheet.setCell(0, 7, "30");
    sheet.setCell(0, 8, "10");
    EXPECT_EQ(sheet.outcome(0).results.front(), "A-5");
}

TEST(Document, ABrokenHeaderLeavesEveryRowWaiting) {
    Document sheet(Method::Unified);
    sheet.paste("S1\t34\t98\t38\t26\n", 0, 0);
    sheet.setHeader({"id", "F200", "p200", "ll", "pi"});
    ASSERT_TRUE(sheet.headerProblem());
    EXPECT_EQ(sheet.outcome(0).state, State::Waiting);
}

TEST(Document, CopiesRowsWithTheirResultsAsASpreadsheetPastesThem) {
    Document sheet(Method::Unified, Language::English);
    sheet.paste("S\"1\t34\t98\t38\t26\n", 0, 0);
    const std::vector<std::size_t> rows = {0};
    const std::string copied = sheet.copied(rows);
    EXPECT_EQ(copied.substr(copied.find('\n') + 1),
              "\"S\"\"1\"\t34\t98\t38\t26\t\t\tSC\tClayey sand\t\t\n");
    Document again(Method::Unified);
    again.paste(copied, 0, 0);
    EXPECT_EQ(again.row(0)[0], "S\"1");
    EXPECT_EQ(again.outcome(0).results.front(), "SC");
}

TEST(Document, IsWrittenBackInTheDialectItWasReadIn) {
    const std::string csv = "\xEF\xBB\xBFid;p200;p40;p10;ll;pi\r\nS1;36;40;60;51;9,5\r\n";
    const Document sheet = Document::read(csv, Method::Aashto, Language::English);
    EXPECT_EQ(sheet.outcome(0).results.front(), "A-5");
    const std::string written = sheet.written();
    EXPECT_EQ(written.substr(0, written.find("\r\n") + 2),
              "\xEF\xBB\xBFid;p200;p40;p10;ll;pi;group;material;soil_type;group_index;"
              "group_index_note;subgrade_rating;designation;other_rules;error\r\n");
    EXPECT_NE(written.find(";0,15;"), std::string::npos) << written; // the index, in its sign
    // read again, its old results give way to new ones
    const Document again = Document::read(written, Method::Aashto, Language::English);
    EXPECT_EQ(again.header().size(), 6u);
    EXPECT_EQ(again.written(), written);
}

TEST(Document, RefusesWhatIsNoSheet) {
    EXPECT_THROW(Document::read(std::string("PK\x03\x04", 4), Method::Unified, Language::English),
                 SheetError);
    EXPECT_THROW(Document::read("p200,p4\n\"34,98\n", Method::Unified, Language::English),
                 SheetError);
    EXPECT_THROW(Document::read("", Method::Unified, Language::English), SheetError);
}

} // namespace
} // namespace classifier::sheet
