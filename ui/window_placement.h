#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace classifier {

// Where a window's frame goes to be wholly on the screen: centred on `over`, then moved (and if
// need be shrunk) to lie within `available`.
QRect framePlaced(QSize frame, const QRect& over, const QRect& available);

// Places a top-level window, before it shows, wholly on the screen that shows `anchor`, centred
// on it. The frame the window manager adds is taken to be as wide as the anchor's.
void placeOnScreenOf(QWidget& window, const QWidget& anchor);

} // namespace classifier
