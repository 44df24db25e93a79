#include "app_config.h"
#include "captions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace classifier;

TEST(Addresses, HostAndReadableFormComeFromTheWholeAddress) {
    EXPECT_EQ(hostOf("https://soil.example/help?x=1"), "soil.example");
    EXPECT_EQ(hostOf("http://soil.example"), "soil.example");
    EXPECT_EQ(hostOf("soil.example/help"), "soil.example");
    EXPECT_EQ(withoutScheme("https://www.example.org"), "www.example.org");
    EXPECT_EQ(withoutScheme("www.example.org"), "www.example.org");
}

TEST(Addresses, AreCompleteWebAddressesOnReservedNames) {
    for (std::string_view address : {config::kFirstAddress, config::kSecondAddress}) {
        EXPECT_TRUE(address.starts_with("https://")) << address;
        const std::string_view host = hostOf(address);
        EXPECT_TRUE(host.ends_with(".example") || host.ends_with(".test") ||
                    host.ends_with("example.org"))
            << host;
    }
}

TEST(Captions, KeepTheirFormsAndLengths) {
    EXPECT_EQ(characterCount("\u0633\u0644\u0627\u0645"), 4u);
    EXPECT_EQ(windowCaption(), " " + std::string(config::kAppTitle));
    EXPECT_EQ(characterCount(windowCaption()), 38u);

    const std::string banner = bannerCaption();
    EXPECT_EQ(characterCount(banner), 79u);
    const std::string host(hostOf(config::kFirstAddress));
    EXPECT_EQ(banner, std::string(28, '-') + " " + host + " " + std::string(27, '-'));

    const struct {
        std::string caption;
        std::string expected;
        std::size_t characters;
    } buttons[] = {
        {emailCaption(), "   " + std::string(config::kEmail) + " ", 26},
        {mobileCaption(), "Mobile : " + std::string(config::kMobile) + std::string(8, ' '), 30},
        {firstAddressCaption(), host + std::string(5, ' '), 27},
        {secondAddressCaption(),
         std::string(withoutScheme(config::kSecondAddress)) + std::string(15, ' '), 30},
    };
    for (const auto& button : buttons) {
        EXPECT_EQ(button.caption, button.expected);
        EXPECT_EQ(characterCount(button.caption), button.characters) << button.caption;
    }
}

} // namespace
