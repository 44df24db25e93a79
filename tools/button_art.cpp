#include "button_art.h"

#include "blur.h"
#include "canvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// A soft grey shadow of a shape, cast down and to the right on the white face.
void castShadow(QPainter& p, const QPainterPath& shape, QSize size, QPointF offset, int alpha) {
    QImage shadow = transparentCanvas(size.width(), size.height(), p.device()->devicePixelRatioF());
    QPainter sp(&shadow);
    prepare(sp);
    sp.setPen(Qt::NoPen);
    sp.setBrush(QColor(0, 0, 0, alpha));
    sp.drawPath(shape.translated(offset));
    sp.end();
    blur(shadow, 1);
    p.drawImage(0, 0, shadow);
}

void drawEnvelope(QPainter& p, const QRectF& body) {
    QPainterPath outline;
    outline.addRoundedRect(body, 2.5, 2.5);
    castShadow(p, outline, {40, 40}, {1.0, 1.5}, 70);
    QLinearGradient purple(body.topLeft(), body.bottomLeft());
    purple.setColorAt(0, QColor(0xA8, 0x5C, 0xD6));
    purple.setColorAt(1, QColor(0x5E, 0x24, 0x8C));
    p.setPen(QPen(QColor(0x45, 0x18, 0x6A), 1.0));
    p.setBrush(purple);
    p.drawPath(outline);

    // The seams of the back: the lower folds first, then the closed flap over them.
    const QPointF centre(body.center().x(), body.top() + body.height() * 0.58);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x7D, 0x3C, 0xAE), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(body.bottomLeft() + QPointF(1.5, -1.5), centre + QPointF(-3, 0));
    p.drawLine(body.bottomRight() + QPointF(-1.5, -1.5), centre + QPointF(3, 0));
    QPolygonF flap(
        {body.topLeft() + QPointF(1.2, 1.2), centre, body.topRight() + QPointF(-1.2, 1.2)});
    QLinearGradient flapShade(body.topLeft(), centre);
    flapShade.setColorAt(0, QColor(0xC2, 0x86, 0xE8));
    flapShade.setColorAt(1, QColor(0x8E, 0x46, 0xC0));
    p.setBrush(flapShade);
    p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(flap);
}

void drawMastWaves(QPainter& p, QPointF top) {
    const double radii[] = {5.0, 8.5, 12.0};
    const int alphas[] = {255, 190, 110};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(0xE0, 0x10, 0x10, alphas[i]), 1.7, Qt::SolidLine, Qt::RoundCap));
        const double r = radii[i];
        const QRectF box(top.x() - r, top.y() - r, 2 * r, 2 * r);
        p.drawArc(box, -40 * 16, 80 * 16); // to the right
        p.drawArc(box, 140 * 16, 80 * 16); // to the left
    }
}

void drawMast(QPainter& p) {
    const QPointF top(16, 10);
    drawMastWaves(p, top);
    const QColor steel(0xC0, 0x00, 0x00);
    p.setPen(QPen(steel, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF leftFoot(10.5, 29.5), rightFoot(21.5, 29.5);
    const QPointF leftTop(15.2, 12.5), rightTop(16.8, 12.5);
    p.drawLine(leftFoot, leftTop);
    p.drawLine(rightFoot, rightTop);
    // Cross bracing between the legs, in three bays.
    p.setPen(QPen(QColor(0xE8, 0x40, 0x40), 1.0, Qt::SolidLine, Qt::RoundCap));
    const double levels[] = {29.5, 23.5, 18.0, 12.5};
    auto legAt = [&](QPointF foot, QPointF head, double y) {
        const double t = (foot.y() - y) / (foot.y() - head.y());
        return foot + (head - foot) * t;
    };
    for (int i = 0; i < 3; ++i) {
        const double low = levels[i], high = levels[i + 1];
        p.drawLine(legAt(leftFoot, leftTop, low), legAt(rightFoot, rightTop, high));
        p.drawLine(legAt(rightFoot, rightTop, low), legAt(leftFoot, leftTop, high));
        p.drawLine(legAt(leftFoot, leftTop, high), legAt(rightFoot, rightTop, high));
    }
    p.fillRect(QRectF(7, 30, 18, 1.5), QColor(0x70, 0x70, 0x70));
    QRadialGradient lamp(top - QPointF(0.8, 0.8), 3.2);
    lamp.setColorAt(0, QColor(0xFF, 0x90, 0x90));
    lamp.setColorAt(1, QColor(0xC0, 0x00, 0x00));
    p.setPen(QPen(QColor(0x80, 0x00, 0x00), 0.8));
    p.setBrush(lamp);
    p.drawEllipse(top, 2.4, 2.4);
}

void drawGlobe(QPainter& p, QPointF centre, double radius) {
    QRadialGradient sea(centre - QPointF(radius, radius) * 0.4, radius * 1.5);
    sea.setColorAt(0, QColor(0x7F, 0xBE, 0xFF));
    sea.setColorAt(0.55, QColor(0x23, 0x78, 0xE0));
    sea.setColorAt(1, QColor(0x08, 0x3C, 0x9C));
    p.setPen(QPen(QColor(0x06, 0x2E, 0x80), 1.0));
    p.setBrush(sea);
    p.drawEllipse(centre, radius, radius);
    QPainterPath disc;
    disc.addEllipse(centre, radius - 0.5, radius - 0.5);
    p.save();
    p.setClipPath(disc);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.9));
    p.drawEllipse(centre, radius * 0.45, radius); // meridians
    p.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + radius));
    p.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
    for (double f : {-0.5, 0.5}) { // parallels
        const double y = centre.y() + f * radius;
        p.drawLine(QPointF(centre.x() - radius, y), QPointF(centre.x() + radius, y));
    }
    p.restore();
}

void drawScreen(QPainter& p) {
    const QRectF bezel(2, 12, 20, 15);
    QPainterPath frame;
    frame.addRoundedRect(bezel.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
    castShadow(p, frame, {32, 32}, {0.8, 1.0}, 80);
    QLinearGradient face(bezel.topLeft(), bezel.bottomLeft());
    face.setColorAt(0, QColor(0xEC, 0xEA, 0xE4));
    face.setColorAt(1, palette::buttonGrey.darker(115));
    p.setPen(QPen(QColor(0x4A, 0x4A, 0x4A), 1.0));
    p.setBrush(face);
    p.drawPath(frame);
    const QRectF glass(4, 14, 16, 10);
    QLinearGradient screen(glass.topLeft(), glass.bottomRight());
    screen.setColorAt(0, QColor(0x4F, 0x9C, 0xE8));
    screen.setColorAt(1, QColor(0x12, 0x3E, 0x86));
    p.fillRect(glass, screen);
    p.fillRect(QRectF(5, 15, 6, 1), QColor(255, 255, 255, 140));
    p.fillRect(QRectF(5, 17, 9, 1), QColor(255, 255, 255, 100));
    p.fillRect(QRectF(10, 27, 4, 2), QColor(0x80, 0x80, 0x80));
    p.fillRect(QRectF(6, 29, 12, 2), QColor(0x5A, 0x5A, 0x5A));
}

} // namespace

QImage drawMailPicture(qreal scale) {
    QImage image = filledCanvas(40, 40, Qt::white, scale);
    QPainter p(&image);
    prepare(p);
    drawEnvelope(p, QRectF(3.5, 9.5, 32, 22));
    p.end();
    return image;
}

QImage drawPhonePicture(qreal scale) {
    QImage image = filledCanvas(32, 32, Qt::white, scale);
    QPainter p(&image);
    prepare(p);
    drawMast(p);
    p.end();
    return image;
}

QImage drawWebPicture(qreal scale) {
    QImage image = filledCanvas(32, 32, Qt::white, scale);
    QPainter p(&image);
    prepare(p);
    drawGlobe(p, QPointF(20.5, 11.5), 10);
    drawScreen(p);
    p.end();
    return image;
}
