#include "command_button.h"

#include <QPainter>
#include <QPainterPath>

namespace classifier {
namespace {

constexpr qreal kRadius = 3.0;
constexpr int kCaptionMargin = 6;
const QColor kBorder(112, 112, 112);
const QColor kHoverBorder(128, 0, 0);

} // namespace

CommandButton::CommandButton(const ButtonColours& colours, QWidget* parent)
    : PaintedButton(colours, parent) {}

QSize CommandButton::sizeHint() const {
    return {129, 113};
}

void CommandButton::paintFace(QPainter& painter) const {
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor face = currentFace();
    QLinearGradient gradient(outer.topLeft(), outer.bottomLeft());
    gradient.setColorAt(0.0, isDown() ? face.darker(112) : face.lighter(112));
    gradient.setColorAt(1.0, isDown() ? face.darker(102) : face.darker(108));
    painter.setPen(QPen(hovered() ? kHoverBorder : kBorder, 1.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(outer, kRadius, kRadius);

    if (!isDown()) { // a light inner edge along the top and the left: the raised look
        painter.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outer.adjusted(1, 1, -1, -1), kRadius - 1, kRadius - 1);
    }
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFace(painter);

    QRect captionRect =
        rect().adjusted(kCaptionMargin, kCaptionMargin / 2, -kCaptionMargin, -kCaptionMargin / 2);
    if (isDown()) {
        captionRect.translate(1, 1);
    }
    painter.setLayoutDirection(layoutDirection());
    painter.setFont(font());
    painter.setPen(currentCaption());
    painter.drawText(captionRect, Qt::AlignCenter | Qt::TextWordWrap, text());
    paintFocusRect(painter, rect().adjusted(4, 4, -4, -4));
}

} // namespace classifier
