#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

// A peach card with the window's double red frame, the ground of both credit pictures.
QImage framedCard(int width, int height, qreal scale);

// One centred line of text in the given font and colour.
void drawCentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour);

// A small label with a white rounded ground, as used for soil symbols and sieve numbers.
void drawTag(QPainter& p, QPointF centre, const QString& text, const QFont& font);

// A repeatable stream of numbers in [0, 1), so that every run draws the same grains.
class Scatter {
public:
    explicit Scatter(unsigned salt) : state_(salt) {}
    double next();

private:
    unsigned state_;
};
