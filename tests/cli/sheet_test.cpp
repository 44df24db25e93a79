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

const std::string kUnifiedHeader = "p200,p4,ll,pi,cc,cu,symbol,group_name,other_rules,error\n";

INSTANTIATE_TEST_SUITE_P(
    Rules, ClassifySheet,
    testing::Values(
        SheetCase{"header names in any case and blanks, other columns in their place",
                  {"unified", "--rules", "window"},
                  "id, P200 ,depth,P4,LL,Pi\nBH1,34,2.5,98,38,26\n",
                  "id, P200 ,depth,P4,LL,Pi,symbol,group_name,other_rules,error\n"
                  "BH1,34,2.5,98,38,26,SC,Clayey sand,,\n",
                  0},
        SheetCase{"dual symbol, grading pair first",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi,cc,cu\n8,60,20,5,2,7\n",
                  kUnifiedHeader + "8,60,20,5,2,7,SW-SC,Well-graded sand with clay and gravel,"
                                   "\"standard: SW-SC, well-graded sand with silty clay and "
                                   "gravel\",\n",
                  0},
        SheetCase{"cc and cu may be missing when no row needs them",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi\n60,90,30,7.3\n",
                  "p200,p4,ll,pi,symbol,group_name,other_rules,error\n"
                  "60,90,30,7.3,CL,Sandy lean clay,,\n",
                  0},
        SheetCase{"semicolons: comma or point as the decimal point",
                  {"unified", "--rules", "window"},
                  "p200;p4;ll;pi\n60,5;90;30.0;7,3\n\"1.234,5\";90;30;7\n",
                  "p200,p4,ll,pi,symbol,group_name,other_rules,error\n"
                  "\"60,5\",90,30.0,\"7,3\",CL,Sandy lean clay,,\n"
                  "\"1.234,5\",90,30,7,,,,p200: not a number\n",
                  1},
        SheetCase{"commas: point as the decimal point, comma groups thousands",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi\n\"60,5\",90,30,7\n\"1,000\",90,30,7\n60.5,90,30,7.3\n",
                  "p200,p4,ll,pi,symbol,group_name,other_rules,error\n"
                  "\"60,5\",90,30,7,,,,p200: not a number\n"
                  "\"1,000\",90,30,7,,,,p200: outside 0 to 100\n"
                  "60.5,90,30,7.3,CL,Sandy lean clay,,\n",
                  1},
        SheetCase{"Persian digits and the Arabic decimal separator",
                  {"unified", "--rules", "window"},
                  "p200\tp4\tll\tpi\n۶۰٫۵\t٩٠\t30\t7.3\n",
                  "p200,p4,ll,pi,symbol,group_name,other_rules,error\n"
                  "۶۰٫۵,٩٠,30,7.3,CL,Sandy lean clay,,\n",
                  0},
        SheetCase{"byte-order mark, CRLF, quoting out as needed",
                  {"unified", "--rules", "window"},
                  "\xEF\xBB\xBFnote,p200,p4,ll,pi\r\n\"say \"\"x\"\"\",60,90,30,7.3\r\n",
                  "note,p200,p4,ll,pi,symbol,group_name,other_rules,error\n"
                  "\"say \"\"x\"\"\",60,90,30,7.3,CL,Sandy lean clay,,\n",
                  0},
        SheetCase{"every column at fault is named, in the order the window checks them",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi,cc,cu\n101,x,-1,,,\n",
                  kUnifiedHeader + "101,x,-1,,,,,,,p200: outside 0 to 100; p4: not a number; "
                                   "ll: below 0; pi: empty\n",
                  1},
        SheetCase{"cc and cu needed with 12 % fines or less",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi,cc,cu\n12,60,20,5,,abc\n13,60,20,5,,abc\n",
                  kUnifiedHeader +
                      "12,60,20,5,,abc,,,,\"cc: needed with 12 % fines or less, empty; "
                      "cu: needed with 12 % fines or less, not a number\"\n"
                      "13,60,20,5,,abc,SM,Silty sand with gravel,\"standard: SC-SM, "
                      "silty, clayey sand with gravel\",\n",
                  1},
        SheetCase{"cc needed but no such column",
                  {"unified", "--rules", "window"},
                  "p200,p4,ll,pi,cu\n3,60,20,5,7\n",
                  "p200,p4,ll,pi,cu,symbol,group_name,other_rules,error\n"
                  "3,60,20,5,7,,,,\"cc: needed with 12 % fines or less, no such column\"\n",
                  1},
        SheetCase{"a row with too few or too many fields keeps them all",
                  {"unified", "--rules", "window"},
                  "id,p200,p4,ll,pi\nA,60\nB,60,90,30,7,extra\n",
                  "id,p200,p4,ll,pi,symbol,group_name,other_rules,error\n"
                  "A,60,,,,,,,2 fields where the header has 5\n"
                  "B,60,90,30,7,,,,6 fields where the header has 5,extra\n",
                  1},
        SheetCase{"only a header, -o - is standard output",
                  {"unified", "--rules", "window", "-o", "-"},
                  "p200,p4,ll,pi\n",
                  "p200,p4,ll,pi,symbol,group_name,other_rules,error\n",
                  0},
        SheetCase{"AASHTO: group, notes, index as the window shows them",
                  {"aashto", "--rules", "window", "--lang", "en"},
                  "p200,p40,p10,ll,pi\n36,30,10,51,9\n15,25,40,20,3\n20,40,60,30,8\n",
                  "p200,p40,p10,ll,pi,group,material,soil_type,group_index,group_index_note,"
                  "subgrade_rating,designation,other_rules,error\n"
                  "36,30,10,51,9,A-5,Silty soil,Fine-grained,0.045,,fair to poor,A-5 (0.045),"
                  "\"standard: not classified (p200, p40: more passes the finer sieve than the "
                  "coarser one; p40, p10: more passes the finer sieve than the coarser one)\",\n"
                  "15,25,40,20,3,A-1-b,Sand and gravel or stone fragments,Coarse-grained,0,"
                  "The group index of this kind of soil is zero. | The group index came out "
                  "negative and is taken as zero.,excellent to good,A-1-b (0),standard: A-1-a "
                  "(0),\n"
                  "20,40,60,30,8,,,Coarse-grained,0,The group index came out negative and is "
                  "taken as zero.,,,standard: A-2-4 (0),\n",
                  0},
        SheetCase{"AASHTO: LL and PI need numbers, of any size the index allows",
                  {"aashto", "--rules", "window"},
                  "p200,p40,p10,ll,pi\n36,30,10,,x\n36,30,10,-5,-5\n100,0,0,1.7e308,1.7e308\n",
                  "p200,p40,p10,ll,pi,group,material,soil_type,group_index,group_index_note,"
                  "subgrade_rating,designation,other_rules,error\n"
                  "36,30,10,,x,,,,,,,,,ll: empty; pi: not a number\n"
                  "36,30,10,-5,-5,A-4,Silty soil,Fine-grained,0,The group index came out "
                  "negative and is taken as zero.,fair to poor,A-4 (0),\"standard: not "
                  "classified (p200, p40: more passes the finer sieve than the coarser one; p40, "
                  "p10: more passes the finer sieve than the coarser one; ll: below 0; pi: below "
                  "0)\",\n"
                  "100,0,0,1.7e308,1.7e308,,,,,,,,,\"ll, pi: so large that the group index "
                  "leaves the range of numbers\"\n",
                  1},
        SheetCase{
            "explanation: the steps joined",
            {"unified", "--rules", "window", "--explain"},
            "p200,p4,ll,pi\n60,90,30,7.3\n",
            "p200,p4,ll,pi,symbol,group_name,other_rules,explanation,error\n"
            "60,90,30,7.3,CL,Sandy lean clay,,\"F200 = 60 % > 50 %: fine-grained | "
            "PI = 7.3 ≥ 0.73 × (LL − 20) = 7.3: clay (C) | LL = 30 ≤ 50: low plasticity (L) | "
            "gravel 10 %, sand 30 %, fines 60 %: Sandy lean clay\",\n",
            0}));

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
        kUnifiedHeader + "34,98,38,26,,,SC,ماسه رس\u200Cدار,,\n"
                         "3,60,20,5,,,,,,\u200F\u2066cc\u2069: با ریزدانه 12 % یا کمتر لازم است، "
                         "خالی است؛ \u200F\u2066cu\u2069: با ریزدانه 12 % یا کمتر لازم است، "
                         "خالی است\n";
    const std::string english = kUnifiedHeader +
                                "34,98,38,26,,,SC,Clayey sand,,\n"
                                "3,60,20,5,,,,,,\"cc: needed with 12 % fines or less, empty; "
                                "cu: needed with 12 % fines or less, empty\"\n";
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

// Names, materials and notes in Persian letters, without the window's padding.
TEST(ClassifySheet, PersianTextsUseThePersianLettersAndNoPadding) {
    const std::string output = runCommand({"aashto", "--rules", "window", "--lang", "fa"},
                                          "p200,p40,p10,ll,pi\n15,25,40,20,3\n")
                                   .output;
    EXPECT_NE(output.find(",A-1-b,ماسه و شن یا قلوه سنگ,درشت\u200Cدانه,0,"
                          "نشانه گروه این نوع خاک برابر صفر است . | "
                          "نشانه گروه منفی شد برابر صفر می شود .,عالی تا خوب,A-1-b (0),"),
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
        RefusalCase{{"aashto", "--rules", "window"}, kSheet, "the header has no column \"p40\""},
        RefusalCase{{"aashto"}, "p40,p10,ll,pi\n", "the header has no column \"p200\""},
        RefusalCase{{"unified", "--rules", "exact"},
                    kSheet,
                    "--rules: exact not in {standard,window}" + kSeeHelp},
        RefusalCase{
            {"unified"}, "p200,P200,p4,ll,pi\n", "the column \"p200\" appears twice in the header"},
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
