#include "canvas.h"

#include <QFontInfo>
#include <stdexcept>

QImage transparentCanvas(int width, int height, qreal scale) {
    QImage image = filledCanvas(width, height, Qt::transparent, scale);
    return image;
}

QImage filledCanvas(int width, int height, const QColor& colour, qreal scale) {
    QImage image(qRound(width * scale), qRound(height * scale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(colour);
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont requireFont(const QString& family, int pixelSize, QFont::Weight weight) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    const QString found = QFontInfo(font).family();
    if (found.compare(family, Qt::CaseInsensitive) != 0) {
        throw std::runtime_error("font \"" + family.toStdString() + "\" is not installed (got \"" +
                                 found.toStdString() + "\")");
    }
    return font;
}
