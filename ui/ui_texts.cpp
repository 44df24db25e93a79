#include "ui_texts.h"

#include <QCoreApplication>
#include <QHash>

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

QString classifySheet() {
    return QCoreApplication::translate("SoilClassifier",
                                       "طبقه‌بندی جدول نمونه‌ها…");
}

QString sheetTitle() {
    return QCoreApplication::translate("SoilClassifier",
                                       "طبقه‌بندی جدول نمونه‌ها");
}

QString method() {
    return QCoreApplication::translate("SoilClassifier", "روش:");
}

QString rules() {
    return QCoreApplication::translate("SoilClassifier", "قواعد:");
}

QString windowRules() {
    return QCoreApplication::translate("SoilClassifier", "قواعد پنجره");
}

QString standardRulesShort() {
    return QCoreApplication::translate("SoilClassifier", "قواعد استاندارد");
}

QString unifiedMethod() {
    return QCoreApplication::translate("SoilClassifier", "یونیفاید (Unified)");
}

QString aashtoMethod() {
    return QCoreApplication::translate("SoilClassifier", "آشتو (AASHTO)");
}

QString copyRows() {
    return QCoreApplication::translate("SoilClassifier", "کپی سطرها با نتیجه");
}

QString pasteCells() {
    return QCoreApplication::translate("SoilClassifier",
                                       "چسباندن از صفحه‌گسترده");
}

QString removeRows() {
    return QCoreApplication::translate("SoilClassifier", "حذف سطرها");
}

QString sheetChart() {
    return QCoreApplication::translate("SoilClassifier", "نمودار همه نمونه‌ها");
}

QString resultColumn(const QString& name) {
    static const QHash<QString, const char*> captions = {
        {"symbol", "نشانه گروه"},
        {"group_name", "نام خاک"},
        {"group", "گروه"},
        {"material", "مصالح تشکیل‌دهنده"},
        {"soil_type", "نوع خاک"},
        {"group_index", "نشانه گروه (G.I)"},
        {"group_index_note", "یادداشت نشانه گروه"},
        {"subgrade_rating", "ارزیابی بستر راه"},
        {"designation", "گروه با نشانه گروه"},
        {"other_rules", "پاسخ قواعد دیگر"},
        {"explanation", "توضیح"},
        {"error", "خطا"},
    };
    const char* caption = captions.value(name);
    return caption ? QCoreApplication::translate("SoilClassifier", caption) : name;
}

QString openSheet() {
    return QCoreApplication::translate("SoilClassifier", "باز کردن جدول…");
}

QString saveSheet() {
    return QCoreApplication::translate("SoilClassifier", "ذخیره با قالب CSV…");
}

QString sheetFiles() {
    return QCoreApplication::translate("SoilClassifier",
                                       "جدول‌های CSV (*.csv *.txt *.tsv)");
}

QString sheetNotRead(const QString& why) {
    return QCoreApplication::translate("SoilClassifier", "جدول خوانده نشد:") + "\n" + why;
}

QString sheetNotSaved(const QString& why) {
    return QCoreApplication::translate("SoilClassifier", "جدول ذخیره نشد:") + "\n" + why;
}

QString sheetHint() {
    return QCoreApplication::translate(
        "SoilClassifier",
        "سطرهای نمونه‌ها را در صفحه‌گسترده کپی کنید و "
        "اینجا "
        "با "
        "Ctrl+V "
        "بچسبانید، یا پرونده CSV را روی پنجره رها کنید.");
}

QString columnsUnread(const QString& why) {
    return QCoreApplication::translate("SoilClassifier",
                                       "ستون‌های جدول خوانده نشد: ") +
           why;
}

QString columnMissing(const QString& role, const QString& found, const QString& names) {
    return QCoreApplication::translate("SoilClassifier",
                                       "ستونی برای «%1» پیدا نشد (سرستون‌ها: %2). سرستون آن "
                                       "را "
                                       "یکی از این نام‌ها بگذارید: %3")
        .arg(role, found, names);
}

QString columnTwice(const QString& role, const QString& first, const QString& second) {
    return QCoreApplication::translate("SoilClassifier",
                                       "هر دو ستون «%1» و «%2» «%3» را می‌دهند؛ سرستون یکی "
                                       "را "
                                       "تغییر دهید یا آن را پاک کنید.")
        .arg(first, second, role);
}

QString browserNotStarted(const QString& address) {
    return QCoreApplication::translate("SoilClassifier",
                                       "مرورگر باز نشد؛ این نشانی را در مرورگر خود باز کنید:") +
           "\n" + address;
}

} // namespace classifier::texts
