#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <vector>

// A picture reduced to at most 256 colours with one-bit transparency, as an 8-bit icon image
// stores it. Entry 0 of the palette is black: transparent pixels point at it, so that the
// icon's XOR image leaves the screen untouched where the AND mask lets it show through.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;         // at most 256 opaque colours
    std::vector<std::uint8_t> indices; // row by row from the top
    std::vector<bool> transparent;     // row by row from the top
};

// Pixels at least half opaque keep their colour (median-cut palette, nearest colour, no
// dithering); the rest become transparent.
IndexedImage quantize(const QImage& image);
