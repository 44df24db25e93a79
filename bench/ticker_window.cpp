// The floor for the idle cost of a scrolling banner: the bare window with one Qt label whose
// text moves on by one character ten times a second, in the banner's place and font.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(705, 623);
    QLabel banner(QString(28, '-') + " soilclassifier.example " + QString(27, '-'), &window);
    QFont font;
    font.setFamilies({"Tahoma", "Noto Sans Arabic UI", "DejaVu Sans"});
    font.setPixelSize(11);
    font.setBold(true);
    banner.setFont(font);
    banner.setGeometry(QRect(QPoint(88, 592), banner.sizeHint()));
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &banner, [&banner] {
        const QString text = banner.text();
        banner.setText(text.mid(1) + text.at(6));
    });
    ticks.start(100);
    window.show();
    return QApplication::exec();
}
