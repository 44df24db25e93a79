// soil-classify by the standards' rules, its default, with the other rule set's answer beside.
#include "command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace classifier::cli {
namespace {

using test::runCommand;

struct StandardCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string input;
    std::string output;
    int status;
};

void PrintTo(const StandardCase& c, std::ostream* os) {
    *os << c.name;
}

class StandardSheet : public testing::TestWithParam<StandardCase> {};

TEST_P(StandardSheet, WritesTheChosenRulesAnswerAndTheOther) {
    const StandardCase& c = GetParam();
    const test::CommandResult result = runCommand(c.arguments, c.input);
    EXPECT_EQ(result.output, c.output);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.errors, "");
}

const std::string kUnified = "symbol,group_name,other_rules,error,extra_fields\n";
const std::string kAashto = "group,material,soil_type,group_index,group_index_note,"
                            "subgrade_rating,designation,other_rules,error,extra_fields\n";

INSTANTIATE_TEST_SUITE_P(
    Rules, StandardSheet,
    testing::Values(
        StandardCase{"the standard by default, the window's rules beside where they differ",
                     {"unified"},
                     "p200,p4,ll,pi\n49,52,30,4\n34,98,38,26\n",
                     "p200,p4,ll,pi," + kUnified +
                         "49,52,30,4,GM,Silty gravel,\"window rules: SM, silty sand with "
                         "gravel\",,\n"
                         "34,98,38,26,SC,Clayey sand,,,\n",
                     0},
        StandardCase{"the window's rules asked for, the standard beside",
                     {"unified", "--rules", "window"},
                     "p200,p4,ll,pi\n49,52,30,4\n",
                     "p200,p4,ll,pi," + kUnified +
                         "49,52,30,4,SM,Silty sand with gravel,\"standard: GM, silty gravel\",,\n",
                     0},
        StandardCase{"NP, PL for PI, the diameters for Cc and Cu, the organic test",
                     {"unified"},
                     "id,p200,p4,ll,pl,pi,d10,d30,d60,ll_oven_dried,organic\n"
                     "a,60,100,,,NP,,,,,\n"
                     "b,90,100,24,20,,,,,,\n"
                     "c,3,90,,,,0.1,0.3,0.9,,\n"
                     "d,90,100,40,,20,,,,29.99,\n"
                     "e,30,90,40,,20,,,,,yes\n",
                     "id,p200,p4,ll,pl,pi,d10,d30,d60,ll_oven_dried,organic," + kUnified +
                         "a,60,100,,,NP,,,,,,ML,Sandy silt,window rules: not classified (ll: "
                         "empty; pi: not a number),,\n"
                         "b,90,100,24,20,,,,,,,CL-ML,Silty clay,window rules: not classified "
                         "(pi: empty),,\n"
                         "c,3,90,,,,0.1,0.3,0.9,,,SW,Well-graded sand,\"window rules: not "
                         "classified (ll: empty; pi: empty; cc: needed with 12 % fines or less, "
                         "no such column; cu: needed with 12 % fines or less, no such column)\",,\n"
                         "d,90,100,40,,20,,,,29.99,,OL,Organic clay,\"window rules: CL, lean "
                         "clay\",,\n"
                         "e,30,90,40,,20,,,,,yes,SC,Clayey sand with organic fines,\"window "
                         "rules: SC, clayey sand\",,\n",
                     0},
        StandardCase{"impossible data refused, with what the window's rules would say",
                     {"unified"},
                     "p200,p4,ll,pi,pl\n60,50,30,10,\n60,100,30,,40\n",
                     "p200,p4,ll,pi,pl," + kUnified +
                         "60,50,30,10,,,,\"window rules: CL, gravelly lean clay\",\"p200, p4: "
                         "more passes the finer sieve than the coarser one\",\n"
                         "60,100,30,,40,,,,\"pl, ll: the plastic limit is above the liquid "
                         "limit\",\n",
                     1},
        StandardCase{"AASHTO: the designation, the whole index, the partial index of A-2-6",
                     {"aashto"},
                     "p200,p40,p10,ll,pi\n60,80,100,45,20\n30,60,80,30,20\n20,40,60,30,8\n",
                     "p200,p40,p10,ll,pi," + kAashto +
                         "60,80,100,45,20,A-7-6,Clayey soil,Fine-grained,10,,fair to poor,A-7-6 "
                         "(10),,,\n"
                         "30,60,80,30,20,A-2-6,Clayey and silty sand and gravel,Coarse-grained,2,,"
                         "excellent to good,A-2-6 (2),window rules: A-2-6 (0.75),,\n"
                         "20,40,60,30,8,A-2-4,Clayey and silty sand and gravel,Coarse-grained,0,"
                         "The group index of this kind of soil is zero.,excellent to good,A-2-4 "
                         "(0),window rules: no group,,\n",
                     0},
        StandardCase{"AASHTO: no sieves but No. 200 for a silt-clay, NP without LL",
                     {"aashto"},
                     "p200,ll,pi\n80,,NP\n",
                     "p200,ll,pi," + kAashto +
                         "80,,NP,A-4,Silty soil,Fine-grained,0,The group index of a non-plastic "
                         "soil is zero.,fair to poor,A-4 (0),window rules: not classified (p40: no "
                         "such column; p10: no such column; ll: empty; pi: not a number),,\n",
                     0}));

TEST(StandardSheet, ExplainsTheChosenRules) {
    const std::string sheet = "p200,p40,p10,ll,pi\n58,80,100,30,10\n";
    const std::string firstFit = "the first row from the left that fits";
    EXPECT_NE(runCommand({"aashto", "--explain"}, sheet).output.find(firstFit), std::string::npos);
    EXPECT_EQ(runCommand({"aashto", "--explain", "--rules", "window"}, sheet).output.find(firstFit),
              std::string::npos);
}

TEST(StandardSheet, SaysTheOtherAnswerInPersian) {
    const std::string output =
        runCommand({"unified", "--lang", "fa"}, "p200,p4,ll,pi\n49,52,30,4\n").output;
    const std::string row = ",GM,شن لای\u200Cدار,"
                            "\u200Fطبق قواعد پنجره: \u2066SM\u2069، "
                            "ماسه لای\u200Cدار همراه با شن,,\n";
    EXPECT_NE(output.find(row), std::string::npos) << output;
}

std::string chartOf(const std::vector<std::string>& rules) {
    const std::string path = testing::TempDir() + "standard-chart.svg";
    std::vector<std::string> arguments{"unified", "--chart", path};
    arguments.insert(arguments.end(), rules.begin(), rules.end());
    runCommand(arguments, "p200,p4,ll,pi\n90,100,20,5\n");
    std::ifstream file(path);
    std::ostringstream svg;
    svg << file.rdbuf();
    std::remove(path.c_str());
    return svg.str();
}

TEST(StandardSheet, DrawsTheChartOfTheChosenRules) {
    const std::string standard = chartOf({});
    EXPECT_NE(standard.find(">CL-ML</text>"), std::string::npos);
    EXPECT_NE(standard.find(">ML/OL</text>"), std::string::npos);
    const std::string window = chartOf({"--rules", "window"});
    EXPECT_EQ(window.find(">CL-ML</text>"), std::string::npos);
    EXPECT_NE(window.find(">ML</text>"), std::string::npos);
}

} // namespace
} // namespace classifier::cli
