// The window as a screen reader reads it, through the accessibility interfaces Qt offers it.
#include "form_fixture.h"

#include <QAccessible>
#include <QTest>

#include <algorithm>

using classifier::ClassifierForm;
using namespace form_fixture;

namespace {

QAccessibleInterface* readerView(ClassifierForm& form, const char* name) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(control(form, name));
    if (!view) {
        qFatal("no accessibility interface for %s", name);
    }
    return view;
}

// A Persian text in the letters a Persian keyboard types: no Arabic yeh or kaf.
bool typedPersian(const QString& text) {
    const bool persian = std::any_of(text.begin(), text.end(),
                                     [](QChar c) { return c.script() == QChar::Script_Arabic; });
    return persian && !text.contains(QChar(0x064A)) && !text.contains(QChar(0x0643));
}

} // namespace

class FormScreenReaderTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;

private slots:
    void init() {
        form = new ClassifierForm;
        showStill(*form);
    }
    void cleanup() { delete form; }

    // Each box is named by the caption beside it, without its colon and padding blanks.
    void boxesAreNamedByTheirCaptions() {
        const std::pair<const char*, const char*> boxes[] = {
            {"Text1", "در صد عبوري از الك 200"},
            {"Text2", "در صد عبوري از الك 4"},
            {"Text3", "حد رواني (L.L)"},
            {"Text4", "نشانه خميري (P.I)"},
            {"Text6", "Cc"},
            {"Text7", "Cu"},
            {"Text5", "نشانه گروه"},
            {"E3", "در صد عبوري از الك 200"},
            {"e4", "در صد عبوري از الك 40"},
            {"e5", "در صد عبوري از الك10"},
            {"e6", "حد رواني (L.L)"},
            {"e7", "نشانه خميري (P.I)"},
            {"Text10", "نوع خاك"},
            {"Text9", "مصالح تشكيل دهنده"},
            {"Text8", "نام خاك"},
            {"Text11", "G . I (نشانه گروه )"},
        };
        for (const auto& [box, caption] : boxes) {
            QAccessibleInterface* view = readerView(*form, box);
            QCOMPARE(view->role(), QAccessible::EditableText);
            QCOMPARE(view->text(QAccessible::Name), QString::fromUtf8(caption));
        }
    }

    void buttonsAreNamedByTheirCaptions() {
        const std::pair<const char*, int> groups[] = {{"KewlButtons", 6}, {"XPButton", 4}};
        for (const auto& [prefix, count] : groups) {
            for (int i = 1; i <= count; ++i) {
                const QByteArray name = prefix + QByteArray::number(i);
                const QString caption = text(*form, name).trimmed();
                QAccessibleInterface* view = readerView(*form, name);
                QCOMPARE(view->role(), QAccessible::Button);
                QVERIFY(!caption.isEmpty());
                QCOMPARE(view->text(QAccessible::Name), caption);
            }
        }
    }

    void picturesAreDescribed() {
        for (const char* picture : {"Image1", "Image2"}) {
            QAccessibleInterface* view = readerView(*form, picture);
            QVERIFY2(typedPersian(view->text(QAccessible::Name)), picture);
            QVERIFY2(typedPersian(view->text(QAccessible::Description)), picture);
        }
    }
};

QTEST_MAIN(FormScreenReaderTest)
#include "form_screen_reader_test.moc"
