#include "chart_painter.h"

#include "core/chart/scene.h"
#include "qt_text.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace classifier {
namespace {

QColor rgb(std::uint32_t value) {
    return QColor::fromRgb(value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF);
}

Qt::PenStyle penStyle(Dash dash) {
    switch (dash) {
    case Dash::Dashed:
        return Qt::DashLine;
    case Dash::Dotted:
        return Qt::DotLine;
    case Dash::None:
        break;
    }
    return Qt::SolidLine;
}

QFont fontOf(const SceneText& text) {
    QStringList families;
    for (const std::string_view family : kChartFontFamilies) {
        families << toQString(family);
    }
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(int(text.size));
    font.setBold(text.bold);
    font.setItalic(text.italic);
    return font;
}

class Painter {
public:
    explicit Painter(QPainter& painter) : p_(painter) {}

    void operator()(const ScenePolygon& polygon) {
        QPolygonF points;
        for (const ChartPoint& point : polygon.points) {
            points << QPointF(point.x, point.y);
        }
        p_.setPen(polygon.stroke == kNoPaint
                      ? QPen(Qt::NoPen)
                      : QPen(rgb(polygon.stroke), 1, penStyle(polygon.dash)));
        QColor fill = rgb(polygon.fill);
        fill.setAlphaF(float(polygon.fillOpacity));
        p_.setBrush(polygon.fill == kNoPaint ? QBrush(Qt::NoBrush) : QBrush(fill));
        p_.drawPolygon(points);
    }

    void operator()(const SceneLine& line) {
        p_.setPen(QPen(rgb(line.colour), line.width, penStyle(line.dash)));
        p_.drawLine(QPointF(line.from.x, line.from.y), QPointF(line.to.x, line.to.y));
    }

    void operator()(const SceneCircle& circle) {
        p_.setPen(QPen(rgb(circle.stroke), 1));
        p_.setBrush(rgb(circle.fill));
        p_.drawEllipse(QPointF(circle.centre.x, circle.centre.y), circle.radius, circle.radius);
    }

    void operator()(const SceneText& text) {
        const QFont font = fontOf(text);
        const QString content = toQString(text.text);
        const QFontMetricsF metrics(font);
        const double width = metrics.horizontalAdvance(content);
        const double left = text.anchor == Anchor::Left    ? 0
                            : text.anchor == Anchor::Right ? -width
                                                           : -width / 2;
        p_.save();
        p_.translate(text.at.x, text.at.y);
        p_.rotate(text.rotation);
        p_.setLayoutDirection(text.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        p_.setFont(font);
        p_.setPen(rgb(text.colour));
        p_.drawText(QRectF(left, -metrics.ascent(), width + 1, metrics.height()),
                    Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextDontClip, content);
        p_.restore();
    }

private:
    QPainter& p_;
};

} // namespace

void paintScene(QPainter& painter, const QRectF& area, const Scene& scene) {
    const double scale = std::min(area.width() / scene.width, area.height() / scene.height);
    painter.save();
    painter.translate(area.left() + (area.width() - scene.width * scale) / 2,
                      area.top() + (area.height() - scene.height * scale) / 2);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Painter draw(painter);
    for (const SceneItem& item : scene.items) {
        std::visit(draw, item);
    }
    painter.restore();
}

QImage chartImage(const Chart& chart, Language language, double scale) {
    const Scene scene = chartScene(chart, language);
    const QSize size(int(std::ceil(scene.width * scale)), int(std::ceil(scene.height * scale)));
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintScene(painter, QRectF(QPointF(0, 0), size), scene);
    return image;
}

} // namespace classifier
