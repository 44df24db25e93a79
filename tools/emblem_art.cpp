#include "credits_art.h"

#include "canvas.h"
#include "credits.h"
#include "frame_art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

// The emblem: a stack of laboratory sieves with the program's credits.

namespace {

constexpr double stackLeft = 27, stackRight = 115, rimDepth = 6;

QLinearGradient brushedSteel(double left, double right) {
    QLinearGradient steel(left, 0, right, 0);
    steel.setColorAt(0.00, QColor(0x7C, 0x7C, 0x7C));
    steel.setColorAt(0.28, QColor(0xF4, 0xF4, 0xF4));
    steel.setColorAt(0.55, QColor(0xC4, 0xC4, 0xC4));
    steel.setColorAt(1.00, QColor(0x66, 0x66, 0x66));
    return steel;
}

// The front of one ring of the stack, between its rim at top and its lower edge.
QPainterPath bandFront(double top, double height) {
    const double width = stackRight - stackLeft;
    QPainterPath band;
    band.moveTo(stackLeft, top);
    band.arcTo(QRectF(stackLeft, top - rimDepth, width, 2 * rimDepth), 180, 180);
    band.lineTo(stackRight, top + height);
    band.arcTo(QRectF(stackLeft, top + height - rimDepth, width, 2 * rimDepth), 0, -180);
    band.closeSubpath();
    return band;
}

void drawBand(QPainter& p, double top, double height, const QString& label) {
    p.setPen(QPen(QColor(0x4A, 0x4A, 0x4A), 0.9));
    p.setBrush(brushedSteel(stackLeft, stackRight));
    p.drawPath(bandFront(top, height));
    // A lip along the top of the ring.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5A, 0x5A, 0x5A, 160), 0.8));
    const double width = stackRight - stackLeft;
    p.drawArc(QRectF(stackLeft, top - rimDepth + 3, width, 2 * rimDepth), 180 * 16, 180 * 16);
    if (!label.isEmpty())
        drawTag(p, QPointF((stackLeft + stackRight) / 2, top + height / 2 + rimDepth * 0.7), label,
                requireFont(latinFamily, 8, QFont::Bold));
}

void drawSoilInTopSieve(QPainter& p, double top) {
    const QRectF opening(stackLeft + 3, top - rimDepth + 1.5, stackRight - stackLeft - 6,
                         2 * rimDepth - 3);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.9));
    p.setBrush(QColor(0x6B, 0x4A, 0x2E));
    p.drawEllipse(opening);
    QPainterPath inside;
    inside.addEllipse(opening);
    p.save();
    p.setClipPath(inside);
    Scatter scatter(7);
    const std::array<QColor, 4> stones{QColor(0xA6, 0x7C, 0x52), QColor(0x8C, 0x8C, 0x84),
                                       QColor(0xC8, 0xA8, 0x78), QColor(0x5E, 0x3E, 0x24)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const QPointF at(opening.left() + scatter.next() * opening.width(),
                         opening.top() + scatter.next() * opening.height());
        const double r = 0.8 + scatter.next() * 1.6;
        p.setBrush(stones[i % stones.size()]);
        p.drawEllipse(at, r, r * 0.7);
    }
    p.restore();
    // The rim of the top sieve around the opening.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(brushedSteel(stackLeft, stackRight), 3));
    p.drawEllipse(QRectF(stackLeft + 1.5, top - rimDepth + 0.5, stackRight - stackLeft - 3,
                         2 * rimDepth - 1));
    p.setPen(QPen(QColor(0x4A, 0x4A, 0x4A), 0.9));
    p.drawEllipse(QRectF(stackLeft, top - rimDepth, stackRight - stackLeft, 2 * rimDepth));
}

// A soft brown shadow on which the stack stands.
void drawGroundShadow(QPainter& p, double y) {
    const double radius = (stackRight - stackLeft) * 0.62;
    QRadialGradient shade(QPointF(0, 0), radius);
    shade.setColorAt(0, QColor(0x60, 0x30, 0x10, 120));
    shade.setColorAt(1, QColor(0x60, 0x30, 0x10, 0));
    p.save();
    p.translate((stackLeft + stackRight) / 2, y);
    p.scale(1.0, 0.16);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(0, 0), radius, radius);
    p.restore();
}

void drawSieveStack(QPainter& p, double top) {
    const double bandHeight = 21;
    const std::array<QString, 3> sieves{QStringLiteral("No. 4"), QStringLiteral("No. 40"),
                                        QStringLiteral("No. 200")};
    const double panTop = top + 3 * bandHeight;
    drawGroundShadow(p, panTop + 12 + rimDepth - 1);
    drawBand(p, panTop, 12, QString()); // the pan under the sieves
    for (int i = 2; i >= 0; --i)
        drawBand(p, top + i * bandHeight, bandHeight, sieves[i]);
    drawSoilInTopSieve(p, top);
}

} // namespace

QImage drawEmblemPicture(qreal scale) {
    QImage image = framedCard(142, 200, scale);
    QPainter p(&image);
    prepare(p);
    drawCentredText(p, QRectF(4, 8, 134, 18), credits::programName,
                    requireFont(latinFamily, 14, QFont::Bold), palette::darkRed);
    drawCentredText(p, QRectF(4, 26, 134, 20), credits::persianTitle,
                    requireFont(persianFamily, 13, QFont::Bold), QColor(0x40, 0x40, 0x40));
    p.fillRect(QRectF(24, 49, 94, 1), palette::red);
    drawSieveStack(p, 63);
    drawCentredText(p, QRectF(4, 156, 134, 16), credits::version,
                    requireFont(latinFamily, 11, QFont::Bold), QColor(0x30, 0x30, 0x30));
    drawCentredText(p, QRectF(4, 174, 134, 14), credits::projectName,
                    requireFont(latinCondensedFamily, 9), palette::darkRed);
    p.end();
    return image;
}
