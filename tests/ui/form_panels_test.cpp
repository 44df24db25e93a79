// The command buttons on the real window: panels, notes, what survives a switch, focus order,
// Exit.
#include "form_fixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using classifier::ClassifierForm;
using namespace form_fixture;

namespace {

QStringList numbered(const QString& prefix, int first, int last) {
    QStringList names;
    for (int i = first; i <= last; ++i) {
        names << prefix + QString::number(i);
    }
    return names;
}

const QStringList kAlways = numbered("KewlButtons", 1, 4) + numbered("Shape", 1, 5) +
                            QStringList{"LAnimation", "Label100", "XPPanel1"};
const QStringList kUnified = numbered("Label", 1, 5) + numbered("Text", 1, 7) +
                             QStringList{"Label8", "Label9", "KewlButtons5", "Line1"};
const QStringList kAashto = numbered("Label", 11, 19) + numbered("Text", 8, 11) +
                            QStringList{"E3", "e4", "e5", "e6", "e7", "KewlButtons6", "Line2"};
const QStringList kNotes{"Label20", "Label21"};
const QStringList kAbout =
    numbered("Label", 26, 34) + numbered("XPButton", 1, 4) + QStringList{"Image1", "Image2"};

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

} // namespace

class FormPanelsTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;

    void showNotes() {
        control(*form, "Label20")->setVisible(true);
        control(*form, "Label21")->setVisible(true);
    }

private slots:
    void init() {
        form = new ClassifierForm;
        showStill(*form);
    }
    void cleanup() { delete form; }

    // From every state (the start state, each panel, each panel with the notes showing), each
    // command shows exactly its own panel.
    void eachCommandFromEachState_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<bool>("notesBefore");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("expected");
        const QList<std::pair<const char*, QStringList>> commands{
            {"KewlButtons1", kUnified}, {"KewlButtons2", kAashto}, {"KewlButtons3", kAbout}};
        const QList<std::pair<const char*, QStringList>> states{
            {"start", {}},
            {"Unified", {"KewlButtons1"}},
            {"AASHTO", {"KewlButtons2"}},
            {"About", {"KewlButtons3"}},
            {"About after AASHTO", {"KewlButtons2", "KewlButtons3"}}};
        for (const auto& [state, clicks] : states) {
            for (bool notes : {false, true}) {
                for (const auto& [command, panel] : commands) {
                    // Only the AASHTO command keeps notes that show; the others hide them.
                    const bool keepNotes = notes && QString(command) == "KewlButtons2";
                    QTest::addRow("%s%s, then %s", state, notes ? " with notes" : "", command)
                        << clicks << notes << command
                        << sorted(kAlways + panel + (keepNotes ? kNotes : QStringList{}));
                }
            }
        }
    }
    void eachCommandFromEachState() {
        QFETCH(QStringList, before);
        QFETCH(bool, notesBefore);
        QFETCH(QString, command);
        QFETCH(QStringList, expected);
        for (const QString& name : before) {
            click(*form, name.toUtf8());
        }
        if (notesBefore) {
            showNotes();
        }
        click(*form, command.toUtf8());
        QCOMPARE(visibleControls(*form), expected);
    }

    void aashtoCommandNeverBringsANoteBack() {
        click(*form, "KewlButtons2");
        showNotes();
        click(*form, "KewlButtons1");
        click(*form, "KewlButtons2");
        QVERIFY(!control(*form, "Label20")->isVisible());
        QVERIFY(!control(*form, "Label21")->isVisible());
    }

    void typedTextsAndResultsSurviveSwitches() {
        click(*form, "KewlButtons1");
        setText(*form, "Text1", "8");
        click(*form, "KewlButtons5");
        click(*form, "KewlButtons2");
        setText(*form, "e6", "60");
        click(*form, "KewlButtons6");
        const QStringList boxes{"Text1", "Text5", "e6", "Text8", "Text9", "Text10", "Text11"};
        QStringList before;
        for (const QString& name : boxes) {
            before << text(*form, name.toUtf8());
        }
        QCOMPARE(before.mid(0, 3), QStringList({"8", "S C - S W", "60"}));
        for (const char* command : {"KewlButtons3", "KewlButtons1", "KewlButtons2"}) {
            click(*form, command);
            for (int i = 0; i < boxes.size(); ++i) {
                QCOMPARE(text(*form, boxes[i].toUtf8()), before[i]);
            }
        }
    }

    void focusOrderByTab_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("order");
        const QStringList commands = numbered("KewlButtons", 1, 4);
        QTest::newRow("Unified") << "KewlButtons1"
                                 << commands + QStringList{"KewlButtons5", "Text6", "Text7",
                                                           "Text2",        "Text3", "Text4",
                                                           "Text1"};
        QTest::newRow("AASHTO") << "KewlButtons2"
                                << commands +
                                       QStringList{"e7", "e6", "e5", "e4", "E3", "KewlButtons6"};
        QTest::newRow("About") << "KewlButtons3"
                               << commands + QStringList{"XPButton3", "XPButton2", "XPButton1",
                                                         "XPButton4"};
    }
    void focusOrderByTab() {
        QFETCH(QString, command);
        QFETCH(QStringList, order);
        QApplication::setActiveWindow(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(QApplication::focusWidget(), control(*form, "KewlButtons1")); // on opening
        click(*form, command.toUtf8());
        control(*form, "KewlButtons1")->setFocus();
        QStringList visited;
        for (int i = 0; i <= order.size(); ++i) { // once round, and back to the start
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, order + QStringList{order.first()});
    }

    void keyboardRunsTheFocusedCommand() {
        control(*form, "KewlButtons3")->setFocus();
        QTest::keyClick(control(*form, "KewlButtons3"), Qt::Key_Space);
        QVERIFY(control(*form, "Label26")->isVisible());
        control(*form, "KewlButtons1")->setFocus();
        QTest::keyClick(control(*form, "KewlButtons1"), Qt::Key_Return);
        QTRY_VERIFY(control(*form, "Text1")->isVisible());
    }

    void exitAndTheCloseBoxEndTheProgram() {
        auto* timer = form->findChild<QTimer*>("Timer1");
        timer->start();
        click(*form, "KewlButtons2");
        click(*form, "KewlButtons4");
        QVERIFY(!form->isVisible());
        QVERIFY(!timer->isActive());
        form->show();
        timer->start();
        QVERIFY(form->close());
        QVERIFY(!timer->isActive());
    }
};

QTEST_MAIN(FormPanelsTest)
#include "form_panels_test.moc"
