#pragma once

#include <string>
#include <string_view>

namespace classifier {

// The text with the characters that mark up XML and HTML written as entities.
std::string escapedMarkup(std::string_view text);

} // namespace classifier
