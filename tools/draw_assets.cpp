// Draws every picture of the program and writes them under the given assets directory.
// Usage: draw-assets ASSETS_DIR   (needs a Qt platform; run with QT_QPA_PLATFORM=offscreen)

#include "button_art.h"
#include "credits_art.h"
#include "ico_file.h"
#include "icon_art.h"
#include "jpeg_file.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

constexpr int jpegQuality = 95;
constexpr int themeSizes[] = {16, 24, 32, 48, 64, 96, 128, 256};

void writeFile(const QDir& root, const QString& relativePath, const QByteArray& bytes) {
    const QString path = root.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw std::runtime_error("cannot create the folder of " + path.toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    std::printf("wrote %s (%lld bytes)\n", qPrintable(relativePath),
                static_cast<long long>(bytes.size()));
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error("cannot encode a PNG image");
    return bytes;
}

// The window icon: 8-bit images for old screens, a PNG at 256 pixels, 32-bit images for the rest.
std::vector<IcoImage> windowIconImages() {
    std::vector<IcoImage> images;
    for (int size : {48, 32, 24, 16})
        images.push_back({drawIcon(size, IconTarget::Palette), IcoEncoding::Palette8});
    images.push_back({drawIcon(256), IcoEncoding::Png});
    for (int size : {128, 96, 72, 64, 48, 32, 24, 16})
        images.push_back({drawIcon(size), IcoEncoding::Bgra32});
    return images;
}

// Each picture at its own size, and at twice the size for screens with a scale factor of 2
// ("name@2x.jpg", which Qt picks by itself there).
void drawPictures(const QDir& root, qreal scale, const QString& suffix) {
    const auto write = [&](const char* name, const QImage& picture) {
        writeFile(root, name + suffix + ".jpg", encodeJpeg(picture, jpegQuality));
    };
    write("emblem", drawEmblemPicture(scale));
    write("portrait", drawPortraitPicture(scale));
    write("mail", drawMailPicture(scale));
    write("phone", drawPhonePicture(scale));
    write("web", drawWebPicture(scale));
}

void drawAll(const QDir& root) {
    drawPictures(root, 1, "");
    drawPictures(root, 2, "@2x");
    writeFile(root, "soil-classifier.ico", encodeIco(windowIconImages()));
    for (int size : themeSizes) {
        const QString path = QString("icons/hicolor/%1x%1/apps/org.example.SoilClassifier.png");
        writeFile(root, path.arg(size), png(drawIcon(size)));
        const QString doubled =
            QString("icons/hicolor/%1x%1@2/apps/org.example.SoilClassifier.png");
        writeFile(root, doubled.arg(size), png(drawIcon(2 * size)));
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: draw-assets ASSETS_DIR\n");
        return 2;
    }
    try {
        drawAll(QDir(args[1]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "draw-assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
