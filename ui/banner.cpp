#include "banner.h"

#include <vector>

namespace classifier {
namespace {

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Each character as its own UTF-8 sequence.
std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || !isContinuationByte(text[i])) {
            result.push_back(text.substr(start, i - start));
            start = i;
        }
    }
    return result;
}

} // namespace

std::string rotatedBanner(std::string_view caption) {
    const auto chars = characters(caption);
    if (chars.empty()) {
        return {};
    }
    std::string result(caption.substr(chars.front().size()));
    if (chars.size() >= 7) {
        result += chars[6];
    }
    return result;
}

} // namespace classifier
