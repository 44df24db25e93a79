#pragma once

#include <string>
#include <string_view>

namespace classifier {

// One step of the banner: drops the first character and appends the seventh, so that after six
// steps the caption runs round characters 7 to n. A caption shorter than seven characters only
// loses its first character. Works on characters (code points) of UTF-8 text.
std::string rotatedBanner(std::string_view caption);

} // namespace classifier
