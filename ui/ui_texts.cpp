#include "ui_texts.h"

#include <QCoreApplication>

// Written out in full at every text, as Qt's lupdate finds them.
namespace classifier::texts {

QString copyResult() {
    return QCoreApplication::translate("SoilClassifier", "کپی نتیجه");
}

QString copyResultExplained() {
    return QCoreApplication::translate("SoilClassifier",
                                       "کپی نتیجه با ورودی‌ها و توضیح");
}

QString showOnChart() {
    return QCoreApplication::translate("SoilClassifier", "نمایش روی نمودار");
}

QString savePng() {
    return QCoreApplication::translate("SoilClassifier", "ذخیره با قالب PNG");
}

QString saveSvg() {
    return QCoreApplication::translate("SoilClassifier", "ذخیره با قالب SVG");
}

QString copyImage() {
    return QCoreApplication::translate("SoilClassifier", "کپی تصویر");
}

QString saveChartTitle() {
    return QCoreApplication::translate("SoilClassifier", "ذخیره نمودار");
}

QString chartNotSaved() {
    return QCoreApplication::translate("SoilClassifier", "نمودار ذخیره نشد.");
}

QString browserNotStarted(const QString& address) {
    return QCoreApplication::translate("SoilClassifier",
                                       "مرورگر وب باز نشد. این نشانی را در مرورگر خود باز کنید:") +
           "\n" + address;
}

} // namespace classifier::texts
