#pragma once

#include <QColor>
#include <QWidget>

namespace classifier {

// XPPanel1: the panel that fills the window and holds every other control.
class XpPanel : public QWidget {
    Q_OBJECT
public:
    XpPanel(const QColor& background, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
};

} // namespace classifier
