#include "frame_art.h"

#include "canvas.h"

#include <QFontMetricsF>
#include <QLinearGradient>

QImage framedCard(int width, int height, qreal scale) {
    QImage image = filledCanvas(width, height, palette::peach, scale);
    QPainter p(&image);
    prepare(p);
    QLinearGradient glow(0, 0, 0, height);
    glow.setColorAt(0, QColor(0xFF, 0xF5, 0xEA));
    glow.setColorAt(1, palette::peach);
    p.fillRect(QRect(0, 0, width, height), glow);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(palette::darkRed);
    p.drawRect(0, 0, width - 1, height - 1);
    p.setPen(palette::red);
    p.drawRect(3, 3, width - 7, height - 7);
    p.end();
    return image;
}

void drawCentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void drawTag(QPainter& p, QPointF centre, const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text) + 6;
    const double height = metrics.height() + 1;
    const QRectF box(centre.x() - width / 2, centre.y() - height / 2, width, height);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 0.8));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRoundedRect(box, 2.5, 2.5);
    drawCentredText(p, box, text, font, QColor(0x30, 0x30, 0x30));
}

double Scatter::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / static_cast<double>(1u << 24);
}
