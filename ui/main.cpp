#include "classifier_form.h"
#include "qt_translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setDesktopFileName("org.example.SoilClassifier");
    // The program reads right to left, its menus and tooltips included.
    QApplication::setLayoutDirection(Qt::RightToLeft);
    classifier::installQtTranslations(application);
    classifier::ClassifierForm form;
    form.show();
    return QApplication::exec();
}
