#pragma once

#include "core/controls.h"

#include <string>
#include <string_view>

namespace classifier {

// One step of the banner: drops the first character and appends the seventh, so that after six
// steps the caption runs round characters 7 to n. A caption shorter than seven characters only
// loses its first character. Works on characters (code points) of UTF-8 text.
std::string rotatedBanner(std::string_view caption);

// Tick of Timer1: moves the caption of LAnimation on by one step.
void rotateBanner(Controls& window);
// Click on LAnimation or XPButton3.
void openFirstAddress(Controls& window);
// Click on XPButton4.
void openSecondAddress(Controls& window);

} // namespace classifier
