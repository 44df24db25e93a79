#pragma once

#include <QByteArray>
#include <QImage>

// Encodes an opaque picture as a baseline JPEG with full-resolution colour (no chroma
// subsampling, which would smear the coloured edges of a 32-pixel picture) at 96 dots per inch.
QByteArray encodeJpeg(const QImage& image, int quality);
