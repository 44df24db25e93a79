#pragma once

#include "caption_label.h"

namespace classifier {

// A label that takes the size of its caption and reports clicks: the banner LAnimation.
class LinkLabel : public CaptionLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent);
    // Sets the caption and fits the label to it, keeping its top-left corner.
    void setCaption(const QString& caption);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace classifier
