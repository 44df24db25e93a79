// Qt's own texts on the window, the warning box's button and the text boxes' context menu, in a
// Persian desktop (ctest runs this suite under fa_IR).
#include "form_fixture.h"
#include "qt_translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include <algorithm>
#include <memory>

using classifier::ClassifierForm;
using namespace form_fixture;

namespace {

// Letters in Arabic script and none in Latin: "OK" or "&Copy" would fail.
bool readsPersian(const QString& text) {
    const auto script = [](QChar::Script wanted) {
        return [wanted](QChar c) { return c.isLetter() && c.script() == wanted; };
    };
    return std::any_of(text.begin(), text.end(), script(QChar::Script_Arabic)) &&
           std::none_of(text.begin(), text.end(), script(QChar::Script_Latin));
}

} // namespace

class FormLanguageTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;

private slots:
    void initTestCase() {
        const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fa.qm";
        if (!QFile::exists(file)) {
            QSKIP(qPrintable(file + " is missing (Debian package qt6-translations-l10n), so "
                                    "Qt's own texts cannot read Persian"));
        }
        QVERIFY2(QLocale::system().language() == QLocale::Persian,
                 "runs under a Persian locale, LC_ALL=fa_IR.UTF-8, as ctest sets it");
        QVERIFY(classifier::installQtTranslations(*qApp));
        QTRY_COMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    }
    void init() {
        form = new ClassifierForm;
        showStill(*form);
    }
    void cleanup() { delete form; }

    void warningButtonReadsPersian() {
        click(*form, "KewlButtons1");
        setText(*form, "Text1", "101");
        QString ok;
        const int boxes =
            answerMessages([&] { click(*form, "KewlButtons5"); },
                           [&](QMessageBox& box) { ok = box.button(QMessageBox::Ok)->text(); });
        QCOMPARE(boxes, 1);
        QVERIFY2(readsPersian(ok), qPrintable(ok));
    }

    // The group index is written with the desktop's decimal sign, as its boxes are read.
    void groupIndexUsesTheDesktopsDecimalSign() {
        click(*form, "KewlButtons2");
        write(*form, "e6", QString::fromUtf8("۵۱"));
        click(*form, "KewlButtons6");
        QCOMPARE(text(*form, "Text11"), QString::fromUtf8("0\u066B045"));
    }

    void textBoxMenuReadsPersianRightToLeft() {
        click(*form, "KewlButtons2");
        auto* box = qobject_cast<QLineEdit*>(control(*form, "E3"));
        const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        QVERIFY(menu->isRightToLeft());
        int entries = 0;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                ++entries;
                const QString entry = action->text().section('\t', 0, 0); // no shortcut key
                QVERIFY2(readsPersian(entry), qPrintable(action->text()));
            }
        }
        QVERIFY(entries >= 6); // undo, redo, cut, copy, paste, delete, select all
    }
};

QTEST_MAIN(FormLanguageTest)
#include "form_language_test.moc"
