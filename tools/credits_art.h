#pragma once

#include <QImage>

// The About panel's two decorative pictures with the program's credits.
// Each in logical pixels, drawn at scale device pixels to each.
QImage drawEmblemPicture(qreal scale = 1); // 142 x 200: a stack of sieves under the program's name
QImage drawPortraitPicture(qreal scale = 1); // 142 x 300: a plasticity chart above soil layers
