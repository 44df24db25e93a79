#include "window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace classifier {

QRect framePlaced(QSize frame, const QRect& over, const QRect& available) {
    frame = frame.boundedTo(available.size());
    QRect placed(QPoint(), frame);
    placed.moveCenter(over.center());
    placed.moveLeft(
        std::clamp(placed.left(), available.left(), available.right() - frame.width() + 1));
    placed.moveTop(
        std::clamp(placed.top(), available.top(), available.bottom() - frame.height() + 1));
    return placed;
}

void placeOnScreenOf(QWidget& window, const QWidget& anchor) {
    const QScreen* screen = anchor.screen();
    if (!screen) {
        return;
    }
    const QRect anchorFrame = anchor.frameGeometry();
    const QRect anchorInside = anchor.geometry();
    const QMargins border(
        anchorInside.left() - anchorFrame.left(), anchorInside.top() - anchorFrame.top(),
        anchorFrame.right() - anchorInside.right(), anchorFrame.bottom() - anchorInside.bottom());
    const QSize inside = window.size().expandedTo(window.sizeHint());
    const QSize frame = inside.grownBy(border);
    const QRect placed = framePlaced(frame, anchorFrame, screen->availableGeometry());
    window.resize(placed.size().shrunkBy(border).expandedTo(window.minimumSizeHint()));
    window.move(placed.topLeft());
}

} // namespace classifier
