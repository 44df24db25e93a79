#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

// How one image of an icon file is stored.
enum class IcoEncoding {
    Palette8, // 8 bits per pixel with a 256-colour palette and a one-bit mask
    Bgra32,   // 32 bits per pixel with alpha, plus the one-bit mask
    Png,      // a whole PNG file, as Windows Vista and later read the 256-pixel image
};

struct IcoImage {
    QImage image; // square, at most 256 pixels
    IcoEncoding encoding;
};

// The bytes of a Windows .ico file holding the images in the order given.
QByteArray encodeIco(const std::vector<IcoImage>& images);
