#include "link_label.h"

#include <QMouseEvent>

namespace classifier {

LinkLabel::LinkLabel(QWidget* parent) : CaptionLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::setCaption(const QString& caption) {
    setText(caption);
    resize(sizeHint());
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

} // namespace classifier
