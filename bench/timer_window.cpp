// The floor for anything that moves ten times a second: the bare window with a 100 ms timer that
// does nothing. What it costs is the cost of waking the program at all.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(705, 623);
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [] {});
    ticks.start(100);
    window.show();
    return QApplication::exec();
}
