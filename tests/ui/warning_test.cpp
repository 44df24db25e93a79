// Which of the window's two warnings a refused sample gets: the range warning whenever a field
// with bounds is at fault, the number warning for Cc, Cu, and AASHTO's LL and PI alone.
#include "calculation.h"
#include "window_texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace classifier {
namespace {

using Q = Quantity;

struct Typed {
    std::vector<std::pair<Quantity, const char*>> fields; // over the design-time sample
    std::string_view warning;                             // empty: accepted
};

void PrintTo(const Typed& t, std::ostream* os) {
    for (const auto& [field, text] : t.fields) {
        *os << symbolOf(field) << "='" << text << "' ";
    }
}

template <class Sample>
std::string_view outcome(const Checked<Sample>& checked, std::span<const FieldRule> fields) {
    return checked.sample() ? std::string_view() : warningFor(checked.errors(), fields);
}

FieldTexts typed(std::vector<std::pair<Quantity, const char*>> fields,
                 const std::vector<std::pair<Quantity, const char*>>& changes) {
    fields.insert(fields.end(), changes.begin(), changes.end());
    FieldTexts texts;
    for (const auto& [field, text] : fields) {
        texts.set(field, text);
    }
    return texts;
}

class UnifiedWarning : public testing::TestWithParam<Typed> {};
TEST_P(UnifiedWarning, IsTheOneTheWindowShows) {
    const FieldTexts texts = typed({{Q::Fines, "34"},
                                    {Q::PassingNo4, "98"},
                                    {Q::LiquidLimit, "38"},
                                    {Q::PlasticityIndex, "26"},
                                    {Q::Cc, "1.06"},
                                    {Q::Cu, "23.5"}},
                                   GetParam().fields);
    EXPECT_EQ(outcome(checkUnified(texts, {}), unifiedFields()), GetParam().warning);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, UnifiedWarning,
    testing::Values(Typed{{{Q::Fines, "100.5"}}, kRangeMessage},
                    Typed{{{Q::LiquidLimit, "-1"}}, kRangeMessage},
                    Typed{{{Q::PlasticityIndex, "abc"}}, kRangeMessage},
                    Typed{{{Q::PassingNo4, ""}}, kRangeMessage},
                    // a bad coefficient never hides a bad percentage
                    Typed{{{Q::Fines, "3"}, {Q::PassingNo4, "101"}, {Q::Cc, ""}}, kRangeMessage},
                    Typed{{{Q::Fines, "3"}, {Q::Cc, ""}}, kNumberMessage},
                    Typed{{{Q::Fines, "8"}, {Q::Cu, "x"}}, kNumberMessage},
                    Typed{{{Q::Fines, "60"}, {Q::Cc, ""}, {Q::Cu, ""}}, std::string_view()}));

class AashtoWarning : public testing::TestWithParam<Typed> {};
TEST_P(AashtoWarning, IsTheOneTheWindowShows) {
    const FieldTexts texts = typed({{Q::Fines, "36"},
                                    {Q::PassingNo40, "30"},
                                    {Q::PassingNo10, "10"},
                                    {Q::LiquidLimit, "51"},
                                    {Q::PlasticityIndex, "9"}},
                                   GetParam().fields);
    EXPECT_EQ(outcome(checkAashto(texts, {}), aashtoFields()), GetParam().warning);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, AashtoWarning,
    testing::Values(
        Typed{{{Q::Fines, "-5"}}, kRangeMessage}, Typed{{{Q::PassingNo10, "ten"}}, kRangeMessage},
        Typed{{{Q::LiquidLimit, ""}}, kNumberMessage},
        Typed{{{Q::PlasticityIndex, "abc"}}, kNumberMessage},
        // the range check comes first and alone
        Typed{{{Q::Fines, "101"}, {Q::LiquidLimit, ""}}, kRangeMessage},
        Typed{{{Q::Fines, "100"}, {Q::LiquidLimit, "1.7e308"}, {Q::PlasticityIndex, "1.7e308"}},
              kNumberMessage},
        Typed{{{Q::LiquidLimit, "-20"}, {Q::PlasticityIndex, "-3"}}, std::string_view()}));

} // namespace
} // namespace classifier
