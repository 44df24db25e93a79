#include "ico_file.h"

#include "quantize.h"

#include <QBuffer>
#include <QtEndian>
#include <stdexcept>

namespace {

void put16(QByteArray& out, quint16 value) {
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&value), 2);
}

void put32(QByteArray& out, quint32 value) {
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&value), 4);
}

int paddedRowBytes(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

void putBitmapHeader(QByteArray& out, int size, int bitsPerPixel, quint32 pixelBytes) {
    put32(out, 40);                             // size of this header
    put32(out, static_cast<quint32>(size));     // width
    put32(out, static_cast<quint32>(2 * size)); // height of the colour and mask images together
    put16(out, 1);                              // planes
    put16(out, static_cast<quint16>(bitsPerPixel));
    put32(out, 0); // no compression
    put32(out, pixelBytes);
    put32(out, 0);                           // horizontal resolution
    put32(out, 0);                           // vertical resolution
    put32(out, bitsPerPixel == 8 ? 256 : 0); // colours in the palette
    put32(out, 0);                           // all colours important
}

// The AND mask: one bit per pixel, set where the screen shows through; rows from the bottom.
template <typename IsClear> void putMask(QByteArray& out, int size, IsClear isClear) {
    const int rowBytes = paddedRowBytes(size, 1);
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < size; ++x)
            if (isClear(x, y))
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
}

QByteArray paletteBitmap(const QImage& image) {
    const int size = image.width();
    const IndexedImage indexed = quantize(image);
    const int rowBytes = paddedRowBytes(size, 8);
    QByteArray out;
    putBitmapHeader(out, size, 8,
                    static_cast<quint32>((rowBytes + paddedRowBytes(size, 1)) * size));
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < static_cast<int>(indexed.palette.size()) ? indexed.palette[i] : 0;
        out.append(static_cast<char>(qBlue(c))).append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c))).append('\0');
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < size; ++x)
            row[x] = static_cast<char>(indexed.indices[y * size + x]);
        out.append(row);
    }
    putMask(out, size, [&](int x, int y) { return indexed.transparent[y * size + x]; });
    return out;
}

QByteArray trueColourBitmap(const QImage& image) {
    const int size = image.width();
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray out;
    putBitmapHeader(out, size, 32,
                    static_cast<quint32>((4 * size + paddedRowBytes(size, 1)) * size));
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb c = argb.pixel(x, y);
            out.append(static_cast<char>(qBlue(c))).append(static_cast<char>(qGreen(c)));
            out.append(static_cast<char>(qRed(c))).append(static_cast<char>(qAlpha(c)));
        }
    }
    putMask(out, size, [&](int x, int y) { return qAlpha(argb.pixel(x, y)) == 0; });
    return out;
}

QByteArray pngFile(const QImage& image) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG"))
        throw std::runtime_error("cannot encode the PNG image of the icon");
    return out;
}

QByteArray encodeImage(const IcoImage& entry) {
    switch (entry.encoding) {
    case IcoEncoding::Palette8:
        return paletteBitmap(entry.image);
    case IcoEncoding::Bgra32:
        return trueColourBitmap(entry.image);
    case IcoEncoding::Png:
        return pngFile(entry.image);
    }
    return {};
}

} // namespace

QByteArray encodeIco(const std::vector<IcoImage>& images) {
    std::vector<QByteArray> bodies;
    for (const IcoImage& entry : images) {
        const QSize size = entry.image.size();
        if (size.width() != size.height() || size.width() < 1 || size.width() > 256)
            throw std::runtime_error("an icon image must be square, 1 to 256 pixels");
        bodies.push_back(encodeImage(entry));
    }
    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // an icon, not a cursor
    put16(out, static_cast<quint16>(images.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].image.width();
        out.append(static_cast<char>(size == 256 ? 0 : size)); // 0 stands for 256
        out.append(static_cast<char>(size == 256 ? 0 : size));
        out.append('\0'); // 0: the palette, if any, has 256 colours
        out.append('\0'); // reserved
        put16(out, 1);    // planes
        put16(out, images[i].encoding == IcoEncoding::Palette8 ? 8 : 32);
        put32(out, static_cast<quint32>(bodies[i].size()));
        put32(out, offset);
        offset += static_cast<quint32>(bodies[i].size());
    }
    for (const QByteArray& body : bodies)
        out.append(body);
    return out;
}
