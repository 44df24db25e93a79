// The reduction of a picture to the 8-bit icon's palette and one-bit mask.

#include "quantize.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QImage gradient(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, qRgb(x * 255 / (size - 1), y * 255 / (size - 1), 128));
    return image;
}

int channelError(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

TEST(Quantize, FewColoursAreKeptExactlyWithBlackFirst) {
    QImage image(4, 1, QImage::Format_ARGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 224, 192), qRgb(0, 0, 0)};
    for (int x = 0; x < 4; ++x)
        image.setPixel(x, 0, colours[x]);
    const IndexedImage indexed = quantize(image);
    ASSERT_LE(indexed.palette.size(), 256u);
    EXPECT_EQ(indexed.palette[0], qRgb(0, 0, 0));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(indexed.palette[indexed.indices[x]], colours[x]) << "pixel " << x;
}

TEST(Quantize, ManyColoursShareAPaletteOf256) {
    const QImage image = gradient(96); // 9216 colours
    const IndexedImage indexed = quantize(image);
    ASSERT_EQ(indexed.palette.size(), 256u);
    EXPECT_EQ(indexed.palette[0], qRgb(0, 0, 0));
    long total = 0;
    int worst = 0;
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 96; ++x) {
            const int error =
                channelError(indexed.palette[indexed.indices[y * 96 + x]], image.pixel(x, y));
            total += error;
            worst = std::max(worst, error);
        }
    }
    EXPECT_LT(total / (96 * 96), 12);
    EXPECT_LT(worst, 40);
}

TEST(Quantize, PixelsLessThanHalfOpaqueBecomeTransparentOnBlack) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(200, 10, 10, 0));
    image.setPixel(1, 0, qRgba(200, 10, 10, 127));
    image.setPixel(2, 0, qRgba(200, 10, 10, 128));
    const IndexedImage indexed = quantize(image);
    EXPECT_TRUE(indexed.transparent[0]);
    EXPECT_TRUE(indexed.transparent[1]);
    EXPECT_FALSE(indexed.transparent[2]);
    EXPECT_EQ(indexed.palette[indexed.indices[0]], qRgb(0, 0, 0));
    EXPECT_EQ(indexed.palette[indexed.indices[2]], qRgb(200, 10, 10));
}

} // namespace
