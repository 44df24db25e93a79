#include "outline.h"

#include <QPainter>

namespace classifier {

Outline::Outline(Form form, const QColor& colour, QWidget* parent)
    : QWidget(parent), form_(form), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Outline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (form_ == Form::Line) {
        painter.fillRect(rect(), colour_);
        return;
    }
    painter.setPen(QPen(colour_, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace classifier
