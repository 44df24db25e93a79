#pragma once

#include <QImage>

// Softens an ARGB image in place with three passes of a box blur of the given radius, in the
// image's logical pixels; used for the shadows under the pictures' objects.
void blur(QImage& image, int radius);
