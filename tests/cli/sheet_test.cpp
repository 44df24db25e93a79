#include "command.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace classifier::cli {
namespace {

using test::runCommand;

struct SheetCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string input;
    std::string output;
    int status;
};

void PrintTo(const SheetCase& c, std::ostream* os) {
    *os << c.name;
}

class ClassifySheet : public testing::TestWithParam<SheetCase> {};

TEST_P(ClassifySheet, WritesEveryRowWithItsResult) {
    const SheetCase& c = GetParam();
    const test::CommandResult result = runCommand(c.arguments, c.input);
    EXPECT_EQ(result.output, c.output);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.errors, "");
}

const std::string kUnifiedHeader =
    "p200,p4,ll,pi,cc,cu,symbol,group_name,other_rules,error,extra_fields\n";

INSTANTIATE_TEST_SUITE_P(
    Rules, ClassifySheet,
    testing::Values(
        SheetCase{"header names in any case and blanks, other columns in their place",
                  {"unified", "--rules", "window"},
                  "id, P200 ,depth,P4,LL,Pi\nBH1,34,2.5,98,38,26\n",
                  "id, P200 ,depth,P4,LL,Pi,symbol,group_name,other_rules,error,extra_fields\n"
                  "BH1,34,2.5,98,38,26,SC,Clayey sand,,,\n",
                  0},
        SheetCase{"dual symbol, grading pair first",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi,cc,cu\n8,60,20,5,2,7\n",
                  kUnifiedHeader + "8,60,20,5,2,7,SW-SC,Well-graded sand with clay and gravel,"
                                   "\"standard: SW-SC, well-graded sand with silty clay and "
                                   "gravel\",,\n",
                  0},
        SheetCase{"cc and cu may be missing when no row needs them",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi\n60,90,30,7.3\n",
                  "p200,p4,ll,pi,symbol,group_name,other_rules,error,extra_fields\n"
                  "60,90,30,7.3,CL,Sandy lean clay,,,\n",
                  0},
        SheetCase{"semicolons: comma or point as the decimal point, written back with semicolons",
                  {"unified"},
                  "p200;p4;ll;pi\n60,5;90;30.0;7,3\n\"1.234,5\";90;30;7\n",
                  "p200;p4;ll;pi;symbol;group_name;other_rules;error;extra_fields\n"
                  "60,5;90;30.0;7,3;CL;Sandy lean clay;;;\n"
                  "1.234,5;90;30;7;;;;p200: not a number;\n",
                  1},
        SheetCase{
            "the decimal sign of the sheet's numbers, in the index the command writes",
            {"aashto", "--rules", "window"},
            "p200;p40;p10;ll;pi\n36;40;60;51;9,0\n",
            "p200;p40;p10;ll;pi;group;material;soil_type;group_index;group_index_note;"
            "subgrade_rating;designation;other_rules;error;extra_fields\n"
            "36;40;60;51;9,0;A-5;Silty soil;Fine-grained;0,045;;fair to poor;A-5 (0,045);;;\n",
            0},
        SheetCase{
            "semicolons and whole numbers: the decimal comma of such sheets",
            {"aashto", "--rules", "window"},
            "p200;p40;p10;ll;pi\r\n36;40;60;51;9\r\n",
            "p200;p40;p10;ll;pi;group;material;soil_type;group_index;group_index_note;"
            "subgrade_rating;designation;other_rules;error;extra_fields\r\n"
            "36;40;60;51;9;A-5;Silty soil;Fine-grained;0,045;;fair to poor;A-5 (0,045);;;\r\n",
            0},
        SheetCase{
            "the output's delimiter and decimal sign as asked",
            {"aashto", "--rules", "window", "--delimiter", ",", "--decimal", "."},
            "p200;p40;p10;ll;pi\n36;40;60;51;9,0\n",
            "p200,p40,p10,ll,pi,group,material,soil_type,group_index,group_index_note,"
            "subgrade_rating,designation,other_rules,error,extra_fields\n"
            "36,40,60,51,\"9,0\",A-5,Silty soil,Fine-grained,0.045,,fair to poor,A-5 (0.045),,,\n",
            0},
        SheetCase{"commas: point as the decimal point, comma groups thousands",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi\n\"60,5\",90,30,7\n\"1,000\",90,30,7\n60.5,90,30,7.3\n",
                  "p200,p4,ll,pi,symbol,group_name,other_rules,error,extra_fields\n"
                  "\"60,5\",90,30,7,,,,p200: not a number,\n"
                  "\"1,000\",90,30,7,,,,p200: outside 0 to 100,\n"
                  "60.5,90,30,7.3,CL,Sandy lean clay,,,\n",
                  1},
        SheetCase{
            "Persian digits and the Arabic decimal separator",
            {"unified", "--rules", "window"},
            "p200\tp4\tll\tpi\n۶۰٫۵\t٩٠\t30\t7.3\n",
            "p200\tp4\tll\tpi\tsymbol\tgroup_name\tother_rules\terror\textra_fields\n۶۰٫۵\t٩٠\t30"
            "\t7.3\tCL\tSandy lean clay\t\t\t\n",
            0},
        SheetCase{
            "byte-order mark and CRLF kept, quoting out as needed",
            {"unified"},
            "\xEF\xBB\xBFnote,p200,p4,ll,pi\r\n\"say \"\"x\"\"\",60,90,30,7.3\r\n",
            "\xEF\xBB\xBFnote,p200,p4,ll,pi,symbol,group_name,other_rules,error,extra_fields\r\n"
            "\"say \"\"x\"\"\",60,90,30,7.3,CL,Sandy lean clay,,,\r\n",
            0},
        SheetCase{"every column at fault is named, in the order the window checks them",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi,cc,cu\n101,x,-1,,,\n",
                  kUnifiedHeader + "101,x,-1,,,,,,,p200: outside 0 to 100; p4: not a number; "
                                   "ll: below 0; pi: empty,\n",
                  1},
        SheetCase{"cc and cu needed with 12 % fines or less",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi,cc,cu\n12,60,20,5,,abc\n13,60,20,5,,abc\n",
                  kUnifiedHeader +
                      "12,60,20,5,,abc,,,,\"cc: needed with 12 % fines or less, empty; "
                      "cu: needed with 12 % fines or less, not a number\",\n"
                      "13,60,20,5,,abc,SM,Silty sand with gravel,\"standard: SC-SM, "
                      "silty, clayey sand with gravel\",,\n",
                  1},
        SheetCase{"cc needed but no such column",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi,cu\n3,60,20,5,7\n",
                  "p200,p4,ll,pi,cu,symbol,group_name,other_rules,error,extra_fields\n"
                  "3,60,20,5,7,,,,\"cc: needed with 12 % fines or less, no such column\",\n",
                  1},
        SheetCase{"only a header, -o - is standard output",
                  {"unified", "--rules", "window", "-o", "-"},
                  "p200,p4,ll,pi\n",
                  "p200,p4,ll,pi,symbol,group_name,other_rules,error,extra_fields\n",
                  0},
        SheetCase{"AASHTO: group, notes, index as the window shows them",
                  {"aashto", "--rules", "window", "--lang", "en"},
                  "p200,p40,p10,ll,pi\n36,40,60,51,9\n15,25,40,20,3\n20,40,60,30,8\n",
                  "p200,p40,p10,ll,pi,group,material,soil_type,group_index,group_index_note,"
                  "subgrade_rating,designation,other_rules,error,extra_fields\n"
                  "36,40,60,51,9,A-5,Silty soil,Fine-grained,0.045,,fair to poor,A-5 (0.045),,,\n"
                  "15,25,40,20,3,A-1-b,Sand and gravel or stone fragments,Coarse-grained,0,"
                  "The group index of this kind of soil is zero. | The group index came out "
                  "negative and is taken as zero.,excellent to good,A-1-b (0),standard: A-1-a "
                  "(0),,\n"
                  "20,40,60,30,8,,,Coarse-grained,0,The group index came out negative and is "
                  "taken as zero.,,,standard: A-2-4 (0),,\n",
                  0},
        SheetCase{"AASHTO: LL and PI need numbers, of any size the index allows",
                  {"aashto", "--rules", "window"},
                  "p200,p40,p10,ll,pi\n36,30,10,,x\n36,30,10,-5,-5\n100,0,0,1.7e308,1.7e308\n",
                  "p200,p40,p10,ll,pi,group,material,soil_type,group_index,group_index_note,"
                  "subgrade_rating,designation,other_rules,error,extra_fields\n"
                  "36,30,10,,x,,,,,,,,,ll: empty; pi: not a number,\n"
                  "36,30,10,-5,-5,A-4,Silty soil,Fine-grained,0,The group index came out "
                  "negative and is taken as zero.,fair to poor,A-4 (0),\"standard: not classified "
                  "(p200, p40: more passes the finer sieve than the coarser one; p40, p10: more "
                  "passes the finer sieve than the coarser one; ll: below 0; pi: below 0)\",,\n"
                  "100,0,0,1.7e308,1.7e308,,,,,,,,,\"ll, pi: so large that the group index leaves "
                  "the range of numbers\",\n",
                  1},
        SheetCase{
            "explanation: the steps joined",
            {"unified", "--rules", "window", "--explain"},
            "p200,p4,ll,pi\n60,90,30,7.3\n",
            "p200,p4,ll,pi,symbol,group_name,other_rules,explanation,error,extra_fields\n"
            "60,90,30,7.3,CL,Sandy lean clay,,\"F200 = 60 % > 50 %: fine-grained | "
            "PI = 7.3 ≥ 0.73 × (LL − 20) = 7.3: clay (C) | LL = 30 ≤ 50: low plasticity (L) | "
            "gravel 10 %, sand 30 %, fines 60 %: Sandy lean clay\",,\n",
            0}));

// Sheets of awkward shapes: each is read as its author meant, or refused with the line at fault.
struct ShapeCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string input;
    int status;
    std::string output; // or, with status 2, the one line on standard error
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.name;
}

class SheetShape : public testing::TestWithParam<ShapeCase> {};

TEST_P(SheetShape, IsReadAsMeantOrRefusedNamingItsLine) {
    const ShapeCase& c = GetParam();
    const test::CommandResult result = runCommand(c.arguments, c.input);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(c.status == 2 ? result.errors : result.output, c.output);
}

const std::string kShort = "p200,p4,ll,pi\n";
const std::string kShortOut = "p200,p4,ll,pi,symbol,group_name,other_rules,error,extra_fields\n";
const std::string kClayRow = "60,90,30,7.3";
const std::string kClayOut = "60,90,30,7.3,CL,Sandy lean clay,,,\n";
const std::string kWideRow = std::string(17 << 20, '7');

INSTANTIATE_TEST_SUITE_P(
    Shapes, SheetShape,
    testing::Values(
        ShapeCase{"a stray quote opens a field that swallows the rest",
                  {"unified"},
                  kShort + kClayRow + "\n\"60,90,30,7.3\n" + kClayRow + "\n",
                  2,
                  "soil-classify: standard input, line 3: a quote opens a field here and is "
                  "never closed\n"},
        ShapeCase{"lines are counted inside quoted fields, CRLF as one",
                  {"unified"},
                  "note,p200,p4,ll,pi\r\n\"two\r\nlines\",60,90,30,7.3\r\n\r\n\"open,60\r\n",
                  2,
                  "soil-classify: standard input, line 5: a quote opens a field here and is "
                  "never closed\n"},
        ShapeCase{"a row past 16 MiB names its line",
                  {"unified"},
                  kShort + kClayRow + "\n" + kWideRow + "\n",
                  2,
                  "soil-classify: standard input, line 3: the row is longer than 16 MiB\n"},
        ShapeCase{"lines of only blanks are empty lines",
                  {"unified"},
                  " \t\n" + kShort + "  \n" + kClayRow + "\n\t\n \n",
                  0,
                  kShortOut + kClayOut},
        ShapeCase{"in a sheet delimited by tabs too",
                  {"unified"},
                  "\t\t\np200\tp4\tll\tpi\n\t \t\n60\t90\t30\t7.3\n",
                  0,
                  "p200\tp4\tll\tpi\tsymbol\tgroup_name\tother_rules\terror\textra_fields\n"
                  "60\t90\t30\t7.3\tCL\tSandy lean clay\t\t\t\n"},
        ShapeCase{"a quoted blank is a field",
                  {"unified"},
                  kShort + "\" \"\n",
                  1,
                  kShortOut + " ,,,,,,,1 fields where the header has 4,\n"},
        ShapeCase{"fields beyond the header's width go into extra_fields, short rows are filled",
                  {"unified"},
                  "id,p200,p4,ll,pi\nA,60\nB,60,90,30,7,extra,\"x,y\"\n",
                  1,
                  "id,p200,p4,ll,pi,symbol,group_name,other_rules,error,extra_fields\n"
                  "A,60,,,,,,,2 fields where the header has 5,\n"
                  "B,60,90,30,7,,,,7 fields where the header has 5,\"extra,\"\"x,y\"\"\"\n"},
        ShapeCase{"a sheet classified before: its old results replaced where they stand",
                  {"unified"},
                  "symbol,p200,p4,ll,pi,group_name,error,extra_fields\n"
                  "XX,60,90,30,7.3,old name,old error,\n",
                  0,
                  "symbol,p200,p4,ll,pi,group_name,error,other_rules,extra_fields\n"
                  "CL,60,90,30,7.3,Sandy lean clay,,,\n"},
        ShapeCase{"an old explanation is emptied when none is asked for",
                  {"unified"},
                  "p200,p4,ll,pi,symbol,group_name,explanation,error\n60,90,30,7.3,x,y,z,w\n",
                  0,
                  "p200,p4,ll,pi,symbol,group_name,explanation,error,other_rules,extra_fields\n"
                  "60,90,30,7.3,CL,Sandy lean clay,,,,\n"},
        ShapeCase{"a column that only shares a result's name stays the sheet's own",
                  {"unified"},
                  "p200,p4,ll,pi,error\n60,90,30,7.3,0.5\n",
                  0,
                  "p200,p4,ll,pi,error,symbol,group_name,other_rules,error,extra_fields\n"
                  "60,90,30,7.3,0.5,CL,Sandy lean clay,,,\n"}));

// Classifying the classified sheet again writes the same sheet, its extra fields and errors
// included; in JSON its columns are each a key once.
TEST(SheetShape, ClassifyingAnOutputAgainGivesTheSameSheet) {
    const std::string sheet = "id,p200,p40,p10,ll,pi\nB1,36,40,60,51,9\nB2,x,1,1,1,1\n"
                              "B3,60,40,60,50,21,\"a,\"\"b\"\"\",c\n";
    const std::string once = runCommand({"aashto", "--explain"}, sheet).output;
    EXPECT_EQ(runCommand({"aashto", "--explain"}, once).output, once);
    const test::CommandResult json = runCommand({"aashto", "--format", "json"}, once);
    EXPECT_EQ(json.errors, "");
    std::istringstream lines(json.output);
    std::string line;
    for (int skip = 0; skip < 3; ++skip) {
        std::getline(lines, line);
    }
    const nlohmann::json last = nlohmann::json::parse(line);
    EXPECT_EQ(last["extra_fields"], nlohmann::json::array({"a,\"b\"", "c"}));
    EXPECT_EQ(last["explanation"], "");
    EXPECT_EQ(last["group"], "");
}

// A sheet of 100,007 columns, as wide as a 1.4 MB file can hold, in JSON Lines: written in time
// linear in its width (the test's time limit stops a run that is not).
TEST(SheetShape, JsonLinesOfAVeryWideSheet) {
    constexpr std::size_t kColumns = 100'007;
    std::string sheet = "p200,p4,ll,pi";
    std::string row = kClayRow;
    for (std::size_t i = 4; i < kColumns; ++i) {
        sheet += ",c" + std::to_string(i);
        row += ",1";
    }
    sheet += "\n";
    for (int i = 0; i < 4; ++i) {
        sheet += row + "\n";
    }
    const test::CommandResult result = runCommand({"unified", "--format", "json"}, sheet);
    EXPECT_EQ(result.status, 0);
    std::istringstream lines(result.output);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        const nlohmann::json object = nlohmann::json::parse(line);
        EXPECT_EQ(object.size(), kColumns + 4);
        EXPECT_EQ(object["c100006"], "1");
        EXPECT_EQ(object["symbol"], "CL");
    }
    EXPECT_EQ(count, 4);
}

const std::string kPersianInput = "p200,p4,ll,pi,cc,cu\n34,98,38,26,,\n3,60,20,5,,\n";

struct LanguageCase {
    std::vector<std::string> arguments;
    Environment environment;
    bool persian;
};

class ChooseLanguage : public testing::TestWithParam<LanguageCase> {};

TEST_P(ChooseLanguage, FromTheOptionOrTheLocale) {
    const LanguageCase& c = GetParam();
    std::vector<std::string> arguments{"unified"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const std::string output = runCommand(arguments, kPersianInput, c.environment).output;
    const std::string persian =
        kUnifiedHeader + "34,98,38,26,,,SC,ماسه رس\u200Cدار,,,\n"
                         "3,60,20,5,,,,,,\u200F\u2066cc\u2069: با ریزدانه 12 % یا کمتر لازم است، "
                         "خالی است؛ \u200F\u2066cu\u2069: با ریزدانه 12 % یا کمتر لازم است، "
                         "خالی است,\n";
    const std::string english = kUnifiedHeader +
                                "34,98,38,26,,,SC,Clayey sand,,,\n"
                                "3,60,20,5,,,,,,\"cc: needed with 12 % fines or less, empty; "
                                "cu: needed with 12 % fines or less, empty\",\n";
    EXPECT_EQ(output, c.persian ? persian : english);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseLanguage,
    testing::Values(LanguageCase{{}, {}, false}, LanguageCase{{"--lang", "fa"}, {}, true},
                    LanguageCase{{"--lang", "en"}, {"fa_IR.UTF-8", {}, {}}, false},
                    LanguageCase{{}, {"fa_IR.UTF-8", "en_US.UTF-8", "en_US.UTF-8"}, true},
                    LanguageCase{{}, {"", "fa", "en"}, true},
                    LanguageCase{{}, {std::nullopt, std::nullopt, "fa_IR"}, true},
                    LanguageCase{{}, {"C.UTF-8", std::nullopt, "fa_IR"}, false}));

// Headers as labs write them, in English or Persian, or named with --column.
TEST(ClassifySheet, FindsItsColumnsByTheirHeaders) {
    const std::string persian = "نمونه,درصد عبوری از الک ۲۰۰,الک ۴,حد روانی,نشانه خمیری\n"
                                "S1,34,98,38,26\n";
    EXPECT_EQ(runCommand({"unified"}, persian).output,
              persian.substr(0, persian.find('\n')) +
                  ",symbol,group_name,other_rules,error,extra_fields\n" +
                  "S1,34,98,38,26,SC,Clayey sand,,,\n");
    const std::string english = "Sample,F200,Passing No. 4,LL (%),P.I,Fines\nS1,34,98,38,26,8\n";
    const test::CommandResult chosen =
        runCommand({"unified", "--column", "p200=Fines", "--column", "pi=P.I"}, english);
    // 8 % fines, from the chosen column: Cc and Cu are needed
    EXPECT_EQ(chosen.status, 1);
    EXPECT_NE(chosen.output.find("cc: needed with 12 % fines or less"), std::string::npos)
        << chosen.output;
    EXPECT_EQ(runCommand({"unified", "--column", "p2000=x"}, english).status, 2);
}

// A bound is named as such; a dash is an empty field.
TEST(ClassifySheet, TellsABoundFromAMeasuredValue) {
    const test::CommandResult result =
        runCommand({"aashto", "--rules", "window"}, "p200,p40,p10,ll,pi\n<5,30,10,-,5-10\n");
    EXPECT_EQ(result.output.substr(result.output.find('\n') + 1),
              "<5,30,10,-,5-10,,,,,,,,,\"p200: a bound, not a measured value; ll: empty; pi: a "
              "bound, not a measured value\",\n");
}

// A row of units under the header is passed through, neither classified nor counted.
TEST(ClassifySheet, PassesAUnitsRowThrough) {
    const test::CommandResult result =
        runCommand({"unified"}, "id,p200,p4,ll,pi\n,%,%,%,\nS1,34,98,38,26\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output.substr(result.output.find('\n') + 1),
              ",%,%,%,,,,,,\nS1,34,98,38,26,SC,Clayey sand,,,\n");
    EXPECT_EQ(result.summary, "1 row: 1 classified");
}

// How the run went, on standard error, in the chosen language; -q says nothing.
TEST(ClassifySheet, SaysHowTheRunWent) {
    std::string sheet = "p200,p4,ll,pi\n";
    for (int row = 2; row <= 9; ++row) {
        sheet += row % 2 ? "101,98,38,26\n" : "34,98,38,26\n";
    }
    EXPECT_EQ(runCommand({"unified"}, sheet).summary,
              "8 rows: 4 classified, 4 refused (rows 3, 5, 7 and 1 more)");
    EXPECT_EQ(runCommand({"unified", "--lang", "fa"}, sheet).summary,
              "8 سطر: 4 طبقه\u200Cبندی شد\u060C 4 رد شد (سطرهای 3\u060C 5\u060C 7 و 1 سطر دیگر)");
    const test::CommandResult quiet = runCommand({"unified", "-q"}, sheet);
    EXPECT_EQ(quiet.status, 1);
    EXPECT_EQ(quiet.summary + quiet.errors, "");
}

// A workbook saved in place of a CSV file is named as such.
TEST(ClassifySheet, RefusesAWorkbookSayingWhatToDo) {
    const std::string xlsx("PK\x03\x04\x14\x00\x06\x00", 8);
    const test::CommandResult english = runCommand({"unified"}, xlsx);
    EXPECT_EQ(english.status, 2);
    EXPECT_EQ(english.errors, "soil-classify: standard input: this is a spreadsheet workbook: save "
                              "it as CSV (UTF-8)\n");
    const test::CommandResult persian =
        runCommand({"unified", "--lang", "fa"}, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 rest");
    EXPECT_EQ(persian.status, 2);
    EXPECT_NE(persian.errors.find("CSV (UTF-8)"), std::string::npos);
    EXPECT_EQ(persian.errors.find("workbook"), std::string::npos);
}

// Names, materials and notes in Persian letters, without the window's padding.
TEST(ClassifySheet, PersianTextsUseThePersianLettersAndNoPadding) {
    const std::string output = runCommand({"aashto", "--rules", "window", "--lang", "fa"},
                                          "p200,p40,p10,ll,pi\n15,25,40,20,3\n")
                                   .output;
    EXPECT_NE(output.find(",A-1-b,ماسه و شن یا قلوه سنگ,درشت\u200Cدانه,0,"
                          "نشانه گروه این نوع خاک برابر صفر است . | "
                          "نشانه گروه منفی شد برابر صفر می شود .,عالی تا خوب,"),
              std::string::npos)
        << output;
    EXPECT_EQ(output.find("\u064A"), std::string::npos);
    EXPECT_EQ(output.find("\u0643"), std::string::npos);
}

TEST(ClassifySheet, JsonLinesKeepEveryFieldAsTyped) {
    const test::CommandResult result =
        runCommand({"aashto", "--rules", "window", "--format", "json", "--explain"},
                   "id,p200,p40,p10,ll,pi\n\"B,1\",36,30,10,51.0,9\nB2,x\nB3,1,2,3,4,5,6\n");
    EXPECT_EQ(result.status, 1);
    std::istringstream lines(result.output);
    std::vector<nlohmann::ordered_json> rows;
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(nlohmann::ordered_json::parse(line));
    }
    ASSERT_EQ(rows.size(), 3u);
    std::vector<std::string> keys;
    for (const auto& [key, value] : rows[0].items()) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"id", "p200", "p40", "p10", "ll", "pi", "group",
                                              "material", "soil_type", "group_index",
                                              "group_index_note", "subgrade_rating", "designation",
                                              "other_rules", "explanation", "error"}));
    EXPECT_EQ(rows[0]["id"], "B,1");
    EXPECT_EQ(rows[0]["ll"], "51.0");
    EXPECT_EQ(rows[0]["group"], "A-5");
    EXPECT_EQ(rows[0]["group_index"], "0.045");
    EXPECT_EQ(rows[1]["pi"], "");
    EXPECT_EQ(rows[1]["error"], "2 fields where the header has 6");
    EXPECT_EQ(rows[2]["extra_fields"], nlohmann::ordered_json::array({"6"}));
}

struct RefusalCase {
    std::vector<std::string> arguments;
    std::string input;
    std::string message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.message;
}

class RefuseToRun : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefuseToRun, WithStatus2AndOneLine) {
    const RefusalCase& c = GetParam();
    const test::CommandResult result = runCommand(c.arguments, c.input);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.errors, "soil-classify: " + c.message + "\n");
}

const std::string kSheet = "p200,p4,ll,pi\n60,90,30,7\n";
const std::string kSeeHelp = " (see soil-classify --help)";

INSTANTIATE_TEST_SUITE_P(
    Cases, RefuseToRun,
    testing::Values(
        RefusalCase{{"usc"}, kSheet, "method: usc not in {unified,aashto}" + kSeeHelp},
        RefusalCase{{}, kSheet, "method is required" + kSeeHelp},
        RefusalCase{{"unified", "--fast"},
                    kSheet,
                    "The following argument was not expected: --fast" + kSeeHelp},
        RefusalCase{
            {"unified", "--format", "xml"}, kSheet, "--format: xml not in {csv,json}" + kSeeHelp},
        RefusalCase{{"unified", "--chart"}, kSheet, "--chart: 1 required TEXT missing" + kSeeHelp},
        RefusalCase{{"unified", "--chart", "/no/such/dir/c.svg"},
                    kSheet,
                    "cannot write /no/such/dir/c.svg: No such file or directory"},
        RefusalCase{{"aashto", "--rules", "window"},
                    kSheet,
                    "the header has no column for p40 (found: \"p200\", \"p4\", \"ll\", "
                    "\"pi\"); it is found under names like p40, \"passing no. 40\", #40, 0.425 "
                    "mm, «الک ۴۰», «عبوری از الک 40», or say which with --column p40=HEADER"},
        RefusalCase{{"unified"},
                    "p200,F200,p4,ll,pi\n",
                    "the columns \"p200\" and \"F200\" both give p200; say which with --column "
                    "p200=HEADER"},
        RefusalCase{{"unified"}, "", "the input is empty: it has no header row"},
        RefusalCase{{"unified", "/no/such/sheet.csv"},
                    kSheet,
                    "cannot read /no/such/sheet.csv: No such file or directory"},
        RefusalCase{{"unified", "-o", "/no/such/dir/out.csv"},
                    kSheet,
                    "cannot write /no/such/dir/out.csv: No such file or directory"},
        RefusalCase{{"unified", "--format", "json"},
                    "p200,p4,ll,pi,error\n",
                    "--format json: the column name \"error\" would be a key twice; rename the "
                    "column"}));

TEST(CommandLine, HelpAndVersionGoToStandardOutput) {
    const test::CommandResult help = runCommand({"--help"}, "");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.output.starts_with("Usage: soil-classify unified|aashto [options] [FILE]\n"));
    const test::CommandResult version = runCommand({"--version"}, "");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, "soil-classify " SOIL_CLASSIFY_VERSION "\n");
}

} // namespace
} // namespace classifier::cli
