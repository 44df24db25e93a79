#include "core/validation.h"

#include <gtest/gtest.h>

#include <vector>

namespace classifier {
namespace {

using Q = Quantity;

struct Typed {
    std::vector<std::pair<Quantity, const char*>> fields; // over the design-time sample
    std::vector<FieldError> errors;                       // empty: a sample
};

void PrintTo(const Typed& t, std::ostream* os) {
    for (const auto& [field, text] : t.fields) {
        *os << symbolOf(field) << "='" << text << "' ";
    }
}

FieldError error(Quantity field, Problem problem) {
    return {field, problem, Need::Always, std::nullopt};
}
FieldError needed(Quantity field, Problem problem) {
    return {field, problem, Need::ForGrading, std::nullopt};
}

FieldTexts typed(std::vector<std::pair<Quantity, const char*>> design,
                 const std::vector<std::pair<Quantity, const char*>>& changes) {
    FieldTexts texts;
    for (const auto& [field, text] : design) {
        texts.set(field, text);
    }
    for (const auto& [field, text] : changes) {
        texts.set(field, text);
    }
    return texts;
}

template <class Sample> std::vector<FieldError> errorsOf(const Checked<Sample>& checked) {
    EXPECT_EQ(checked.sample() == nullptr, !checked.errors().empty());
    return {checked.errors().begin(), checked.errors().end()};
}

class UnifiedFields : public testing::TestWithParam<Typed> {};
TEST_P(UnifiedFields, GiveASampleOrTheirErrors) {
    const FieldTexts texts = typed({{Q::Fines, "34"},
                                    {Q::PassingNo4, "98"},
                                    {Q::LiquidLimit, "38"},
                                    {Q::PlasticityIndex, "26"},
                                    {Q::Cc, "1.06"},
                                    {Q::Cu, "23.5"}},
                                   GetParam().fields);
    EXPECT_EQ(errorsOf(checkUnified(texts, {})), GetParam().errors);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, UnifiedFields,
    testing::Values(
        Typed{{{Q::Fines, "0"}}, {}}, Typed{{{Q::Fines, "100"}}, {}},
        Typed{{{Q::Fines, "-0.01"}}, {error(Q::Fines, Problem::Outside0To100)}},
        Typed{{{Q::PassingNo4, "100.5"}}, {error(Q::PassingNo4, Problem::Outside0To100)}},
        Typed{{{Q::LiquidLimit, "150"}}, {}},
        Typed{{{Q::LiquidLimit, "-1"}}, {error(Q::LiquidLimit, Problem::Below0)}},
        Typed{{{Q::PlasticityIndex, "0"}}, {}},
        Typed{{{Q::Fines, ""}}, {error(Q::Fines, Problem::Empty)}},
        Typed{{{Q::Fines, "   "}}, {error(Q::Fines, Problem::Empty)}},
        Typed{{{Q::PassingNo4, "abc"}}, {error(Q::PassingNo4, Problem::NotANumber)}},
        Typed{{{Q::LiquidLimit, "12abc"}}, {error(Q::LiquidLimit, Problem::NotANumber)}},
        Typed{{{Q::Fines, " 34 "}}, {}},
        // what labs write for a value they did not measure, or only bounded
        Typed{{{Q::PassingNo4, "-"}}, {error(Q::PassingNo4, Problem::Empty)}},
        Typed{{{Q::Fines, "<5"}}, {error(Q::Fines, Problem::Bound)}},
        Typed{{{Q::PassingNo4, "> 90"}}, {error(Q::PassingNo4, Problem::Bound)}},
        Typed{{{Q::LiquidLimit, "5-10"}}, {error(Q::LiquidLimit, Problem::Bound)}},
        Typed{{{Q::LiquidLimit, "-10"}}, {error(Q::LiquidLimit, Problem::Below0)}},
        Typed{{{Q::PlasticityIndex, "5-x"}}, {error(Q::PlasticityIndex, Problem::NotANumber)}},
        // every field is checked, in order
        Typed{{{Q::Fines, "-5"}, {Q::PassingNo4, "200"}},
              {error(Q::Fines, Problem::Outside0To100),
               error(Q::PassingNo4, Problem::Outside0To100)}},
        // Cc and Cu only for a coarse sample with 12 % fines or less, and in any range
        Typed{{{Q::Cc, ""}, {Q::Cu, ""}}, {}}, Typed{{{Q::Fines, "3"}, {Q::Cc, "-1"}}, {}},
        Typed{{{Q::Fines, "3"}, {Q::Cc, ""}}, {needed(Q::Cc, Problem::Empty)}},
        Typed{{{Q::Fines, "12"}, {Q::Cc, "x"}, {Q::Cu, "-"}},
              {needed(Q::Cc, Problem::NotANumber), needed(Q::Cu, Problem::Empty)}},
        Typed{{{Q::Fines, "12.01"}, {Q::Cc, ""}, {Q::Cu, ""}}, {}},
        // a wrong percentage and a missing coefficient are both named
        Typed{{{Q::Fines, "3"}, {Q::PassingNo4, "101"}, {Q::Cc, ""}},
              {error(Q::PassingNo4, Problem::Outside0To100), needed(Q::Cc, Problem::Empty)}},
        // whether Cc is needed cannot be told without F200
        Typed{{{Q::Fines, "x"}, {Q::Cc, ""}}, {error(Q::Fines, Problem::NotANumber)}}));

TEST(UnifiedFields, AFieldTheInputLacksIsMissing) {
    FieldTexts texts;
    for (const auto& [field, text] : {std::pair{Q::Fines, "8"},
                                      {Q::PassingNo4, "60"},
                                      {Q::LiquidLimit, "20"},
                                      {Q::PlasticityIndex, "5"}}) {
        texts.set(field, text);
    }
    EXPECT_EQ(errorsOf(checkUnified(texts, {})),
              (std::vector{needed(Q::Cc, Problem::Missing), needed(Q::Cu, Problem::Missing)}));
}

class AashtoFields : public testing::TestWithParam<Typed> {};
TEST_P(AashtoFields, GiveASampleOrTheirErrors) {
    const FieldTexts texts = typed({{Q::Fines, "36"},
                                    {Q::PassingNo40, "30"},
                                    {Q::PassingNo10, "10"},
                                    {Q::LiquidLimit, "51"},
                                    {Q::PlasticityIndex, "9"}},
                                   GetParam().fields);
    EXPECT_EQ(errorsOf(checkAashto(texts, {})), GetParam().errors);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AashtoFields,
    testing::Values(
        Typed{{{Q::Fines, "101"}}, {error(Q::Fines, Problem::Outside0To100)}},
        Typed{{{Q::PassingNo40, "100.01"}}, {error(Q::PassingNo40, Problem::Outside0To100)}},
        Typed{{{Q::PassingNo10, "ten"}}, {error(Q::PassingNo10, Problem::NotANumber)}},
        Typed{{{Q::Fines, "0"}, {Q::PassingNo40, "100"}, {Q::PassingNo10, "0"}}, {}},
        // LL and PI have no bounds, but must be numbers
        Typed{{{Q::LiquidLimit, "-20"}, {Q::PlasticityIndex, "-3"}}, {}},
        Typed{{{Q::LiquidLimit, "250"}, {Q::PlasticityIndex, "180"}}, {}},
        Typed{{{Q::LiquidLimit, ""}}, {error(Q::LiquidLimit, Problem::Empty)}},
        Typed{{{Q::Fines, "101"}, {Q::PlasticityIndex, "abc"}},
              {error(Q::Fines, Problem::Outside0To100),
               error(Q::PlasticityIndex, Problem::NotANumber)}},
        // an index beyond the range of a double, either way
        Typed{{{Q::Fines, "100"}, {Q::LiquidLimit, "1.7e308"}, {Q::PlasticityIndex, "1.7e308"}},
              {{Q::LiquidLimit, Problem::GroupIndexOverflow, Need::Always, Q::PlasticityIndex}}},
        Typed{{{Q::Fines, "100"}, {Q::LiquidLimit, "-1.7e308"}, {Q::PlasticityIndex, "-1.7e308"}},
              {{Q::LiquidLimit, Problem::GroupIndexOverflow, Need::Always, Q::PlasticityIndex}}}));

TEST(Fields, AreReadInTheLocalesFormat) {
    const FieldTexts texts = typed({{Q::Fines, "36,5"},
                                    {Q::PassingNo40, "30"},
                                    {Q::PassingNo10, "10"},
                                    {Q::LiquidLimit, "1.051"},
                                    {Q::PlasticityIndex, "9"}},
                                   {});
    const Checked<AashtoSample> checked = checkAashto(texts, {",", "."});
    ASSERT_TRUE(checked.sample());
    EXPECT_EQ(checked.sample()->fines, 36.5);
    EXPECT_EQ(checked.sample()->liquidLimit, 1051);
}

} // namespace
} // namespace classifier
