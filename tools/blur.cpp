#include "blur.h"

#include <algorithm>
#include <vector>

namespace {

// One box-blur pass over every channel of one row or column of premultiplied pixels.
void boxPass(QRgb* first, int count, int stride, int radius) {
    std::vector<QRgb> source(count);
    for (int i = 0; i < count; ++i)
        source[i] = first[i * stride];
    const int window = 2 * radius + 1;
    for (int i = 0; i < count; ++i) {
        int sums[4] = {0, 0, 0, 0};
        for (int k = i - radius; k <= i + radius; ++k) {
            const QRgb pixel = (k >= 0 && k < count) ? source[k] : 0;
            sums[0] += qAlpha(pixel);
            sums[1] += qRed(pixel);
            sums[2] += qGreen(pixel);
            sums[3] += qBlue(pixel);
        }
        first[i * stride] =
            qRgba(sums[1] / window, sums[2] / window, sums[3] / window, sums[0] / window);
    }
}

} // namespace

void blur(QImage& image, int radius) {
    radius = qRound(radius * image.devicePixelRatio());
    if (radius <= 0)
        return;
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    const int width = image.width();
    const int height = image.height();
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            boxPass(pixels + y * width, width, 1, radius);
        for (int x = 0; x < width; ++x)
            boxPass(pixels + x, height, width, radius);
    }
}
