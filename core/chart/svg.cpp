// The charts as SVG documents.
#include "core/chart/svg.h"

#include "core/chart/scene.h"
#include "core/markup.h"

#include <array>
#include <charconv>

namespace classifier {
namespace {

// "#RRGGBB"
std::string colour(std::uint32_t rgb) {
    std::array<char, 8> digits{};
    const auto end =
        std::to_chars(digits.data(), digits.data() + digits.size(), rgb & 0xFFFFFF, 16);
    std::string text =
        "#" + std::string(6 - static_cast<std::size_t>(end.ptr - digits.data()), '0');
    for (const char* c = digits.data(); c != end.ptr; ++c) {
        text += *c >= 'a' ? static_cast<char>(*c - 'a' + 'A') : *c;
    }
    return text;
}

std::string paint(std::uint32_t rgb) {
    return rgb == kNoPaint ? "none" : colour(rgb);
}

// Two decimals and a ".", whatever the C library's locale says.
std::string number(double value) {
    std::array<char, 352> text{}; // room for the largest double in full
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 2);
    return std::string(text.data(), end.ptr);
}

std::string fontFamilies() {
    std::string list;
    for (const std::string_view family : kChartFontFamilies) {
        const bool quoted = family.find(' ') != std::string_view::npos;
        list += (quoted ? "'" : "") + std::string(family) + (quoted ? "', " : ", ");
    }
    return list + "sans-serif";
}

std::string dashOf(Dash dash) {
    switch (dash) {
    case Dash::Dashed:
        return " stroke-dasharray=\"6 4\"";
    case Dash::Dotted:
        return " stroke-dasharray=\"2 3\"";
    case Dash::None:
        break;
    }
    return "";
}

std::string element(const ScenePolygon& polygon) {
    std::string points;
    for (const ChartPoint& p : polygon.points) {
        points += number(p.x) + "," + number(p.y) + " ";
    }
    const std::string opacity =
        polygon.fillOpacity < 1 ? " fill-opacity=\"" + number(polygon.fillOpacity) + "\"" : "";
    return "<polygon points=\"" + points + "\" fill=\"" + paint(polygon.fill) + "\"" + opacity +
           " stroke=\"" + paint(polygon.stroke) + "\"" + dashOf(polygon.dash) + "/>\n";
}

std::string element(const SceneLine& line) {
    return "<line x1=\"" + number(line.from.x) + "\" y1=\"" + number(line.from.y) + "\" x2=\"" +
           number(line.to.x) + "\" y2=\"" + number(line.to.y) + "\" stroke=\"" +
           colour(line.colour) + "\" stroke-width=\"" + number(line.width) + "\"" +
           dashOf(line.dash) + "/>\n";
}

std::string element(const SceneCircle& circle) {
    return "<circle cx=\"" + number(circle.centre.x) + "\" cy=\"" + number(circle.centre.y) +
           "\" r=\"" + number(circle.radius) + "\" fill=\"" + colour(circle.fill) + "\" stroke=\"" +
           colour(circle.stroke) + "\"/>\n";
}

// A right-to-left text starts at its right end, so its anchor is named the other way round.
std::string anchorOf(const SceneText& text) {
    switch (text.anchor) {
    case Anchor::Middle:
        return "middle";
    case Anchor::Left:
        return text.rightToLeft ? "end" : "start";
    case Anchor::Right:
        break;
    }
    return text.rightToLeft ? "start" : "end";
}

std::string element(const SceneText& text) {
    std::string attributes = "x=\"" + number(text.at.x) + "\" y=\"" + number(text.at.y) +
                             "\" font-size=\"" + number(text.size) + "\" text-anchor=\"" +
                             anchorOf(text) + "\" fill=\"" + colour(text.colour) + "\"";
    if (text.rightToLeft) {
        attributes += " direction=\"rtl\" unicode-bidi=\"embed\"";
    }
    if (text.bold) {
        attributes += " font-weight=\"bold\"";
    }
    if (text.italic) {
        attributes += " font-style=\"italic\"";
    }
    if (text.rotation != 0) {
        attributes += " transform=\"rotate(" + number(text.rotation) + " " + number(text.at.x) +
                      " " + number(text.at.y) + ")\"";
    }
    return "<text " + attributes + ">" + escapedMarkup(text.text) + "</text>\n";
}

} // namespace

std::string chartSvg(const Chart& chart, Language language) {
    const Scene scene = chartScene(chart, language);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      number(scene.width) + "\" height=\"" + number(scene.height) +
                      "\" viewBox=\"0 0 " + number(scene.width) + " " + number(scene.height) +
                      "\" font-family=\"" + fontFamilies() + "\">\n";
    for (const SceneItem& item : scene.items) {
        svg += std::visit([](const auto& part) { return element(part); }, item);
    }
    return svg + "</svg>\n";
}

} // namespace classifier
