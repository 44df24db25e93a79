#include "icon_art.h"

#include "blur.h"
#include "canvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <numbers>

namespace {

// Where the parts of the icon go at one size; every edge of the sheet falls on a pixel boundary.
struct IconGeometry {
    int size;
    double pad;     // room left for the shadow at large sizes
    QRectF sheet;   // the sheet's outer edge
    double fold;    // length of the turned-down corner's sides
    double outline; // width of the sheet's outline
    QPointF cogCentre;
    double cogRadius;
    int teeth;
    double toothWidth; // straight teeth of this width at small sizes; 0 for tapered teeth
    double holeRadius;
    int ruledLines;
};

// Small cogs are laid out by hand so that their upright teeth cover whole pixels.
struct SmallCog {
    int size;
    QPointF centre;
    double radius, toothWidth, holeRadius;
};
constexpr SmallCog smallCogs[] = {
    {16, {8.0, 9.0}, 5.0, 2.0, 1.5},
    {24, {12.5, 13.5}, 7.0, 3.0, 2.0},
    {32, {16.0, 19.0}, 10.0, 4.0, 2.8},
};

void useSmallCog(IconGeometry& g) {
    for (const SmallCog& small : smallCogs) {
        if (small.size == g.size) {
            g.cogCentre = small.centre;
            g.cogRadius = small.radius;
            g.toothWidth = small.toothWidth;
            g.holeRadius = small.holeRadius;
            g.teeth = 8;
        }
    }
}

IconGeometry geometryFor(int size) {
    IconGeometry g{};
    g.size = size;
    g.pad = size >= 48 ? std::round(size / 32.0) : 0.0;
    const double height = size - 2 * g.pad;
    double width = std::round(height * 0.76);
    if (static_cast<int>(width) % 2 != size % 2)
        width -= 1; // keep the sheet centred on whole pixels
    const double left = (size - width) / 2 - std::floor(g.pad / 2);
    const double top = std::floor(g.pad / 2);
    g.sheet = QRectF(left, top, width, height);
    g.fold = std::round(width * 0.32);
    g.outline = std::max(1.0, std::round(size / 80.0));
    g.cogCentre = QPointF(left + width / 2, top + std::round(height * 0.6));
    g.cogRadius = width * 0.40;
    g.teeth = 10;
    g.holeRadius = g.cogRadius * 0.30;
    useSmallCog(g);
    g.ruledLines = size >= 48 ? 3 : (size >= 32 ? 2 : 1);
    return g;
}

QPolygonF sheetOutline(const QRectF& r, double fold) {
    return QPolygonF({r.topLeft(), QPointF(r.right() - fold, r.top()),
                      QPointF(r.right(), r.top() + fold), r.bottomRight(), r.bottomLeft()});
}

// The outline shrunk by half a pen width, so that a pen of that width covers whole pixels.
QPolygonF insetOutline(const IconGeometry& g) {
    const double h = g.outline / 2;
    const QRectF inner = g.sheet.adjusted(h, h, -h, -h);
    return sheetOutline(inner, g.fold - h * (std::numbers::sqrt2 - 1));
}

QPointF polar(QPointF centre, double radius, double angle) {
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

// A wheel whose teeth narrow towards their tips, for the larger sizes.
QPolygonF taperedWheel(QPointF centre, double tipRadius, double rootRadius, int teeth) {
    const double pitch = 2 * std::numbers::pi / teeth;
    const double rootHalf = pitch * 0.28;
    const double tipHalf = pitch * 0.17;
    const int arcSteps = 6;
    QPolygonF outline;
    for (int i = 0; i < teeth; ++i) {
        const double a = -std::numbers::pi / 2 + i * pitch;
        outline << polar(centre, rootRadius, a - rootHalf) << polar(centre, tipRadius, a - tipHalf)
                << polar(centre, tipRadius, a + tipHalf) << polar(centre, rootRadius, a + rootHalf);
        for (int k = 1; k < arcSteps; ++k)
            outline << polar(centre, rootRadius,
                             a + rootHalf + (pitch - 2 * rootHalf) * k / arcSteps);
    }
    return outline;
}

// A disc with straight teeth of one width, for the small sizes: the upright and level teeth
// then cover whole pixels.
QPainterPath straightWheel(QPointF centre, double tipRadius, double rootRadius, int teeth,
                           double toothWidth) {
    QPainterPath wheel;
    wheel.addEllipse(centre, rootRadius, rootRadius);
    for (int i = 0; i < teeth; ++i) {
        QPainterPath tooth;
        tooth.addRect(QRectF(-toothWidth / 2, -tipRadius, toothWidth, tipRadius));
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(i * 360.0 / teeth);
        wheel = wheel.united(turn.map(tooth));
    }
    return wheel;
}

QPainterPath cogPath(const IconGeometry& g) {
    const double rootRadius = g.cogRadius * 0.74;
    QPainterPath path;
    if (g.toothWidth > 0) {
        path = straightWheel(g.cogCentre, g.cogRadius, rootRadius, g.teeth, g.toothWidth);
    } else {
        path.addPolygon(taperedWheel(g.cogCentre, g.cogRadius, rootRadius, g.teeth));
        path.closeSubpath();
    }
    QPainterPath hole;
    hole.addEllipse(g.cogCentre, g.holeRadius, g.holeRadius);
    return path.subtracted(hole);
}

void drawSheetShadow(QPainter& p, const IconGeometry& g) {
    QImage shadow = transparentCanvas(g.size, g.size);
    {
        QPainter sp(&shadow);
        prepare(sp);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(0, 0, 0, 110));
        sp.translate(g.pad * 0.4, g.pad * 0.8);
        sp.drawPolygon(sheetOutline(g.sheet, g.fold));
    }
    blur(shadow, std::max(1, static_cast<int>(g.pad / 2)));
    p.drawImage(0, 0, shadow);
}

void drawSheet(QPainter& p, const IconGeometry& g) {
    QLinearGradient paper(g.sheet.topLeft(), g.sheet.bottomRight());
    paper.setColorAt(0, Qt::white);
    paper.setColorAt(1, g.size >= 48 ? QColor(0xF3, 0xF3, 0xF3) : Qt::white);
    p.setPen(QPen(QColor(0x5A, 0x5A, 0x5A), g.outline, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(paper);
    p.drawPolygon(insetOutline(g));
}

void drawRuledLines(QPainter& p, const IconGeometry& g) {
    const double thickness = std::max(1.0, std::round(g.size / 40.0));
    const double left = g.sheet.left() + std::round(g.sheet.width() * 0.16);
    const double spacing = std::round(g.sheet.height() * 0.085);
    double y = g.sheet.top() + std::round(g.sheet.height() * 0.13);
    const double fullRight = g.sheet.right() - g.fold - std::round(g.sheet.width() * 0.06);
    for (int i = 0; i < g.ruledLines; ++i) {
        const double right = i == 0 ? fullRight : fullRight - (i % 2) * g.sheet.width() * 0.12;
        p.fillRect(QRectF(left, y, right - left, thickness),
                   i == 0 ? QColor(0xE0, 0x30, 0x30) : QColor(0xA8, 0xA8, 0xA8));
        y += spacing;
    }
}

void drawFold(QPainter& p, const IconGeometry& g) {
    const double h = g.outline / 2;
    const double right = g.sheet.right() - h;
    const double top = g.sheet.top() + h;
    const double f = g.fold - h * (std::numbers::sqrt2 - 1);
    const QPolygonF flap(
        {QPointF(right - f, top), QPointF(right - f, top + f), QPointF(right, top + f)});
    if (g.size >= 48) {
        QImage shade = transparentCanvas(g.size, g.size);
        QPainter sp(&shade);
        prepare(sp);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(0, 0, 0, 70));
        sp.drawPolygon(flap.translated(-g.outline, g.outline * 1.5));
        sp.end();
        blur(shade, std::max(1, g.size / 64));
        p.drawImage(0, 0, shade);
    }
    QLinearGradient back(QPointF(right - f / 2, top + f / 2), QPointF(right - f, top + f));
    back.setColorAt(0, Qt::white);
    back.setColorAt(1, QColor(0xCC, 0xCC, 0xCC));
    p.setBrush(back);
    p.setPen(QPen(QColor(0x5A, 0x5A, 0x5A), g.outline, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolygon(flap);
}

void drawCog(QPainter& p, const IconGeometry& g) {
    const QPainterPath cog = cogPath(g);
    if (g.size >= 48) {
        QImage shadow = transparentCanvas(g.size, g.size);
        QPainter sp(&shadow);
        prepare(sp);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(0, 0, 0, 90));
        sp.drawPath(cog.translated(g.size / 48.0, g.size / 32.0));
        sp.end();
        blur(shadow, std::max(1, g.size / 48));
        p.drawImage(0, 0, shadow);
    }
    p.setPen(Qt::NoPen);
    if (g.size >= 48) {
        QRadialGradient metal(g.cogCentre - QPointF(g.cogRadius, g.cogRadius) * 0.45,
                              g.cogRadius * 1.6);
        metal.setColorAt(0, QColor(0x4A, 0x4A, 0x4A));
        metal.setColorAt(1, QColor(0x06, 0x06, 0x06));
        p.setBrush(metal);
    } else {
        p.setBrush(QColor(0x10, 0x10, 0x10));
    }
    p.drawPath(cog);
    if (g.size >= 48) {
        // A groove between the rim and the hub gives the wheel its depth.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x6A, 0x6A, 0x6A), std::max(1.0, g.size / 96.0)));
        p.drawEllipse(g.cogCentre, g.cogRadius * 0.52, g.cogRadius * 0.52);
    }
}

} // namespace

QImage drawIcon(int size, IconTarget target) {
    const IconGeometry g = geometryFor(size);
    QImage image = transparentCanvas(size, size);
    QPainter p(&image);
    prepare(p);
    if (target == IconTarget::TrueColour && g.pad > 0)
        drawSheetShadow(p, g);
    drawSheet(p, g);
    drawRuledLines(p, g);
    drawFold(p, g);
    drawCog(p, g);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
