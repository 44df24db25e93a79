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

QString standardRules() {
    return QCoreApplication::translate("SoilClassifier",
                                       "قواعد استاندارد (ASTM D2487 و AASHTO M 145)");
}

QString answerByWindowRules() {
    return QCoreApplication::translate("SoilClassifier", "پاسخ طبق قواعد پنجره");
}

QString answerByUnifiedStandard() {
    return QCoreApplication::translate("SoilClassifier", "پاسخ طبق استاندارد ASTM D2487");
}

QString answerByAashtoStandard() {
    return QCoreApplication::translate("SoilClassifier", "پاسخ طبق استاندارد AASHTO M 145");
}

QString finerPassesMore(const QString& finer, const QString& coarser) {
    return QCoreApplication::translate("SoilClassifier",
                                       "مقدار «%1» از مقدار «%2» بیشتر است، "
                                       "ولی از الک ریزتر نمی\u200Cتواند بیش از الک "
                                       "درشت\u200Cتر رد شود. لطفاً مقدارها را اصلاح کنید.")
        .arg(finer, coarser);
}

QString negativeValue(const QString& box) {
    return QCoreApplication::translate("SoilClassifier", "مقدار «%1» نمی\u200Cتواند منفی باشد. "
                                                         "لطفاً مقدار را اصلاح کنید.")
        .arg(box);
}

QString notAboveZero(const QString& box) {
    return QCoreApplication::translate("SoilClassifier", "مقدار «%1» باید بیشتر از صفر باشد. "
                                                         "لطفاً مقدار را اصلاح کنید.")
        .arg(box);
}

QString belowOne(const QString& box) {
    return QCoreApplication::translate("SoilClassifier",
                                       "مقدار «%1» نمی\u200Cتواند کمتر از 1 باشد. "
                                       "لطفاً مقدار را اصلاح کنید.")
        .arg(box);
}

QString numberBesideNonPlastic(const QString& box, const QString& nonPlasticBox) {
    return QCoreApplication::translate("SoilClassifier", "در «%1» عدد آمده است، ولی «%2» نمونه را "
                                                         "غیرخمیری (NP) می\u200Cداند. "
                                                         "لطفاً مقدارها را اصلاح کنید.")
        .arg(box, nonPlasticBox);
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
