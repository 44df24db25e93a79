#include "chart_painter.h"

#include "core/chart_style.h"
#include "core/number_text.h"
#include "qt_text.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace classifier {
namespace {

namespace style = chart_style;

QColor rgb(std::uint32_t value) {
    return QColor::fromRgb(value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF);
}

QFont chartFont(double size, bool bold = false, bool italic = false) {
    QFont font;
    font.setFamilies({"Vazirmatn", "Noto Sans Arabic UI", "Noto Sans", "Tahoma", "DejaVu Sans"});
    font.setPixelSize(int(size));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

enum class Anchor { Start, Middle, End };

class Painter {
public:
    Painter(QPainter& painter, const Chart& chart, Language language)
        : p_(painter), chart_(chart), language_(language), frame_(chartFrame()) {}

    void paint() {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setRenderHint(QPainter::TextAntialiasing);
        p_.fillRect(QRectF(0, 0, kChartWidth, kChartHeight), rgb(style::kBackground));
        zones(ZoneStyle::Filled);
        grid();
        zones(ZoneStyle::Outlined);
        lines();
        axes();
        zoneLabels();
        samples();
        note();
        p_.restore();
    }

private:
    QPointF at(ChartPoint point) const {
        return {frame_.xOf(chart_, point.x), frame_.yOf(chart_, point.y)};
    }

    // A text with its baseline at y, placed on x as a left-to-right text would be anchored.
    void text(double x, double y, const QString& content, const QFont& font, Anchor anchor,
              QColor colour = rgb(style::kInk)) {
        const QFontMetricsF metrics(font);
        const double width = metrics.horizontalAdvance(content);
        const double left = anchor == Anchor::Start ? x
                            : anchor == Anchor::End ? x - width
                                                    : x - width / 2;
        p_.setFont(font);
        p_.setPen(colour);
        p_.drawText(QRectF(left, y - metrics.ascent(), width + 1, metrics.height()),
                    Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextDontClip, content);
    }
    QString words(const Wording& wording) const { return toQString(wording.in(language_)); }

    void zones(ZoneStyle which) {
        for (const Zone& zone : chart_.zones) {
            if (zone.style != which) {
                continue;
            }
            for (const ChartPolygon& piece : zone.pieces) {
                QPolygonF polygon;
                for (const ChartPoint& point : piece) {
                    polygon << at(point);
                }
                if (which == ZoneStyle::Filled) {
                    p_.setPen(Qt::NoPen);
                    p_.setBrush(rgb(zone.colour));
                } else {
                    p_.setPen(QPen(rgb(style::kDashedLine), 1, Qt::DotLine));
                    p_.setBrush(Qt::NoBrush);
                }
                p_.drawPolygon(polygon);
            }
        }
    }

    void grid() {
        p_.setPen(QPen(rgb(style::kGrid), 1));
        const QFont font = chartFont(style::kTextSize);
        for (double v = chart_.x.low; v <= chart_.x.high + 1e-9; v += chart_.x.step) {
            p_.setPen(QPen(rgb(style::kGrid), 1));
            p_.drawLine(at({v, chart_.y.low}), at({v, chart_.y.high}));
            text(at({v, chart_.y.low}).x(), at({v, chart_.y.low}).y() + 16,
                 toQString(formatNumber(v, {})), font, Anchor::Middle);
        }
        for (double v = chart_.y.low; v <= chart_.y.high + 1e-9; v += chart_.y.step) {
            p_.setPen(QPen(rgb(style::kGrid), 1));
            p_.drawLine(at({chart_.x.low, v}), at({chart_.x.high, v}));
            text(at({chart_.x.low, v}).x() - 6, at({chart_.x.low, v}).y() + 4,
                 toQString(formatNumber(v, {})), font, Anchor::End);
        }
    }

    void lines() {
        for (const ChartLine& line : chart_.lines) {
            const QColor colour = rgb(line.dashed ? style::kDashedLine : style::kInk);
            p_.setPen(QPen(colour, 1.5, line.dashed ? Qt::DashLine : Qt::SolidLine));
            p_.drawLine(at(line.from), at(line.to));
            const QPointF end = at(line.to);
            text(end.x() - 4, end.y() + (line.to.y >= chart_.y.high ? 14 : -6), words(line.label),
                 chartFont(style::kTextSize), Anchor::End);
        }
    }

    void axes() {
        p_.setPen(QPen(rgb(style::kInk), 1));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(QRectF(frame_.left, frame_.top, frame_.width, frame_.height));
        text(kChartWidth / 2, 28, words(chart_.title), chartFont(style::kTitleSize, true),
             Anchor::Middle);
        const QFont font = chartFont(style::kTextSize);
        text(frame_.left + frame_.width / 2, kChartHeight - 12, words(chart_.xTitle), font,
             Anchor::Middle);
        p_.save();
        p_.translate(18, frame_.top + frame_.height / 2);
        p_.rotate(-90);
        text(0, 0, words(chart_.yTitle), font, Anchor::Middle);
        p_.restore();
    }

    void zoneLabels() {
        for (const Zone& zone : chart_.zones) {
            const QString label = toQString(zone.label);
            if (zone.style == ZoneStyle::Filled) {
                const QPointF centre = at(zoneLabelPoint(zone));
                text(centre.x(), centre.y() + 5, label, chartFont(style::kZoneLabelSize, true),
                     Anchor::Middle);
            } else if (zone.style == ZoneStyle::Outlined) {
                const QPointF corner = at(zoneCorner(zone));
                text(corner.x() + 4, corner.y() + 13, label,
                     chartFont(style::kTextSize, false, true), Anchor::Start);
            }
        }
    }

    void samples() {
        for (const ChartSample& sample : chart_.samples) {
            if (!sample.layer) {
                continue;
            }
            const QPointF centre = at(sample.at);
            p_.setPen(QPen(Qt::white, 1));
            p_.setBrush(rgb(style::kSample));
            p_.drawEllipse(centre, style::kSampleRadius, style::kSampleRadius);
            text(centre.x() + 7, centre.y() - 7, toQString(sample.label),
                 chartFont(style::kTextSize, true), Anchor::Start, rgb(style::kSample));
        }
    }

    void note() {
        if (chart_.note) {
            text(frame_.left + frame_.width / 2, frame_.top + 24, words(*chart_.note),
                 chartFont(style::kTextSize), Anchor::Middle, QColor(0x80, 0, 0));
        }
    }

    QPainter& p_;
    const Chart& chart_;
    Language language_;
    ChartFrame frame_;
};

} // namespace

void paintChart(QPainter& painter, const Chart& chart, Language language) {
    painter.setLayoutDirection(language == Language::Persian ? Qt::RightToLeft : Qt::LeftToRight);
    Painter(painter, chart, language).paint();
}

QImage chartImage(const Chart& chart, Language language, double scale) {
    QImage image(int(kChartWidth * scale), int(kChartHeight * scale), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintChart(painter, chart, language);
    return image;
}

} // namespace classifier
