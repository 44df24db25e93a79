#pragma once

#include <QImage>

// How an icon image will be stored: a palette image keeps no partial transparency, so its
// drawing leaves out the soft shadow around the sheet.
enum class IconTarget { TrueColour, Palette };

// The window icon: a black cog wheel lying on a white sheet of paper with a turned-down
// corner, drawn for one pixel size with its geometry snapped to that size's pixel grid.
QImage drawIcon(int size, IconTarget target = IconTarget::TrueColour);
