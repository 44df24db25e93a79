// The floor for showing a change ten times a second: the bare window repainting a strip of the
// banner's size and place from a 100 ms timer, with no text in it. What it adds to `timer` is
// the cost of one small paint and of handing it to the window system.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

// Fills itself with one of two shades, the other one after each step.
class Strip : public QWidget {
public:
    using QWidget::QWidget;
    void step() {
        shaded_ = !shaded_;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), shaded_ ? QColor(255, 220, 188) : QColor(255, 224, 192));
    }

private:
    bool shaded_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(705, 623);
    Strip strip(&window);
    strip.setGeometry(88, 592, 365, 15); // LAnimation's place and size
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &strip, &Strip::step);
    ticks.start(100);
    window.show();
    return QApplication::exec();
}
