#include "xp_button.h"

#include <QPainter>
#include <utility>

namespace classifier {
namespace {

constexpr qreal kRadius = 6.0;
constexpr int kPictureMargin = 10;
const QColor kBorder(192, 192, 192);
const QColor kHoverBorder(150, 150, 150);

} // namespace

XpButton::XpButton(const ButtonColours& colours, QString picturePath, QWidget* parent)
    : PaintedButton(colours, parent), picturePath_(std::move(picturePath)) {}

const QPixmap& XpButton::picture() const {
    if (!picturePath_.isEmpty()) {
        picture_.load(std::exchange(picturePath_, QString()));
    }
    return picture_;
}

QSize XpButton::sizeHint() const {
    return {257, 57};
}

QRect XpButton::pictureRect() const {
    const QSize size = picture().deviceIndependentSize().toSize();
    return {QPoint(kPictureMargin, (height() - size.height()) / 2), size};
}

QRect XpButton::captionRect() const {
    const int left =
        picture().isNull() ? kPictureMargin : pictureRect().right() + 1 + kPictureMargin;
    const QFontMetrics metrics(font());
    // The blanks count: they are part of the caption and move its visible part.
    const int width = metrics.horizontalAdvance(text());
    const int available = this->width() - left - kPictureMargin;
    return {left + (available - width) / 2, (height() - metrics.height()) / 2, width,
            metrics.height()};
}

void XpButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(hovered() ? kHoverBorder : kBorder, 1.0));
    painter.setBrush(isDown() ? currentFace().darker(106) : currentFace());
    painter.drawRoundedRect(outer, kRadius, kRadius);

    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    if (!picture().isNull()) {
        painter.drawPixmap(pictureRect().translated(shift), picture());
    }
    painter.setLayoutDirection(layoutDirection());
    painter.setFont(font());
    painter.setPen(currentCaption());
    const QRect caption = captionRect().translated(shift);
    painter.drawText(caption.left(), caption.top() + QFontMetrics(font()).ascent(), text());
    paintFocusRect(painter, rect().adjusted(3, 3, -3, -3));
}

} // namespace classifier
