#pragma once

#include "number_format.h"

#include <optional>
#include <string>
#include <string_view>

namespace classifier {

// Reads a number the way the user typed it: blanks around it, a leading sign, digit grouping
// in threes, the locale's decimal separator and an exponent. "." also serves as the decimal
// point where the locale uses another one and does not group with ".". Persian and
// Arabic-Indic digits and the Arabic decimal and thousands separators are read in every
// locale, and so is "/" as the decimal point between two such digits ("۳۴/۵"). The Arabic
// comma is never a decimal point. Gives nothing for an empty text, anything that is not wholly
// a number, and a value too large for a double.
std::optional<double> parseNumber(std::string_view text, const NumberFormat& format);

// Writes a value in the general format: 15 significant digits (or as many as asked), no trailing
// zeros, no grouping, the locale's decimal separator, exponent form for very large or small
// magnitudes.
std::string formatNumber(double value, const NumberFormat& format, int significantDigits = 15);

} // namespace classifier
