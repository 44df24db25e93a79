#include "painted_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace classifier {

PaintedButton::PaintedButton(const ButtonColours& colours, QWidget* parent)
    : QAbstractButton(parent), colours_(colours) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
}

bool PaintedButton::hovered() const {
    return testAttribute(Qt::WA_UnderMouse) && isEnabled();
}

QColor PaintedButton::currentFace() const {
    return hovered() ? colours_.hoverFace : colours_.face;
}

QColor PaintedButton::currentCaption() const {
    return hovered() ? colours_.hoverCaption : colours_.caption;
}

void PaintedButton::paintFocusRect(QPainter& painter, const QRect& rect) const {
    if (!hasFocus()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor(0, 0, 0), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void PaintedButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
        animateClick();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace classifier
