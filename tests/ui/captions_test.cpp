#include "app_config.h"
#include "captions.h"

#include <gtest/gtest.h>

namespace {

using namespace classifier;

TEST(Addresses, HostAndReadableFormComeFromTheWholeAddress) {
    EXPECT_EQ(hostOf("https://soil.example/help?x=1"), "soil.example");
    EXPECT_EQ(hostOf("soil.example/help"), "soil.example");
    EXPECT_EQ(withoutScheme("https://www.example.org"), "www.example.org");
    EXPECT_EQ(withoutScheme("www.example.org"), "www.example.org");
    EXPECT_EQ(characterCount("\u0633\u0644\u0627\u0645"), 4u);
}

TEST(Captions, KeepTheirFormsAndLengths) {
    const std::string host(hostOf(config::kFirstAddress));
    const std::string second(withoutScheme(config::kSecondAddress));
    const struct {
        std::string caption;
        std::string expected;
        std::size_t characters;
    } captions[] = {
        {windowCaption(), " " + std::string(config::kAppTitle), 38},
        {bannerCaption(), std::string(28, '-') + " " + host + " " + std::string(27, '-'), 79},
        {emailCaption(), "   " + std::string(config::kEmail) + " ", 26},
        {mobileCaption(), "Mobile : " + std::string(config::kMobile) + std::string(8, ' '), 30},
        {firstAddressCaption(), host + std::string(5, ' '), 27},
        {secondAddressCaption(), second + std::string(15, ' '), 30},
    };
    for (const auto& c : captions) {
        EXPECT_EQ(c.caption, c.expected);
        EXPECT_EQ(characterCount(c.caption), c.characters) << c.caption;
    }
}

} // namespace
