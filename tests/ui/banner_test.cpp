#include "banner.h"
#include "captions.h"

#include <gtest/gtest.h>

namespace {

std::string afterTicks(std::string caption, int ticks) {
    for (int i = 0; i < ticks; ++i) {
        caption = classifier::rotatedBanner(caption);
    }
    return caption;
}

TEST(BannerRotation, FollowsTheWorkedExample) {
    const std::pair<int, const char*> cases[] = {{1, "bcdefghijg"},
                                                 {2, "cdefghijgh"},
                                                 {6, "ghijghijgh"},
                                                 {7, "hijghijghi"},
                                                 {10, "ghijghijgh"}};
    for (const auto& [ticks, caption] : cases) {
        EXPECT_EQ(afterTicks("abcdefghij", ticks), caption) << ticks << " ticks";
    }
}

TEST(BannerRotation, DesignTimeCaptionRunsRoundCharactersSevenToTheEnd) {
    const std::string start = classifier::bannerCaption();
    ASSERT_EQ(start.size(), 79u);
    EXPECT_EQ(afterTicks(start, 1), start.substr(1) + "-");
    EXPECT_EQ(afterTicks(start, 6), start.substr(6) + start.substr(6, 6));
    EXPECT_EQ(afterTicks(start, 6 + 73), afterTicks(start, 6));
    EXPECT_NE(afterTicks(start, 79), start);
    EXPECT_EQ(afterTicks(start, 500).size(), 79u);
}

TEST(BannerRotation, ShortCaptionShrinksToEmptyAndStaysEmpty) {
    EXPECT_EQ(afterTicks("abcdef", 1), "bcdef");
    EXPECT_EQ(afterTicks("abcdef", 6), "");
    EXPECT_EQ(afterTicks("abcdef", 20), "");
    EXPECT_EQ(afterTicks("", 3), "");
}

TEST(BannerRotation, MovesWholeCharactersOfPersianText) {
    // Two bytes to a letter: the seventh letter, not the seventh byte, comes round.
    const std::string letters = "\u0627\u0628\u067E\u062A\u062B\u062C\u0686\u062D";
    EXPECT_EQ(classifier::rotatedBanner(letters), letters.substr(2) + "\u0686");
    EXPECT_EQ(classifier::rotatedBanner("\u0627\u0628"), "\u0628");
}

} // namespace
