#pragma once

#include "painted_button.h"

#include <QPixmap>
#include <QString>

namespace classifier {

// The four contact buttons of the About panel (XPButton1 to XPButton4): a soft white face with
// the picture on the left and a one-line caption centred beside it, its blanks included.
class XpButton : public PaintedButton {
    Q_OBJECT
public:
    // The picture is read from picturePath when the button is first drawn.
    XpButton(const ButtonColours& colours, QString picturePath, QWidget* parent);
    QSize sizeHint() const override;
    const QPixmap& picture() const;
    // Where the caption is drawn, in the button's own coordinates.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect pictureRect() const;

    mutable QString picturePath_;
    mutable QPixmap picture_;
};

} // namespace classifier
