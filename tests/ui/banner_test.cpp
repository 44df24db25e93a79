#include "app_config.h"
#include "banner.h"
#include "captions.h"
#include "recording_window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string afterTicks(std::string caption, int ticks) {
    RecordingWindow window;
    window.texts["LAnimation"] = std::move(caption);
    for (int i = 0; i < ticks; ++i) {
        classifier::rotateBanner(window);
    }
    return window.texts["LAnimation"];
}

TEST(BannerRotation, FollowsTheWorkedExample) {
    const struct {
        int ticks;
        const char* caption;
    } cases[] = {
        {0, "abcdefghij"}, {1, "bcdefghijg"}, {2, "cdefghijgh"},
        {6, "ghijghijgh"}, {7, "hijghijghi"}, {10, "ghijghijgh"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(afterTicks("abcdefghij", c.ticks), c.caption) << c.ticks << " ticks";
    }
}

TEST(BannerRotation, DesignTimeCaptionRunsRoundCharactersSevenToTheEnd) {
    const std::string start = classifier::bannerCaption();
    ASSERT_EQ(start.size(), 79u);

    EXPECT_EQ(afterTicks(start, 1), start.substr(1) + "-");
    EXPECT_EQ(afterTicks(start, 6), start.substr(6) + start.substr(6, 6));
    EXPECT_EQ(afterTicks(start, 6 + 73), afterTicks(start, 6));
    EXPECT_NE(afterTicks(start, 79), start);
    for (int ticks : {1, 6, 79, 6 + 73, 500}) {
        EXPECT_EQ(afterTicks(start, ticks).size(), 79u) << ticks << " ticks";
    }
}

TEST(BannerRotation, ShortCaptionShrinksToEmptyAndStaysEmpty) {
    EXPECT_EQ(afterTicks("abcdef", 1), "bcdef");
    EXPECT_EQ(afterTicks("abcdef", 5), "f");
    EXPECT_EQ(afterTicks("abcdef", 6), "");
    EXPECT_EQ(afterTicks("abcdef", 20), "");
    EXPECT_EQ(afterTicks("", 3), "");
}

TEST(BannerRotation, MovesWholeCharactersOfPersianText) {
    // Seven two-byte letters: the seventh letter, not the seventh byte, comes round.
    const std::string letters = "\u0627\u0628\u067E\u062A\u062B\u062C\u0686\u062D";
    const std::string expected = letters.substr(2) + "\u0686";
    EXPECT_EQ(classifier::rotatedBanner(letters), expected);
    EXPECT_EQ(classifier::rotatedBanner("\u0627\u0628"), "\u0628");
}

TEST(BannerRotation, WritesNothingButTheBanner) {
    RecordingWindow window;
    window.texts["LAnimation"] = "abcdefgh";
    classifier::rotateBanner(window);
    EXPECT_EQ(window.texts.size(), 1u);
    EXPECT_TRUE(window.visibilityCalls.empty());
    EXPECT_TRUE(window.openedAddresses.empty());
}

TEST(LinkCommands, OpenTheirAddressesOneEachTime) {
    RecordingWindow window;
    classifier::openFirstAddress(window);
    classifier::openSecondAddress(window);
    classifier::openFirstAddress(window);
    const std::string first(classifier::config::kFirstAddress);
    const std::string second(classifier::config::kSecondAddress);
    EXPECT_EQ(window.openedAddresses, (std::vector<std::string>{first, second, first}));
    EXPECT_TRUE(window.visibilityCalls.empty());
    EXPECT_TRUE(window.texts.empty());
}

} // namespace
