#include "quantize.h"

#include <algorithm>
#include <map>

namespace {

struct ColourCount {
    QRgb colour;
    int count;
};

using Box = std::vector<ColourCount>;

int channel(QRgb c, int which) {
    return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c);
}

// The channel with the widest spread in a box, and that spread.
std::pair<int, int> widestChannel(const Box& box) {
    int best = 0, bestRange = -1;
    for (int ch = 0; ch < 3; ++ch) {
        const auto [lo, hi] = std::minmax_element(box.begin(), box.end(), [&](auto& a, auto& b) {
            return channel(a.colour, ch) < channel(b.colour, ch);
        });
        const int range = channel(hi->colour, ch) - channel(lo->colour, ch);
        if (range > bestRange)
            best = ch, bestRange = range;
    }
    return {best, bestRange};
}

// Splits the box at the median pixel along its widest channel.
std::pair<Box, Box> split(Box box) {
    const int ch = widestChannel(box).first;
    std::sort(box.begin(), box.end(),
              [&](auto& a, auto& b) { return channel(a.colour, ch) < channel(b.colour, ch); });
    long total = 0;
    for (auto& c : box)
        total += c.count;
    long seen = 0;
    std::size_t cut = 1;
    for (; cut < box.size() - 1; ++cut) {
        seen += box[cut - 1].count;
        if (seen * 2 >= total)
            break;
    }
    return {Box(box.begin(), box.begin() + static_cast<long>(cut)),
            Box(box.begin() + static_cast<long>(cut), box.end())};
}

QRgb average(const Box& box) {
    double r = 0, g = 0, b = 0, n = 0;
    for (auto& c : box) {
        r += qRed(c.colour) * c.count;
        g += qGreen(c.colour) * c.count;
        b += qBlue(c.colour) * c.count;
        n += c.count;
    }
    return qRgb(static_cast<int>(r / n + 0.5), static_cast<int>(g / n + 0.5),
                static_cast<int>(b / n + 0.5));
}

std::vector<QRgb> medianCut(Box colours, std::size_t wanted) {
    std::vector<Box> boxes{std::move(colours)};
    while (boxes.size() < wanted) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](auto& a, auto& b) {
            const int ra = a.size() > 1 ? widestChannel(a).second : -1;
            const int rb = b.size() > 1 ? widestChannel(b).second : -1;
            return ra < rb;
        });
        if (widest->size() < 2)
            break;
        auto [low, high] = split(std::move(*widest));
        *widest = std::move(low);
        boxes.push_back(std::move(high));
    }
    std::vector<QRgb> palette;
    for (auto& box : boxes)
        palette.push_back(average(box));
    return palette;
}

std::uint8_t nearest(const std::vector<QRgb>& palette, QRgb colour) {
    std::size_t best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour), dg = qGreen(palette[i]) - qGreen(colour),
                  db = qBlue(palette[i]) - qBlue(colour);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance)
            best = i, bestDistance = distance;
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace

IndexedImage quantize(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    IndexedImage out;
    out.width = argb.width();
    out.height = argb.height();
    std::map<QRgb, int> histogram;
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            if (const QRgb c = argb.pixel(x, y); qAlpha(c) >= 128)
                ++histogram[c | 0xFF000000u];
    Box colours;
    for (auto [colour, count] : histogram)
        colours.push_back({colour, count});
    out.palette = {qRgb(0, 0, 0)};
    if (colours.size() <= 255) {
        for (auto& c : colours)
            out.palette.push_back(c.colour);
    } else {
        const std::vector<QRgb> chosen = medianCut(std::move(colours), 255);
        out.palette.insert(out.palette.end(), chosen.begin(), chosen.end());
    }
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const QRgb c = argb.pixel(x, y);
            const bool clear = qAlpha(c) < 128;
            out.transparent.push_back(clear);
            out.indices.push_back(clear ? 0 : nearest(out.palette, c | 0xFF000000u));
        }
    }
    return out;
}
