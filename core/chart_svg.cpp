// The charts as SVG documents.
#include "chart.h"
#include "chart_style.h"
#include "markup.h"
#include "number_text.h"

#include <cmath>
#include <cstdio>

namespace classifier {
namespace {

namespace style = chart_style;

std::string colour(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

class SvgWriter {
public:
    SvgWriter(const Chart& chart, Language language)
        : chart_(chart), language_(language), frame_(chartFrame()) {}

    std::string document() {
        out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
               number(kChartWidth) + "\" height=\"" + number(kChartHeight) + "\" viewBox=\"0 0 " +
               number(kChartWidth) + " " + number(kChartHeight) + "\" font-family=\"" +
               std::string(style::kFontFamilies) + "\">\n";
        out_ +=
            "<rect width=\"100%\" height=\"100%\" fill=\"" + colour(style::kBackground) + "\"/>\n";
        zones(ZoneStyle::Filled);
        grid();
        zones(ZoneStyle::Outlined);
        lines();
        axes();
        zoneLabels();
        samples();
        note();
        out_ += "</svg>\n";
        return std::move(out_);
    }

private:
    double x(double v) const { return frame_.xOf(chart_, v); }
    double y(double v) const { return frame_.yOf(chart_, v); }

    void text(double px, double py, std::string_view content, double size, std::string_view anchor,
              std::string_view extra = {}) {
        const bool rtl = language_ == Language::Persian;
        if (rtl && anchor != "middle") { // a right-to-left text starts at its right end
            anchor = anchor == "end" ? "start" : "end";
        }
        out_ += "<text x=\"" + number(px) + "\" y=\"" + number(py) + "\" font-size=\"" +
                number(size) + "\" text-anchor=\"" + std::string(anchor) + "\"" +
                (rtl ? " direction=\"rtl\" unicode-bidi=\"embed\"" : "") + std::string(extra) +
                ">" + escapedMarkup(content) + "</text>\n";
    }

    void zones(ZoneStyle which) {
        for (const Zone& zone : chart_.zones) {
            if (zone.style != which) {
                continue;
            }
            for (const ChartPolygon& piece : zone.pieces) {
                out_ += "<polygon points=\"";
                for (const ChartPoint& p : piece) {
                    out_ += number(x(p.x)) + "," + number(y(p.y)) + " ";
                }
                out_ += which == ZoneStyle::Filled
                            ? "\" fill=\"" + colour(zone.colour) + "\" stroke=\"none\"/>\n"
                            : "\" fill=\"none\" stroke=\"" + colour(style::kDashedLine) +
                                  "\" stroke-dasharray=\"2 3\"/>\n";
            }
        }
    }

    void grid() {
        for (double v = chart_.x.low; v <= chart_.x.high + 1e-9; v += chart_.x.step) {
            line(x(v), y(chart_.y.low), x(v), y(chart_.y.high), style::kGrid, false, 1);
            text(x(v), y(chart_.y.low) + 16, formatNumber(v, {}), style::kTextSize, "middle");
        }
        for (double v = chart_.y.low; v <= chart_.y.high + 1e-9; v += chart_.y.step) {
            line(x(chart_.x.low), y(v), x(chart_.x.high), y(v), style::kGrid, false, 1);
            text(x(chart_.x.low) - 6, y(v) + 4, formatNumber(v, {}), style::kTextSize, "end");
        }
    }

    void line(double x1, double y1, double x2, double y2, std::uint32_t rgb, bool dashed,
              double width) {
        out_ += "<line x1=\"" + number(x1) + "\" y1=\"" + number(y1) + "\" x2=\"" + number(x2) +
                "\" y2=\"" + number(y2) + "\" stroke=\"" + colour(rgb) + "\" stroke-width=\"" +
                number(width) + "\"" + (dashed ? " stroke-dasharray=\"6 4\"" : "") + "/>\n";
    }

    void lines() {
        for (const ChartLine& l : chart_.lines) {
            const std::uint32_t rgb = l.dashed ? style::kDashedLine : style::kInk;
            line(x(l.from.x), y(l.from.y), x(l.to.x), y(l.to.y), rgb, l.dashed, 1.5);
            text(x(l.to.x) - 4, y(l.to.y) + (l.to.y >= chart_.y.high ? 14 : -6),
                 l.label.in(language_), style::kTextSize, "end");
        }
    }

    void axes() {
        out_ += "<rect x=\"" + number(frame_.left) + "\" y=\"" + number(frame_.top) +
                "\" width=\"" + number(frame_.width) + "\" height=\"" + number(frame_.height) +
                "\" fill=\"none\" stroke=\"" + colour(style::kInk) + "\"/>\n";
        text(kChartWidth / 2, 28, chart_.title.in(language_), style::kTitleSize, "middle",
             " font-weight=\"bold\"");
        text(frame_.left + frame_.width / 2, kChartHeight - 12, chart_.xTitle.in(language_),
             style::kTextSize, "middle");
        const double cx = 18;
        const double cy = frame_.top + frame_.height / 2;
        text(cx, cy, chart_.yTitle.in(language_), style::kTextSize, "middle",
             " transform=\"rotate(-90 " + number(cx) + " " + number(cy) + ")\"");
    }

    void zoneLabels() {
        for (const Zone& zone : chart_.zones) {
            if (zone.style == ZoneStyle::Hidden) {
                continue;
            }
            if (zone.style == ZoneStyle::Filled) {
                const ChartPoint at = zoneLabelPoint(zone);
                text(x(at.x), y(at.y) + 5, zone.label, style::kZoneLabelSize, "middle",
                     " font-weight=\"bold\"");
            } else {
                const ChartPoint at = zoneCorner(zone);
                out_ += "<text x=\"" + number(x(at.x) + 4) + "\" y=\"" + number(y(at.y) + 13) +
                        "\" font-size=\"" + number(style::kTextSize) + "\" font-style=\"italic\">" +
                        escapedMarkup(zone.label) + "</text>\n";
            }
        }
    }

    void samples() {
        for (const ChartSample& s : chart_.samples) {
            if (!s.layer) {
                continue;
            }
            out_ += "<circle cx=\"" + number(x(s.at.x)) + "\" cy=\"" + number(y(s.at.y)) +
                    "\" r=\"" + number(style::kSampleRadius) + "\" fill=\"" +
                    colour(style::kSample) + "\" stroke=\"#FFFFFF\"/>\n";
            out_ += "<text x=\"" + number(x(s.at.x) + 7) + "\" y=\"" + number(y(s.at.y) - 7) +
                    "\" font-size=\"" + number(style::kTextSize) +
                    "\" font-weight=\"bold\" fill=\"" + colour(style::kSample) + "\">" +
                    escapedMarkup(s.label) + "</text>\n";
        }
    }

    void note() {
        if (chart_.note) {
            text(frame_.left + frame_.width / 2, frame_.top + 24, chart_.note->in(language_),
                 style::kTextSize, "middle", " fill=\"#800000\"");
        }
    }

    const Chart& chart_;
    Language language_;
    ChartFrame frame_;
    std::string out_;
};

} // namespace

std::string chartSvg(const Chart& chart, Language language) {
    return SvgWriter(chart, language).document();
}

} // namespace classifier
