// The standard rules' validators: NP, PL, the diameters, the organic test, the fields each
// sample needs, and the data no sample can have.
#include "core/validation.h"

#include <gtest/gtest.h>

#include <vector>

namespace classifier {
namespace {

using Q = Quantity;
using Fields = std::vector<std::pair<Quantity, const char*>>;

struct Typed {
    Fields fields;                  // over the base sample
    std::vector<FieldError> errors; // empty: a sample
};

void PrintTo(const Typed& t, std::ostream* os) {
    for (const auto& [field, text] : t.fields) {
        *os << symbolOf(field) << "='" << text << "' ";
    }
}

FieldError error(Quantity field, Problem problem, Need need = Need::Always,
                 std::optional<Quantity> with = std::nullopt) {
    return {field, problem, need, with};
}

FieldTexts typed(Fields base, const Fields& changes) {
    base.insert(base.end(), changes.begin(), changes.end());
    FieldTexts texts;
    for (const auto& [field, text] : base) {
        texts.set(field, text);
    }
    return texts;
}

template <class Sample> std::vector<FieldError> errorsOf(const Checked<Sample>& checked) {
    EXPECT_EQ(checked.sample() == nullptr, !checked.errors().empty());
    return {checked.errors().begin(), checked.errors().end()};
}

class UnifiedStandardFields : public testing::TestWithParam<Typed> {};
TEST_P(UnifiedStandardFields, GiveASampleOrTheirErrors) {
    const FieldTexts texts = typed({{Q::Fines, "34"},
                                    {Q::PassingNo4, "98"},
                                    {Q::LiquidLimit, "38"},
                                    {Q::PlasticityIndex, "26"}},
                                   GetParam().fields);
    EXPECT_EQ(errorsOf(checkUnified(texts, {}, Rules::Standard)), GetParam().errors);
}

constexpr auto kFines = Need::WhereFinesDecide;
constexpr auto kGrading = Need::ForGrading;

INSTANTIATE_TEST_SUITE_P(
    Rules, UnifiedStandardFields,
    testing::Values(
        Typed{{{Q::Fines, "60"}, {Q::PassingNo4, "60"}}, {}},
        Typed{{{Q::Fines, "60"}, {Q::PassingNo4, "59.9"}},
              {error(Q::Fines, Problem::FinerPassesMore, Need::Always, Q::PassingNo4)}},
        // PL beside or instead of PI
        Typed{{{Q::PlasticityIndex, ""}, {Q::PlasticLimit, "12"}}, {}},
        Typed{{{Q::PlasticityIndex, ""}, {Q::PlasticLimit, "40"}},
              {error(Q::PlasticLimit, Problem::PlasticAboveLiquid, Need::Always, Q::LiquidLimit)}},
        Typed{{{Q::PlasticLimit, "11"}}, {}},
        Typed{{{Q::PlasticLimit, "10"}},
              {error(Q::PlasticityIndex, Problem::NotLiquidLessPlastic, Need::Always,
                     Q::PlasticLimit)}},
        Typed{{{Q::PlasticityIndex, "-1"}}, {error(Q::PlasticityIndex, Problem::Below0)}},
        Typed{{{Q::PlasticityIndex, "abc"}, {Q::PlasticLimit, "12"}},
              {error(Q::PlasticityIndex, Problem::NotANumber)}},
        // NP, in any case, in PI, PL or LL; LL may then be empty
        Typed{{{Q::PlasticityIndex, "Np"}, {Q::LiquidLimit, ""}}, {}},
        Typed{{{Q::LiquidLimit, "NP"}, {Q::PlasticityIndex, ""}}, {}},
        Typed{{{Q::PlasticityIndex, "NP"}, {Q::PlasticLimit, "20"}},
              {error(Q::PlasticLimit, Problem::NumberBesideNonPlastic, Need::Always,
                     Q::PlasticityIndex)}},
        // NP says nothing in a field that does not take it
        Typed{{{Q::Fines, "60"}, {Q::Cc, "NP"}}, {}},
        Typed{{{Q::PlasticLimit, "NP"}},
              {error(Q::PlasticityIndex, Problem::NumberBesideNonPlastic, Need::Always,
                     Q::PlasticLimit)}},
        // LL and PI only with 5 % fines or more
        Typed{{{Q::LiquidLimit, ""}}, {error(Q::LiquidLimit, Problem::Empty, kFines)}},
        Typed{{{Q::PlasticityIndex, ""}}, {error(Q::PlasticityIndex, Problem::Empty, kFines)}},
        Typed{{{Q::Fines, "4.9"}, {Q::LiquidLimit, "x"}, {Q::Cc, "2"}, {Q::Cu, "7"}}, {}},
        // Cc and Cu, or the diameters, with 12 % fines or less
        Typed{{{Q::Fines, "3"}, {Q::Cc, ""}, {Q::Cu, "7"}},
              {error(Q::Cc, Problem::Empty, kGrading)}},
        Typed{{{Q::Fines, "3"}, {Q::D10, "0.1"}, {Q::D30, "0.3"}, {Q::D60, "0.9"}}, {}},
        Typed{{{Q::Fines, "3"}, {Q::D10, "0.5"}, {Q::D30, "0.3"}, {Q::D60, "0.9"}},
              {error(Q::D10, Problem::DiametersOutOfOrder, Need::Always, Q::D30)}},
        Typed{{{Q::Fines, "3"}, {Q::Cc, "0"}, {Q::Cu, "0.9"}},
              {error(Q::Cc, Problem::NotAbove0), error(Q::Cu, Problem::Below1)}},
        Typed{{{Q::Fines, "3"}, {Q::Cc, "2"}, {Q::D10, "0"}, {Q::D30, "0.3"}, {Q::D60, "0.9"}},
              {error(Q::D10, Problem::NotAbove0)}},
        // the organic test
        Typed{{{Q::Organic, "maybe"}}, {error(Q::Organic, Problem::NotYesOrNo)}},
        Typed{{{Q::OvenDriedLiquidLimit, "20"}, {Q::PlasticityIndex, "NP"}, {Q::LiquidLimit, ""}},
              {error(Q::LiquidLimit, Problem::Empty, Need::ForOrganicTest)}}));

TEST(UnifiedWindowFields, RefuseNP) {
    FieldTexts texts = typed({{Q::Fines, "34"},
                              {Q::PassingNo4, "98"},
                              {Q::LiquidLimit, "38"},
                              {Q::PlasticityIndex, "NP"}},
                             {});
    EXPECT_EQ(errorsOf(checkUnified(texts, {})),
              std::vector{error(Q::PlasticityIndex, Problem::NotANumber)});
}

class AashtoStandardFields : public testing::TestWithParam<Typed> {};
TEST_P(AashtoStandardFields, GiveASampleOrTheirErrors) {
    const FieldTexts texts = typed({{Q::Fines, "36"},
                                    {Q::PassingNo40, "60"},
                                    {Q::PassingNo10, "80"},
                                    {Q::LiquidLimit, "51"},
                                    {Q::PlasticityIndex, "9"}},
                                   GetParam().fields);
    EXPECT_EQ(errorsOf(checkAashto(texts, {}, Rules::Standard)), GetParam().errors);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AashtoStandardFields,
    testing::Values(
        // the window's design sample passes more through No. 40 than through No. 10
        Typed{{{Q::PassingNo40, "30"}, {Q::PassingNo10, "10"}},
              {error(Q::Fines, Problem::FinerPassesMore, Need::Always, Q::PassingNo40),
               error(Q::PassingNo40, Problem::FinerPassesMore, Need::Always, Q::PassingNo10)}},
        Typed{{{Q::Fines, "30"}, {Q::PassingNo40, ""}, {Q::PassingNo10, "20"}},
              {error(Q::Fines, Problem::FinerPassesMore, Need::Always, Q::PassingNo10),
               error(Q::PassingNo40, Problem::Empty, Need::ForGranularSoil)}},
        // P40 and P10 only for a granular soil
        Typed{{{Q::PassingNo40, ""}, {Q::PassingNo10, ""}}, {}},
        Typed{{{Q::Fines, "35"}, {Q::PassingNo10, ""}},
              {error(Q::PassingNo10, Problem::Empty, Need::ForGranularSoil)}},
        Typed{{{Q::LiquidLimit, "-5"}}, {error(Q::LiquidLimit, Problem::Below0)}},
        Typed{{{Q::PlasticityIndex, "-1"}}, {error(Q::PlasticityIndex, Problem::Below0)}},
        Typed{{{Q::LiquidLimit, ""}, {Q::PlasticityIndex, "NP"}}, {}},
        Typed{
            {{Q::PlasticityIndex, ""}, {Q::PlasticLimit, "60"}},
            {error(Q::PlasticLimit, Problem::PlasticAboveLiquid, Need::Always, Q::LiquidLimit)}}));

} // namespace
} // namespace classifier
