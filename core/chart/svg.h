#pragma once

#include "core/chart/chart.h"
#include "core/language.h"

#include <string>

namespace classifier {

// The chart as a standalone SVG document, its texts in the given language. Its numbers are
// written the same way whatever the locale.
std::string chartSvg(const Chart& chart, Language language);

} // namespace classifier
