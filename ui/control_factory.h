#pragma once

#include "catalogue.h"

class QString;
class QWidget;

namespace classifier {

// Creates the widget of one catalogue row as a child of parent, in its design-time state:
// name, place, size, font, colours, reading order, alignment, text and visibility.
QWidget* createControl(const ControlRow& row, QWidget* parent);

// Writes the text of a box, or the caption of a label or button; the banner resizes to fit.
void setControlText(QWidget* widget, const QString& text);

} // namespace classifier
