#pragma once

#include <QLabel>

namespace classifier {

// A label that reads its caption in its own layout direction. (QLabel guesses the direction of
// plain text from its first letter, so a Persian caption would always read right to left.)
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace classifier
