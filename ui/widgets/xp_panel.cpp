#include "xp_panel.h"

#include <QPaintEvent>
#include <QPainter>

namespace classifier {

XpPanel::XpPanel(const QColor& background, QWidget* parent)
    : QWidget(parent), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void XpPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), background_);
}

} // namespace classifier
