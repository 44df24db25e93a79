#include "classifier_form.h"
#include "qt_translations.h"
#include "result_actions.h"

#include <QApplication>

namespace {

// On X11, Qt draws the window into memory it shares with the X server and then waits for the
// server to be done with each frame before it paints the next one. For the banner's steps, a
// strip of a few kilobytes ten times a second, sending the pixels over the connection costs the
// program and the server less than that round trip. Qt reads the choice when it connects; a
// choice the user made stands, and the programs the window starts do not inherit this one.
constexpr char kNoSharedMemory[] = "QT_XCB_NO_MITSHM";

} // namespace

int main(int argc, char* argv[]) {
    const bool chosen = qEnvironmentVariableIsSet(kNoSharedMemory);
    if (!chosen) {
        qputenv(kNoSharedMemory, "1");
    }
    QApplication application(argc, argv);
    if (!chosen) {
        qunsetenv(kNoSharedMemory);
    }
    QApplication::setDesktopFileName("org.example.SoilClassifier");
    // The program reads right to left, its menus and tooltips included.
    QApplication::setLayoutDirection(Qt::RightToLeft);
    classifier::installQtTranslations(application);
    classifier::ClassifierForm form;
    form.show();
    // soil-classifier FILE.csv: the sheet opens in the sheet window.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        form.resultActions().openSheetFile(arguments.at(1));
    }
    return QApplication::exec();
}
