// Reads the committed pictures back: the icon file's 13 images byte by byte, and the exact
// pixel sizes of the JPEG pictures and of the icon theme's PNG files.

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const QString assets = QStringLiteral(CLASSIFIER_ASSETS_DIR);

QByteArray readAsset(const QString& name) {
    QFile file(assets + "/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint16 u16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 u32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

struct Expected {
    int size;
    int bitsPerPixel;
    bool png;
};

// The images of the window icon, in the order the file stores them.
constexpr Expected iconImages[] = {
    {48, 8, false},   {32, 8, false},  {24, 8, false},  {16, 8, false},  {256, 32, true},
    {128, 32, false}, {96, 32, false}, {72, 32, false}, {64, 32, false}, {48, 32, false},
    {32, 32, false},  {24, 32, false}, {16, 32, false},
};

struct DirectoryEntry {
    int width, height, colourCount, reserved, planes, bitsPerPixel;
    quint32 bytes, offset;
};

DirectoryEntry entryAt(const QByteArray& ico, int index) {
    const qsizetype at = 6 + 16 * index;
    auto byte = [&](qsizetype i) { return static_cast<unsigned char>(ico[at + i]); };
    return {byte(0) == 0 ? 256 : byte(0),
            byte(1) == 0 ? 256 : byte(1),
            byte(2),
            byte(3),
            u16(ico, at + 4),
            u16(ico, at + 6),
            u32(ico, at + 8),
            u32(ico, at + 12)};
}

class IconFile : public ::testing::Test {
protected:
    void SetUp() override {
        ico = readAsset("soil-classifier.ico");
        ASSERT_GE(ico.size(), 6 + 16 * 13) << "assets/soil-classifier.ico is missing or short";
    }
    QByteArray ico;
};

TEST_F(IconFile, HeaderDeclaresAnIconOfThirteenImages) {
    EXPECT_EQ(u16(ico, 0), 0);
    EXPECT_EQ(u16(ico, 2), 1);
    EXPECT_EQ(u16(ico, 4), 13);
}

TEST_F(IconFile, DirectoryEntriesHaveTheirSizesAndDepthsAndDoNotOverlap) {
    quint32 end = 6 + 16 * 13;
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const DirectoryEntry e = entryAt(ico, i);
        EXPECT_EQ(e.width, iconImages[i].size);
        EXPECT_EQ(e.height, iconImages[i].size);
        EXPECT_EQ(e.colourCount, 0);
        EXPECT_EQ(e.reserved, 0);
        EXPECT_EQ(e.planes, 1);
        EXPECT_EQ(e.bitsPerPixel, iconImages[i].bitsPerPixel);
        EXPECT_GE(e.offset, end) << "overlaps the directory or the image before it";
        end = e.offset + e.bytes;
        EXPECT_LE(end, static_cast<quint32>(ico.size()));
    }
    EXPECT_EQ(end, static_cast<quint32>(ico.size())) << "bytes after the last image";
}

// A bitmap image: its header, its size in bytes, and its AND mask where the sheet's
// turned-down corner leaves the top right pixel clear and the middle of the sheet covered.
TEST_F(IconFile, BitmapImagesAreCompleteWithTheirMasksTheRightWayUp) {
    for (int i = 0; i < 13; ++i) {
        if (iconImages[i].png)
            continue;
        SCOPED_TRACE("image " + std::to_string(i));
        const DirectoryEntry e = entryAt(ico, i);
        const int size = iconImages[i].size, bits = iconImages[i].bitsPerPixel;
        const qsizetype h = e.offset;
        ASSERT_EQ(u32(ico, h), 40u);
        EXPECT_EQ(u32(ico, h + 4), static_cast<quint32>(size));
        EXPECT_EQ(u32(ico, h + 8), static_cast<quint32>(2 * size));
        EXPECT_EQ(u16(ico, h + 12), 1);
        EXPECT_EQ(u16(ico, h + 14), bits);
        EXPECT_EQ(u32(ico, h + 16), 0u) << "compressed";
        const int colourRow = ((size * bits + 31) / 32) * 4, maskRow = ((size + 31) / 32) * 4;
        const int paletteBytes = bits == 8 ? 256 * 4 : 0;
        ASSERT_EQ(e.bytes, static_cast<quint32>(40 + paletteBytes + (colourRow + maskRow) * size));
        const qsizetype mask = h + 40 + paletteBytes + colourRow * size;
        auto clear = [&](int x, int y) {
            const char byte = ico[mask + (size - 1 - y) * maskRow + x / 8];
            return (static_cast<unsigned char>(byte) & (0x80 >> (x % 8))) != 0;
        };
        EXPECT_TRUE(clear(size - 1, 0));
        EXPECT_FALSE(clear(size / 2, size / 2));
    }
}

TEST_F(IconFile, LargestImageIsATrueColourPngOf256Pixels) {
    const DirectoryEntry e = entryAt(ico, 4);
    const QByteArray png = ico.mid(e.offset, e.bytes);
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    ASSERT_EQ(png.mid(12, 4), QByteArray("IHDR"));
    EXPECT_EQ(qFromBigEndian<quint32>(png.constData() + 16), 256u);
    EXPECT_EQ(qFromBigEndian<quint32>(png.constData() + 20), 256u);
    EXPECT_EQ(png[24], 8) << "bits per channel";
    EXPECT_EQ(png[25], 6) << "colour type: RGB with alpha";
    const QImage image = QImage::fromData(png, "PNG");
    EXPECT_EQ(image.size(), QSize(256, 256));
    EXPECT_TRUE(image.hasAlphaChannel());
}

// Qt reads every image, and each 8-bit image looks like the 32-bit image of its size.
TEST_F(IconFile, PaletteImagesMatchTheTrueColourImages) {
    QImageReader reader(assets + "/soil-classifier.ico");
    ASSERT_EQ(reader.imageCount(), 13);
    QList<QImage> images;
    for (int i = 0; i < 13; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        images.append(reader.read().convertToFormat(QImage::Format_ARGB32));
        EXPECT_EQ(images.last().width(), iconImages[i].size) << "image " << i;
    }
    for (int i = 0; i < 4; ++i) {
        const QImage& palette = images[i];
        const QImage& full = images[9 + i];
        ASSERT_EQ(palette.size(), full.size());
        long difference = 0, counted = 0;
        for (int y = 0; y < full.height(); ++y) {
            for (int x = 0; x < full.width(); ++x) {
                const QRgb a = palette.pixel(x, y), b = full.pixel(x, y);
                if (qAlpha(a) == 255 && qAlpha(b) == 255) {
                    difference += std::abs(qGray(a) - qGray(b));
                    ++counted;
                }
            }
        }
        ASSERT_GT(counted, full.width() * full.height() / 2) << "size " << full.width();
        EXPECT_LT(difference / counted, 4) << "size " << full.width();
    }
}

// The window's title bar shows the theme's PNG files: they are the icon's 32-bit images.
TEST_F(IconFile, ThemePicturesAreTheTrueColourImages) {
    QImageReader reader(assets + "/soil-classifier.ico");
    for (int i = 5; i < 13; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        const QString theme =
            QString("%1/icons/hicolor/%2x%2/apps/org.example.SoilClassifier.png").arg(assets);
        if (QFile::exists(theme.arg(image.width()))) {
            EXPECT_EQ(QImage(theme.arg(image.width())).convertToFormat(QImage::Format_ARGB32),
                      image)
                << "size " << image.width();
        }
    }
}

struct Picture {
    const char* file;
    const char* format;
    int width, height;
};

constexpr Picture pictures[] = {
    {"emblem.jpg", "jpeg", 142, 200},
    {"portrait.jpg", "jpeg", 142, 300},
    {"mail.jpg", "jpeg", 40, 40},
    {"phone.jpg", "jpeg", 32, 32},
    {"web.jpg", "jpeg", 32, 32},
    {"icons/hicolor/16x16/apps/org.example.SoilClassifier.png", "png", 16, 16},
    {"icons/hicolor/24x24/apps/org.example.SoilClassifier.png", "png", 24, 24},
    {"icons/hicolor/32x32/apps/org.example.SoilClassifier.png", "png", 32, 32},
    {"icons/hicolor/48x48/apps/org.example.SoilClassifier.png", "png", 48, 48},
    {"icons/hicolor/64x64/apps/org.example.SoilClassifier.png", "png", 64, 64},
    {"icons/hicolor/96x96/apps/org.example.SoilClassifier.png", "png", 96, 96},
    {"icons/hicolor/128x128/apps/org.example.SoilClassifier.png", "png", 128, 128},
    {"icons/hicolor/256x256/apps/org.example.SoilClassifier.png", "png", 256, 256},
};

// "emblem.jpg" -> "emblem@2x.jpg"; "icons/hicolor/16x16/apps/x.png" -> ".../16x16@2/apps/x.png"
QString doubled(const QString& file) {
    if (file.startsWith("icons/")) {
        QStringList parts = file.split('/');
        parts[2] += "@2";
        return parts.join('/');
    }
    return QString(file).insert(file.lastIndexOf('.'), "@2x");
}

void expectPicture(const QString& file, const char* format, QSize size) {
    SCOPED_TRACE(file.toStdString());
    QImageReader reader(assets + "/" + file);
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), QByteArray(format));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), size);
    EXPECT_FALSE(image.isGrayscale());
}

// Each picture at its size, and at twice its size for screens with a scale factor of 2.
TEST(Pictures, HaveTheirFormatAndExactPixelSize) {
    for (const Picture& picture : pictures) {
        const QSize size(picture.width, picture.height);
        expectPicture(picture.file, picture.format, size);
        expectPicture(doubled(picture.file), picture.format, size * 2);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv); // lets Qt find its image format plugins
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
