#pragma once

#include "catalogue.h"

#include <QColor>
#include <QFont>

// Fonts, colours and reading order of the window's styles.
namespace classifier::look {

// An OLE colour value, written &H00BBGGRR& in the form's design.
inline QColor oleColour(unsigned bgr) {
    return {int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)};
}

inline constexpr unsigned kPeach = 0x00C0E0FF;
inline constexpr unsigned kRed = 0x000000FF;
inline constexpr unsigned kBlue = 0x00FF0000;
inline constexpr unsigned kDarkRed = 0x00000080;
inline constexpr unsigned kButtonFace = 0x00C8D0D4;
inline constexpr unsigned kSilver = 0x00C0C0C0;
inline constexpr unsigned kWhite = 0x00FFFFFF;
inline constexpr unsigned kBlack = 0x00000000;

// The window's font family (Tahoma where present, else fonts of the same build that show
// Persian), at a size in points of a 96 dpi screen. The size is fixed in pixels so that text keeps
// its proportion to the window, whose places and sizes are fixed in pixels too.
QFont font(double points, bool bold);

QFont fontFor(Style style);
QColor textColourFor(Style style);
Qt::LayoutDirection directionFor(Style style);
// The stored alignment, pinned so that Qt does not mirror it for right-to-left text.
Qt::Alignment alignmentFor(Align align);

} // namespace classifier::look
