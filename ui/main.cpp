#include "classifier_form.h"
#include "qt_translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setDesktopFileName("org.example.SoilClassifier");
    classifier::installQtTranslations(application);
    classifier::ClassifierForm form;
    form.show();
    return QApplication::exec();
}
