// The floor for a Qt window that shows Persian text: the bare window with one caption in the
// classifier window's fonts. What it adds to the bare window is the cost of text as such
// (font database, font files, shaping), which every window with a caption pays.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(705, 623);
    // The caption of KewlButtons1: Persian words around a Latin one.
    QLabel caption(QString::fromUtf8("نام گذاري به شيوه يونيفايد ( Unified )"), &window);
    QFont font;
    font.setFamilies({"Tahoma", "Noto Sans Arabic UI", "DejaVu Sans"});
    font.setPixelSize(16);
    font.setBold(true);
    caption.setFont(font);
    caption.move(40, 40);
    window.show();
    return QApplication::exec();
}
