#pragma once

#include "catalogue.h"

#include <string>

// What a screen reader says for a control, beside what it reads from the control itself.
namespace classifier {

// Input and result boxes: the caption beside them without its colon and padding blanks.
// Command and contact buttons: their caption, trimmed. Pictures: a short name. Empty for the
// rest, which a screen reader names by their own text.
std::string accessibleName(const ControlRow& row);

// Pictures: what they show. Empty for every other control.
std::string accessibleDescription(const ControlRow& row);

} // namespace classifier
