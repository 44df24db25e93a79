#include "persian_letters.h"

namespace classifier {
namespace {

// In UTF-8: yeh is D9 8A, kaf D9 83; the Persian yeh is DB 8C, keheh DA A9.
constexpr char kArabicLead = '\xD9';

} // namespace

std::string withPersianLetters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kArabicLead && i + 1 < text.size() && text[i + 1] == '\x8A') {
            out += "\u06CC";
            ++i;
        } else if (text[i] == kArabicLead && i + 1 < text.size() && text[i + 1] == '\x83') {
            out += "\u06A9";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace classifier
