#pragma once

#include "panels.h"

#include "core/aashto.h"
#include "core/number_format.h"
#include "core/unified.h"
#include "core/validation.h"

#include <QString>
#include <span>
#include <string>
#include <string_view>

// The two Calculate commands: the panel's boxes through the core's validator, then either one
// of the window's two warnings or the result written into the panel.
namespace classifier {

// The panel's boxes read once, for either rule set to check.
FieldReadings readFields(const UnifiedPanel& panel, const NumberFormat& format);
FieldReadings readFields(const AashtoPanel& panel, const NumberFormat& format);

// The range warning when a field that has bounds is at fault (a sieve percentage, and on the
// Unified panel LL and PI too), whatever else is; the number warning otherwise.
std::string_view warningFor(std::span<const FieldError> errors, std::span<const FieldRule> fields);

// The standards' rules refuse data no sample can have with a warning of their own, one line for
// each such error, naming the boxes by their captions; empty when no error is of that kind.
QString impossibleDataWarning(std::span<const FieldError> errors, const UnifiedPanel& panel);
QString impossibleDataWarning(std::span<const FieldError> errors, const AashtoPanel& panel);

// The group index as the box shows it: with as many of its 15 significant digits as the box
// has room for, so that a huge index keeps its exponent in sight.
std::string indexText(const QLineEdit& box, double index, const NumberFormat& format);

// Writes the symbol and its letters.
void showResult(const UnifiedPanel& panel, const UnifiedResult& result);
// Writes the soil type, the group and its material (or the dashes when no group takes the
// sample), the group index and the two notes.
void showResult(const AashtoPanel& panel, const AashtoResult& result, const NumberFormat& format);

} // namespace classifier
