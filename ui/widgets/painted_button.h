#pragma once

#include <QAbstractButton>
#include <QColor>

namespace classifier {

// The colours a button component stores: face and caption, each also while the mouse is over it.
struct ButtonColours {
    QColor face;
    QColor hoverFace;
    QColor caption;
    QColor hoverCaption;
};

// Base of the window's own buttons: clicks by mouse, Space, Enter or Return, and hover tracking.
// Subclasses paint.
class PaintedButton : public QAbstractButton {
    Q_OBJECT
public:
    PaintedButton(const ButtonColours& colours, QWidget* parent);

protected:
    const ButtonColours& colours() const { return colours_; }
    bool hovered() const;
    QColor currentFace() const;
    QColor currentCaption() const;
    void paintFocusRect(class QPainter& painter, const QRect& rect) const;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ButtonColours colours_;
};

} // namespace classifier
