#pragma once

#include "painted_button.h"

#include <QPixmap>

namespace classifier {

// The four contact buttons of the About panel (XPButton1 to XPButton4): a soft white face with
// the picture on the left and a one-line caption centred beside it, its blanks included.
class XpButton : public PaintedButton {
    Q_OBJECT
public:
    XpButton(const ButtonColours& colours, const QPixmap& picture, QWidget* parent);
    QSize sizeHint() const override;
    const QPixmap& picture() const { return picture_; }
    // Where the caption is drawn, in the button's own coordinates.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect pictureRect() const;

    QPixmap picture_;
};

} // namespace classifier
