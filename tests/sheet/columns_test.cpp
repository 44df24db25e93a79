// Columns found by their headers as labs write them.
#include "sheet/columns.h"

#include <gtest/gtest.h>

#include <vector>

namespace classifier::sheet {
namespace {

using R = ColumnRole;

struct Named {
    const char* header;
    std::optional<ColumnRole> role;
};

void PrintTo(const Named& n, std::ostream* os) {
    *os << '"' << n.header << '"';
}

class HeaderNames : public testing::TestWithParam<Named> {};
TEST_P(HeaderNames, TakeTheirRole) {
    EXPECT_EQ(roleOf(GetParam().header), GetParam().role);
}

INSTANTIATE_TEST_SUITE_P(
    Aliases, HeaderNames,
    testing::Values(
        // the command's own names, in any case, with blanks
        Named{"p200", R::P200}, Named{" P4 ", R::P4}, Named{"LL", R::LL}, Named{"pi", R::PI},
        Named{"Cc", R::Cc}, Named{"CU", R::Cu}, Named{"id", R::Id},
        // the No. 200 sieve as labs write it
        Named{"F200", R::P200}, Named{"Fines", R::P200}, Named{"Passing No. 200", R::P200},
        Named{"% passing #200", R::P200}, Named{"#200", R::P200}, Named{"0.075 mm", R::P200},
        Named{"P200 (%)", R::P200}, Named{"الک ۲۰۰", R::P200},
        Named{"درصد عبوری از الک 200", R::P200},
        Named{"در صد عبوري از الك 200  :", R::P200}, // the window's caption, Arabic letters
        // the other sieves, by number or opening
        Named{"No. 4", R::P4}, Named{"4.75 mm", R::P4}, Named{"عبوری از الک ۴", R::P4},
        Named{"P40", R::P40}, Named{"0.425 mm", R::P40}, Named{"passing no.40 [%]", R::P40},
        Named{"p10", R::P10}, Named{"2 mm", R::P10}, Named{"#10", R::P10},
        // limits and indices, units in brackets or after "%"
        Named{"LL (%)", R::LL}, Named{"L.L", R::LL}, Named{"Liquid Limit", R::LL},
        Named{"wL", R::LL}, Named{"حد روانی", R::LL}, Named{"حد رواني (L.L)  :", R::LL},
        Named{"PL%", R::PL}, Named{"Plastic limit", R::PL}, Named{"حد خمیری", R::PL},
        Named{"P.I", R::PI}, Named{"Plasticity Index (%)", R::PI}, Named{"نشانه خمیری", R::PI},
        Named{"شاخص خمیری", R::PI}, Named{"Coefficient of curvature", R::Cc},
        Named{"ضریب یکنواختی", R::Cu}, Named{"D10 (mm)", R::D10}, Named{"d30", R::D30},
        Named{"D60", R::D60}, Named{"LL oven dried", R::LLOvenDried},
        Named{"ll_oven_dried", R::LLOvenDried}, Named{"Organic", R::Organic},
        Named{"Sample", R::Id}, Named{"Sample No.", R::Id}, Named{"نمونه", R::Id},
        Named{"شماره نمونه", R::Id},
        // other columns take no role, even with a sieve's number in them
        Named{"depth", std::nullopt}, Named{"depth 4 m", std::nullopt}, Named{"2", std::nullopt},
        Named{"symbol", std::nullopt}, Named{"group_index", std::nullopt},
        Named{"", std::nullopt}));

std::vector<std::string_view> header(std::initializer_list<std::string_view> names) {
    return names;
}

TEST(Columns, AreFoundWhereverTheyStand) {
    const auto names = header({"Sample", "depth", "F200", "No. 4", "LL (%)", "P.I"});
    const Columns columns = Columns::find(names);
    EXPECT_EQ(columns.of(R::Id), 0u);
    EXPECT_EQ(columns.of(R::P200), 2u);
    EXPECT_EQ(columns.of(R::P4), 3u);
    EXPECT_EQ(columns.of(R::LL), 4u);
    EXPECT_EQ(columns.of(R::PI), 5u);
    EXPECT_FALSE(columns.of(R::Cc));
    EXPECT_EQ(columns.roleAt(2), R::P200);
    EXPECT_FALSE(columns.roleAt(1));
}

TEST(Columns, TwoHeadersForOneRoleAreAnErrorNamingBoth) {
    const auto names = header({"F200", "p4", "p200"});
    try {
        Columns::find(names);
        FAIL();
    } catch (const ColumnError& error) {
        EXPECT_STREQ(error.what(), "the columns \"F200\" and \"p200\" both give p200; say which "
                                   "with --column p200=HEADER");
    }
}

TEST(Columns, TheUsersChoiceComesFirst) {
    const auto names = header({"F200", "p4", "p200", "LL", "liquid"});
    const std::vector<ColumnChoice> choices = {{R::P200, "p200"}, {R::LL, "Liquid"}};
    const Columns columns = Columns::find(names, choices);
    EXPECT_EQ(columns.of(R::P200), 2u);
    EXPECT_EQ(columns.of(R::LL), 4u); // by its name, in any case
    EXPECT_THROW(Columns::find(names, std::vector<ColumnChoice>{{R::PI, "Ip"}}), ColumnError);
    EXPECT_EQ(roleNamed("P200"), R::P200);
    EXPECT_EQ(roleNamed("ll_oven_dried"), R::LLOvenDried);
    EXPECT_FALSE(roleNamed("p300"));
}

TEST(Columns, AMissingRoleListsTheHeadersAndTheNamesItTakes) {
    const auto names = header({"sample", "fines %"});
    try {
        Columns::missing(R::P4, names);
    } catch (const ColumnError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("no column for p4"), std::string::npos) << message;
        EXPECT_NE(message.find("\"sample\", \"fines %\""), std::string::npos) << message;
        EXPECT_NE(message.find("4.75 mm"), std::string::npos) << message;
        EXPECT_NE(message.find("--column p4=HEADER"), std::string::npos) << message;
    }
}

} // namespace
} // namespace classifier::sheet
