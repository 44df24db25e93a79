#pragma once

#include "catalogue.h"

class QWidget;

namespace classifier {

// Creates the widget of one catalogue row as a child of parent, in its design-time state:
// name, place, size, font, colours, reading order, alignment, text and visibility.
QWidget* createControl(const ControlRow& row, QWidget* parent);

} // namespace classifier
