#pragma once

#include <QImage>

// The About panel's two decorative pictures with the program's credits.
QImage drawEmblemPicture();   // 142 x 200: a stack of laboratory sieves under the program's name
QImage drawPortraitPicture(); // 142 x 300: a plasticity chart above a column of soil layers
