#pragma once

#include <QColor>
#include <QWidget>

namespace classifier {

// A shape (a rectangle frame with a transparent inside) or a line, one pixel wide.
class Outline : public QWidget {
    Q_OBJECT
public:
    enum class Form { Rectangle, Line };
    Outline(Form form, const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Form form_;
    QColor colour_;
};

} // namespace classifier
