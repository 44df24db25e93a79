#include "credits_art.h"

#include "canvas.h"
#include "credits.h"
#include "frame_art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

// The portrait: a plasticity chart over a column of soil layers, with the program's credits.

namespace {

struct ChartFrame {
    QRectF plot; // the axes' box
    double maxLiquidLimit, maxPlasticity;
    QPointF at(double liquidLimit, double plasticity) const {
        return {plot.left() + plot.width() * liquidLimit / maxLiquidLimit,
                plot.bottom() - plot.height() * plasticity / maxPlasticity};
    }
};

// A zone's symbol, centred on a point of the chart.
void drawZoneLabel(QPainter& p, const ChartFrame& c, double liquidLimit, double plasticity,
                   const QString& symbol) {
    const QPointF centre = c.at(liquidLimit, plasticity);
    drawCentredText(p, QRectF(centre - QPointF(10, 5), QSizeF(20, 10)), symbol,
                    requireFont(latinFamily, 8, QFont::Bold), QColor(0x55, 0x55, 0x55));
}

void drawChartZones(QPainter& p, const ChartFrame& c) {
    drawZoneLabel(p, c, 45, 25, QStringLiteral("CL"));
    drawZoneLabel(p, c, 70, 43, QStringLiteral("CH"));
    drawZoneLabel(p, c, 36, 5, QStringLiteral("ML"));
    drawZoneLabel(p, c, 78, 20, QStringLiteral("MH"));
}

void drawChartLines(QPainter& p, const ChartFrame& c) {
    p.save();
    p.setClipRect(c.plot);
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.8, Qt::DashLine));
    p.drawLine(c.at(50, 0), c.at(50, c.maxPlasticity));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.9, Qt::DashLine));
    p.drawLine(c.at(16, 7), c.at(8 + c.maxPlasticity / 0.9, c.maxPlasticity)); // U-line
    p.setPen(QPen(palette::red, 1.3));
    p.drawLine(c.at(25.5, 4), c.at(100, 0.73 * 80)); // A-line
    p.restore();
}

void drawChartAxes(QPainter& p, const ChartFrame& c) {
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.0));
    p.drawLine(c.plot.bottomLeft(), c.plot.bottomRight());
    p.drawLine(c.plot.bottomLeft(), c.plot.topLeft());
    const QFont axis = requireFont(latinFamily, 7, QFont::Bold);
    p.setFont(axis);
    p.drawText(QRectF(c.plot.right() - 20, c.plot.bottom() + 1, 20, 9), Qt::AlignRight,
               QStringLiteral("LL"));
    p.drawText(QRectF(c.plot.left() - 12, c.plot.top() - 1, 11, 9), Qt::AlignRight,
               QStringLiteral("PI"));
}

// The sample values that the Unified panel opens with: liquid limit 38, plasticity index 26.
void drawSamplePoint(QPainter& p, const ChartFrame& c) {
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(palette::red);
    p.drawEllipse(c.at(38, 26), 2.6, 2.6);
}

void drawPlasticityChart(QPainter& p, const QRectF& card) {
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(card.adjusted(0.5, 0.5, -0.5, -0.5));
    drawCentredText(p, QRectF(card.left(), card.top() + 2, card.width(), 12),
                    QStringLiteral("Plasticity chart"), requireFont(latinFamily, 9, QFont::Bold),
                    palette::darkRed);
    const ChartFrame chart{
        QRectF(card.left() + 15.5, card.top() + 17.5, card.width() - 22, card.height() - 30), 100,
        60};
    p.setPen(QPen(QColor(0xE4, 0xE4, 0xE4), 1.0));
    for (int ll = 20; ll < 100; ll += 20)
        p.drawLine(chart.at(ll, 0), chart.at(ll, 60));
    for (int pi = 20; pi < 60; pi += 20)
        p.drawLine(chart.at(0, pi), chart.at(100, pi));
    drawChartLines(p, chart);
    drawChartZones(p, chart);
    drawChartAxes(p, chart);
    drawSamplePoint(p, chart);
}

struct Layer {
    double bottom; // where the layer ends, below its top
    QColor colour;
    QString symbol;
    int grain; // 0 none, 1 sand dots, 2 pebbles
};

// A gently wavy boundary line between two layers.
QPainterPath layerShape(const QRectF& column, double top, double bottom, unsigned salt) {
    auto wave = [&](double y, unsigned s) {
        QPolygonF line;
        Scatter scatter(s);
        for (double x = column.left(); x <= column.right() + 0.1; x += column.width() / 8)
            line << QPointF(x, y + (scatter.next() - 0.5) * 3);
        return line;
    };
    QPolygonF outline = wave(top, salt);
    outline << QPointF(column.right() + 1, bottom) << QPointF(column.left() - 1, bottom);
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

void drawGrains(QPainter& p, const QPainterPath& shape, int kind, unsigned salt) {
    if (kind == 0)
        return;
    p.save();
    p.setClipPath(shape);
    const QRectF box = shape.boundingRect();
    Scatter scatter(salt);
    p.setPen(kind == 2 ? QPen(QColor(0x50, 0x50, 0x50), 0.6) : Qt::NoPen);
    const int count = kind == 1 ? 90 : 26;
    for (int i = 0; i < count; ++i) {
        const QPointF at(box.left() + scatter.next() * box.width(),
                         box.top() + scatter.next() * box.height());
        if (kind == 1) {
            p.setBrush(QColor(0x9A, 0x7A, 0x3A, 200));
            p.drawEllipse(at, 0.7, 0.7);
        } else {
            p.setBrush(QColor::fromHsv(30, 20 + static_cast<int>(scatter.next() * 40),
                                       150 + static_cast<int>(scatter.next() * 70)));
            const double r = 2.0 + scatter.next() * 2.4;
            p.drawEllipse(at, r, r * 0.72);
        }
    }
    p.restore();
}

void drawGrass(QPainter& p, const QRectF& column) {
    Scatter scatter(3);
    const double ground = column.top() + 1.5;
    for (double x = column.left() + 3; x < column.right() - 2; x += 5 + scatter.next() * 4) {
        const QColor green = QColor::fromHsv(95 + static_cast<int>(scatter.next() * 20), 190,
                                             120 + static_cast<int>(scatter.next() * 50));
        p.setPen(QPen(green, 1.0, Qt::SolidLine, Qt::RoundCap));
        const double height = 4 + scatter.next() * 4;
        for (double lean : {-2.2, 0.0, 2.2}) // a tuft of three blades
            p.drawLine(QPointF(x + lean * 0.3, ground),
                       QPointF(x + lean, ground - height * (lean == 0.0 ? 1.0 : 0.7)));
    }
}

void drawSoilColumn(QPainter& p, const QRectF& column) {
    const std::array<Layer, 5> layers{{
        {22, QColor(0x5A, 0x3C, 0x22), QStringLiteral("OL"), 0},
        {50, QColor(0xC9, 0xA4, 0x6B), QStringLiteral("ML"), 0},
        {82, QColor(0xA4, 0x58, 0x36), QStringLiteral("CL"), 0},
        {110, QColor(0xE4, 0xC8, 0x7C), QStringLiteral("SP"), 1},
        {column.height(), QColor(0x9C, 0x98, 0x90), QStringLiteral("GW"), 2},
    }};
    const QFont tagFont = requireFont(latinFamily, 8, QFont::Bold);
    double top = column.top();
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const Layer& layer = layers[i];
        const bool last = i + 1 == layers.size();
        const double bottom = last ? column.bottom() : column.top() + layer.bottom;
        // Each layer reaches down to the column's foot; the next one covers it from its top.
        const double waveTop = i == 0 ? top - 2 : top;
        QPainterPath shape =
            layerShape(column, waveTop, column.bottom() + 4, 11 + 2 * static_cast<unsigned>(i));
        QPainterPath clip;
        clip.addRect(column);
        shape = shape.intersected(clip);
        p.setPen(Qt::NoPen);
        p.setBrush(layer.colour);
        p.drawPath(shape);
        drawGrains(p, shape, layer.grain, 40 + static_cast<unsigned>(i));
        const double middle = (top + bottom) / 2;
        drawTag(p, QPointF(column.right() - 14, middle), layer.symbol, tagFont);
        top = bottom;
    }
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(column.adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace

QImage drawPortraitPicture(qreal scale) {
    QImage image = framedCard(142, 300, scale);
    QPainter p(&image);
    prepare(p);
    drawPlasticityChart(p, QRectF(10, 10, 122, 104));
    drawSoilColumn(p, QRectF(10, 130, 122, 126));
    drawGrass(p, QRectF(10, 130, 122, 126));
    drawCentredText(p, QRectF(4, 261, 134, 17), credits::programName + QStringLiteral(" 1.0"),
                    requireFont(latinFamily, 12, QFont::Bold), palette::darkRed);
    drawCentredText(p, QRectF(4, 278, 134, 14), credits::projectName,
                    requireFont(latinCondensedFamily, 9), QColor(0x40, 0x40, 0x40));
    p.end();
    return image;
}
