// The floor for a Qt program here: an empty window of the classifier window's size, started the
// way ui/main.cpp starts the classifier window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(705, 623);
    window.show();
    return QApplication::exec();
}
