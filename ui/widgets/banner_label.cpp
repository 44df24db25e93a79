#include "banner_label.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

namespace classifier {
namespace {

// The banner shows 79 captions of 79 characters in turn (73 once its first six characters have
// scrolled out); captions written from outside may add more. Past this many characters in all,
// the cache starts afresh.
constexpr qsizetype kMostShapedCharacters = 128 * 79;
constexpr qint64 kFrameMilliseconds = 16;

} // namespace

BannerLabel::BannerLabel(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true); // the hand shows over the caption only
}

void BannerLabel::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    setAccessibleName(caption);
    makeRoom();
    if (underMouse()) {
        pointAt(mouse_);
    }
    // A step of the banner is painted at once: a posted update would wake the event loop a second
    // time. Captions written faster than a screen refreshes are painted together, later.
    if (painted_.isValid() && painted_.elapsed() < kFrameMilliseconds) {
        update();
    } else {
        repaint();
    }
}

QSize BannerLabel::sizeHint() const {
    return shaped(caption_).size;
}

void BannerLabel::makeRoom() {
    const QSize room = size().expandedTo(sizeHint());
    if (room != size()) {
        resize(room);
    }
}

void BannerLabel::pointAt(const QPoint& position) {
    mouse_ = position;
    const bool overCaption = captionRect().contains(position);
    if (overCaption && !testAttribute(Qt::WA_SetCursor)) {
        setCursor(Qt::PointingHandCursor);
    } else if (!overCaption && testAttribute(Qt::WA_SetCursor)) {
        unsetCursor();
    }
}

void BannerLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange) {
        shaped_.clear();
        shapedCharacters_ = 0;
        makeRoom();
    }
    QWidget::changeEvent(event);
}

const BannerLabel::Shaped& BannerLabel::shaped(const QString& caption) const {
    if (const auto found = shaped_.constFind(caption); found != shaped_.cend()) {
        return *found;
    }
    if (shapedCharacters_ + caption.size() > kMostShapedCharacters) {
        shaped_.clear();
        shapedCharacters_ = 0;
    }
    shapedCharacters_ += caption.size();
    // The box a plain label takes for the caption, and the caption centred in it the way a
    // plain label centres it.
    const QSize size =
        QFontMetrics(font()).boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignTop, caption).size();
    const qreal advance = QFontMetricsF(font()).horizontalAdvance(caption);
    QStaticText text(caption);
    text.setTextFormat(Qt::PlainText);
    QTextOption option;
    option.setTextDirection(layoutDirection());
    text.setTextOption(option);
    text.prepare(QTransform(), font());
    return *shaped_.insert(caption, {text, size, QPointF((size.width() - advance) / 2, 0)});
}

void BannerLabel::paintEvent(QPaintEvent*) {
    painted_.start();
    const Shaped& current = shaped(caption_);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawStaticText(current.origin, current.text);
}

void BannerLabel::enterEvent(QEnterEvent* event) {
    pointAt(event->position().toPoint());
    QWidget::enterEvent(event);
}

void BannerLabel::mouseMoveEvent(QMouseEvent* event) {
    pointAt(event->position().toPoint());
    event->accept();
}

void BannerLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ =
        event->button() == Qt::LeftButton && captionRect().contains(event->position().toPoint());
    event->accept();
}

void BannerLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       captionRect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

} // namespace classifier
