#pragma once

#include "painted_button.h"

namespace classifier {

// The six command buttons (KewlButtons1 to KewlButtons6): a raised grey face with a
// word-wrapped, centred caption.
class CommandButton : public PaintedButton {
    Q_OBJECT
public:
    CommandButton(const ButtonColours& colours, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFace(class QPainter& painter) const;
};

} // namespace classifier
