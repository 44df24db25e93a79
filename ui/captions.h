#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The captions that carry the build's own values (title, credits, addresses), in the forms the
// window shows them.
namespace classifier {

// Number of characters (Unicode code points) of a UTF-8 text.
constexpr std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char byte : utf8) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

// "https://host/path" -> "host/path": a web address as a person reads it.
constexpr std::string_view withoutScheme(std::string_view address) {
    const auto separator = address.find("://");
    return separator == std::string_view::npos ? address : address.substr(separator + 3);
}

// "https://host/path" -> "host".
constexpr std::string_view hostOf(std::string_view address) {
    const auto rest = withoutScheme(address);
    return rest.substr(0, rest.find_first_of("/?#"));
}

std::string windowCaption();        // the application title after one blank
std::string bannerCaption();        // hyphens around the host of the first address, 79 characters
std::string emailCaption();         // XPButton1
std::string mobileCaption();        // XPButton2
std::string firstAddressCaption();  // XPButton3
std::string secondAddressCaption(); // XPButton4

} // namespace classifier
