#include "captions.h"

#include "app_config.h"

namespace classifier {
namespace {

using namespace config;

// The captions below have fixed widths in the window; the configured values must fit them.
static_assert(characterCount(kAppTitle) == 37, "CLASSIFIER_APP_TITLE must be 37 characters");
static_assert(characterCount(kDesignerName) == 10,
              "CLASSIFIER_DESIGNER_NAME must be 10 characters");
static_assert(characterCount(kEmail) == 22, "CLASSIFIER_EMAIL must be 22 characters");
static_assert(characterCount(kMobile) == 13, "CLASSIFIER_MOBILE must be 13 characters");
static_assert(characterCount(hostOf(kFirstAddress)) == 22,
              "the host of CLASSIFIER_FIRST_ADDRESS must be 22 characters");
static_assert(characterCount(withoutScheme(kSecondAddress)) == 15,
              "CLASSIFIER_SECOND_ADDRESS without its scheme must be 15 characters");

std::string blanks(std::size_t count) {
    return std::string(count, ' ');
}

std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (auto part : parts) {
        text += part;
    }
    return text;
}

} // namespace

std::string windowCaption() {
    return joined({" ", kAppTitle});
}

std::string bannerCaption() {
    return joined({std::string(28, '-'), " ", hostOf(kFirstAddress), " ", std::string(27, '-')});
}

std::string emailCaption() {
    return joined({blanks(3), kEmail, blanks(1)});
}

std::string mobileCaption() {
    return joined({"Mobile : ", kMobile, blanks(8)});
}

std::string firstAddressCaption() {
    return joined({hostOf(kFirstAddress), blanks(5)});
}

std::string secondAddressCaption() {
    return joined({withoutScheme(kSecondAddress), blanks(15)});
}

} // namespace classifier
