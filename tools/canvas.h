#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

// Colours of the window that the pictures pick up.
namespace palette {
inline const QColor peach{0xFF, 0xE0, 0xC0};
inline const QColor red{0xFF, 0x00, 0x00};
inline const QColor darkRed{0x80, 0x00, 0x00};
inline const QColor buttonGrey{0xD4, 0xD0, 0xC8};
inline const QColor silver{0xC0, 0xC0, 0xC0};
inline const QColor blue{0x00, 0x00, 0xFF};
} // namespace palette

// A transparent ARGB canvas of the given size in logical pixels, with scale device pixels to
// each (2 for the @2x pictures of high-resolution screens).
QImage transparentCanvas(int width, int height, qreal scale = 1);

// An opaque canvas filled with one colour.
QImage filledCanvas(int width, int height, const QColor& colour, qreal scale = 1);

// A painter with anti-aliasing for shapes and text.
void prepare(QPainter& painter);

// The font of the family asked for, at a pixel size; fails loudly when the family is missing,
// so that the pictures never come out in a substitute font.
QFont requireFont(const QString& family, int pixelSize, QFont::Weight weight = QFont::Normal);

// The families the pictures use: Latin captions and Persian captions.
inline const QString latinFamily = QStringLiteral("DejaVu Sans");
inline const QString latinCondensedFamily = QStringLiteral("DejaVu Sans Condensed");
inline const QString persianFamily = QStringLiteral("Noto Sans Arabic UI");
