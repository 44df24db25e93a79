#pragma once

#include <string_view>

namespace classifier {

// The language of the names, notes and explanations that come with a result.
enum class Language { Persian, English };

// One text of the results in both languages. The Persian texts are written with the Persian
// letters yeh and keheh, as a Persian keyboard types them.
struct Wording {
    std::string_view persian;
    std::string_view english;

    constexpr std::string_view in(Language language) const {
        return language == Language::Persian ? persian : english;
    }
};

} // namespace classifier
