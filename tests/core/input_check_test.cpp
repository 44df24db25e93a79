#include "core/aashto.h"
#include "core/messages.h"
#include "core/unified.h"
#include "fake_window.h"

#include <gtest/gtest.h>

namespace classifier {
namespace {

using test::FakeWindow;

struct Typed {
    std::vector<std::pair<std::string, std::string>> boxes;
    std::string_view message; // empty when the sample is accepted
};

void PrintTo(const Typed& t, std::ostream* os) {
    for (const auto& [box, text] : t.boxes) {
        *os << box << "='" << text << "' ";
    }
}

// Runs a command after typing into the boxes; checks that a refusal changes nothing and that
// every click ends in one message or in a result.
void expectOutcome(void (*command)(Controls&), const Typed& typed) {
    FakeWindow window;
    for (const auto& [box, text] : typed.boxes) {
        window.type(box, text);
    }
    const auto before = window.state();
    command(window);
    if (typed.message.empty()) {
        EXPECT_TRUE(window.messages.empty());
        EXPECT_FALSE(window.writes.empty());
        return;
    }
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0], typed.message);
    EXPECT_EQ(window.styles[0], kWarningStyle);
    EXPECT_TRUE(window.writes.empty());
    EXPECT_EQ(window.state(), before);
}

constexpr std::string_view kAccepted;

class UnifiedInputCheck : public testing::TestWithParam<Typed> {};
TEST_P(UnifiedInputCheck, RefusesOrAccepts) {
    expectOutcome(unifiedClassify, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, UnifiedInputCheck,
    testing::Values(Typed{{{"Text1", "0"}}, kAccepted}, Typed{{{"Text1", "100"}}, kAccepted},
                    Typed{{{"Text1", "-0.01"}}, kRangeMessage},
                    Typed{{{"Text1", "100.5"}}, kRangeMessage},
                    Typed{{{"Text2", "101"}}, kRangeMessage},
                    Typed{{{"Text2", "-1"}}, kRangeMessage}, Typed{{{"Text3", "150"}}, kAccepted},
                    Typed{{{"Text3", "-1"}}, kRangeMessage}, Typed{{{"Text4", "0"}}, kAccepted},
                    Typed{{{"Text4", "-0.5"}}, kRangeMessage},
                    Typed{{{"Text1", ""}}, kRangeMessage}, Typed{{{"Text2", "abc"}}, kRangeMessage},
                    Typed{{{"Text3", "12abc"}}, kRangeMessage},
                    Typed{{{"Text4", "   "}}, kRangeMessage}, Typed{{{"Text1", " 34 "}}, kAccepted},
                    Typed{{{"Text1", "-5"}, {"Text2", "200"}}, kRangeMessage},
                    // a bad coefficient never hides a bad percentage
                    Typed{{{"Text1", "3"}, {"Text2", "101"}, {"Text6", ""}}, kRangeMessage},
                    // Cc and Cu are not checked for range
                    Typed{{{"Text6", ""}, {"Text7", ""}}, kAccepted},
                    Typed{{{"Text1", "3"}, {"Text6", ""}}, kNumberMessage},
                    Typed{{{"Text1", "8"}, {"Text7", "x"}}, kNumberMessage},
                    Typed{{{"Text1", "12"}, {"Text6", "-"}}, kNumberMessage},
                    Typed{{{"Text1", "12.01"}, {"Text6", ""}, {"Text7", ""}}, kAccepted},
                    Typed{{{"Text1", "60"}, {"Text6", ""}, {"Text7", ""}}, kAccepted}));

class AashtoInputCheck : public testing::TestWithParam<Typed> {};
TEST_P(AashtoInputCheck, RefusesOrAccepts) {
    expectOutcome(aashtoClassify, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, AashtoInputCheck,
    testing::Values(Typed{{{"E3", "-5"}}, kRangeMessage}, Typed{{{"E3", "101"}}, kRangeMessage},
                    Typed{{{"E3", "-1"}}, kRangeMessage}, Typed{{{"e4", "100.01"}}, kRangeMessage},
                    Typed{{{"e5", ""}}, kRangeMessage}, Typed{{{"e5", "ten"}}, kRangeMessage},
                    Typed{{{"E3", "0"}, {"e4", "100"}, {"e5", "0"}}, kAccepted},
                    Typed{{{"E3", "100"}, {"e4", "0"}, {"e5", "100"}}, kAccepted},
                    Typed{{{"e6", "-20"}, {"e7", "-3"}}, kAccepted},
                    Typed{{{"e6", "250"}, {"e7", "180"}}, kAccepted},
                    Typed{{{"e6", ""}}, kNumberMessage}, Typed{{{"e7", "abc"}}, kNumberMessage},
                    // the range check comes first and alone
                    Typed{{{"E3", "101"}, {"e6", ""}}, kRangeMessage},
                    // an index beyond the range of a double
                    Typed{{{"E3", "100"}, {"e6", "1.7e308"}, {"e7", "1.7e308"}}, kNumberMessage},
                    Typed{{{"E3", "100"}, {"e6", "-1.7e308"}, {"e7", "-1.7e308"}},
                          kNumberMessage}));

} // namespace
} // namespace classifier
