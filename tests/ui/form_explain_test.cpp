// The reason on a result, copying it, its context menu, and the chart window.
#include "chart_window.h"
#include "core/unified.h"
#include "explained_results.h"
#include "form_fixture.h"
#include "result_actions.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using classifier::ClassifierForm;
using namespace form_fixture;

namespace {

const char* const kRightToLeftMark = "\u200F";

QStringList lines(const QString& text) {
    return text.split('\n');
}

} // namespace

class FormExplainTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;

    QMenu* rightClickPanel() { return form_fixture::rightClickPanel(*form); }
    QStringList menuItems(QMenu* menu) {
        QStringList items;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                items << action->text() + (action->isEnabled() ? "" : " (disabled)");
            }
        }
        return items;
    }
    QAction* action(QMenu* menu, const char* text) {
        for (QAction* each : menu->actions()) {
            if (each->text() == QString::fromUtf8(text)) {
                return each;
            }
        }
        qFatal("no menu item %s", text);
    }
    void typeAashto(const QStringList& values) {
        const char* boxes[] = {"E3", "e4", "e5", "e6", "e7"};
        for (int i = 0; i < 5; ++i) {
            setText(*form, boxes[i], values[i]);
        }
    }

private slots:
    void init() {
        form = new ClassifierForm;
        showStill(*form);
        QApplication::setActiveWindow(form);
        QApplication::clipboard()->clear();
    }
    void cleanup() { delete form; }

    // The reasons, copies and menu wait for the panels; they do not build them at start.
    void startBuildsNoPanel() {
        QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(!rightClickPanel());
        QVERIFY(!form->panelsBuilt());
    }

    void resultBoxesExplainTheLastCalculation() {
        click(*form, "KewlButtons1");
        QVERIFY(control(*form, "Text5")->toolTip().isEmpty());
        click(*form, "KewlButtons5");
        const QString tooltip = control(*form, "Text5")->toolTip();
        QVERIFY(tooltip.contains("dir=\"rtl\""));
        QVERIFY(tooltip.contains(QString::fromUtf8("ماسه رس\u200Cدار (S C)")));
        QCOMPARE(tooltip.count("<br>"), 5); // one line a step
        QAccessibleInterface* reader =
            QAccessible::queryAccessibleInterface(control(*form, "Text5"));
        QCOMPARE(reader->text(QAccessible::Description),
                 QString::fromUtf8("ماسه رس\u200Cدار (S C)"));

        setText(*form, "Text1", "101");
        answerMessages([&] { click(*form, "KewlButtons5"); }, [](QMessageBox&) {});
        QCOMPARE(control(*form, "Text5")->toolTip(), tooltip);

        click(*form, "KewlButtons2");
        click(*form, "KewlButtons6");
        const QString aashto = control(*form, "Text8")->toolTip();
        QVERIFY(aashto.contains(
            QString::fromUtf8("\u2066A-5\u2069: \u0642\u0628\u0648\u0644"))); // passed
        for (const char* box : {"Text9", "Text10", "Text11"}) {
            QCOMPARE(control(*form, box)->toolTip(), aashto);
        }
    }

    void copyPutsTheResultAndItsReasonOnTheClipboard() {
        click(*form, "KewlButtons1");
        click(*form, "KewlButtons5");
        control(*form, "KewlButtons5")->setFocus();
        QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 kRightToLeftMark + QString::fromUtf8("ماسه رس\u200Cدار (S C)\n"));

        QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList copied = lines(QApplication::clipboard()->text());
        // the window's caption, in the Persian letters of the rest of the text
        QCOMPARE(copied[2], kRightToLeftMark + QString::fromUtf8("در صد عبوری از الک 200: 34"));
        QCOMPARE(copied[7], kRightToLeftMark + QString("Cu: 23.5"));
        const auto path =
            classifier::explainUnified(*classifier::classifyUnified({34, 98, 38, 26, 1.06, 23.5}),
                                       classifier::Language::Persian, form->numberFormat());
        QCOMPARE(copied.mid(9, int(path.size())).join('\n'),
                 QString::fromStdString(path.front() + "\n" + path[1] + "\n" + path[2] + "\n" +
                                        path[3] + "\n" + path[4]));
    }

    // What the window writes itself is in Persian letters, the captions it quotes included.
    void copiesAndReasonsUseThePersianYehAndKeheh() {
        const QStringList arabicLetters = {QString(QChar(0x064A)), QString(QChar(0x0643))};
        const auto scan = [&](const QString& text) {
            for (const QString& letter : arabicLetters) {
                QVERIFY2(!text.contains(letter), qPrintable(text));
            }
        };
        const QList<QStringList> aashtoSamples = {{"15", "25", "40", "20", "3"},
                                                  {"20", "40", "60", "30", "8"},
                                                  {"60", "40", "60", "50", "21"}};
        click(*form, "KewlButtons2");
        for (const QStringList& sample : aashtoSamples) {
            typeAashto(sample);
            click(*form, "KewlButtons6");
            QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            scan(QApplication::clipboard()->text());
            scan(control(*form, "Text8")->toolTip());
        }
        click(*form, "KewlButtons1");
        for (const char* fines : {"3", "8", "34", "60"}) {
            setText(*form, "Text1", fines);
            click(*form, "KewlButtons5");
            QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            scan(QApplication::clipboard()->text());
            scan(control(*form, "Text5")->toolTip());
        }
    }

    void ctrlCInAnInputBoxCopiesItsSelectionElseTheResult() {
        click(*form, "KewlButtons2");
        click(*form, "KewlButtons6");
        auto* box = qobject_cast<QLineEdit*>(control(*form, "e6"));
        box->setFocus();
        box->deselect();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QApplication::clipboard()->text().contains("A - 5"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("51"));
    }

    void panelMenuOffersCopyOnlyAfterACalculation() {
        QVERIFY(!rightClickPanel()); // no method panel shows
        click(*form, "KewlButtons2");
        QMenu* menu = rightClickPanel();
        QVERIFY(menu);
        QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(
            menuItems(menu),
            QStringList({QString::fromUtf8("کپی نتیجه (disabled)"),
                         QString::fromUtf8("کپی نتیجه با ورودی\u200Cها و "
                                           "توضیح (disabled)"),
                         QString::fromUtf8("قواعد استاندارد (ASTM D2487 و AASHTO M 145)"),
                         QString::fromUtf8("نمایش روی نمودار"),
                         QString::fromUtf8("طبقه‌بندی جدول نمونه‌ها…")}));
        menu->close();
        click(*form, "KewlButtons6");
        menu = rightClickPanel();
        QCOMPARE(menu->actions().front()->isEnabled(), true);
        menu->actions().front()->trigger();
        QVERIFY(QApplication::clipboard()->text().contains("A - 5"));
        menu->close();
        click(*form, "KewlButtons3");
        QVERIFY(!rightClickPanel()); // the About panel has no menu
    }

    void chartWindowFollowsItsPanelAndSavesItsPicture() {
        click(*form, "KewlButtons2");
        click(*form, "KewlButtons6");
        QMenu* menu = rightClickPanel();
        action(menu, "نمایش روی نمودار")->trigger();
        menu->close();
        classifier::ChartWindow* chart = form->resultActions().chartWindow();
        QVERIFY(chart && chart->isVisible());
        QVERIFY(form->screen()->availableGeometry().contains(chart->frameGeometry()));
        QCOMPARE(chart->windowTitle(), QString::fromUtf8("نمودار حد روانی و نشانه خمیری"));
        QCOMPARE(chart->chart().samples.size(), 1u);
        QCOMPARE(chart->chart().samples[0].label, std::string("A-5"));

        typeAashto({"60", "40", "60", "50", "21"});
        click(*form, "KewlButtons6");
        QCOMPARE(chart->chart().samples[0].label, std::string("A-7-6"));
        QCOMPARE(chart->chart().samples[0].at.x, 50.0);

        form->resultActions().showChart(classifier::Method::Aashto);
        QCOMPARE(form->findChildren<classifier::ChartWindow*>().size(), 1);

        QTemporaryDir dir;
        QVERIFY(chart->savePng(dir.filePath("chart.png")));
        const QImage picture(dir.filePath("chart.png"));
        QCOMPARE(picture.size(), QSize(1280, 960));
        QVERIFY(chart->saveSvg(dir.filePath("chart.svg")));
        QFile svg(dir.filePath("chart.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&svg);
        int circles = 0;
        QStringList texts;
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::StartElement) {
                circles += reader.name() == QString("circle");
                if (reader.name() == QString("text")) {
                    texts << reader.readElementText();
                }
            }
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QCOMPARE(circles, 1);
        QVERIFY(texts.contains("A-7-6"));
        QVERIFY(!chart->savePng(dir.filePath("missing/chart.png")));
        QVERIFY(!QFileInfo::exists(dir.filePath("missing")));

        chart->copyImage();
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(1280, 960));

        form->close();
        QVERIFY(!chart->isVisible());
    }

    // A Save that fails says why in the user's words, and leaves nothing half written.
    void chartSaveSaysWhyItFailed_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("cause");
        QTest::newRow("full disk")
            << "/dev/full" << QString::fromUtf8("روی دیسک جای خالی نمانده است.");
        QTest::newRow("no such folder")
            << "missing/chart.svg" << QString::fromUtf8("چنین پوشه\u200Cای وجود ندارد.");
        QTest::newRow("a folder") << "." << QString::fromUtf8("این نام، نام یک پوشه است.");
    }
    void chartSaveSaysWhyItFailed() {
        QFETCH(QString, path);
        QFETCH(QString, cause);
        click(*form, "KewlButtons2");
        click(*form, "KewlButtons6");
        form->resultActions().showChart(classifier::Method::Aashto);
        classifier::ChartWindow* chart = form->resultActions().chartWindow();
        QTemporaryDir dir;
        const QString where = path.startsWith('/') ? path : dir.filePath(path);
        QString error;
        QVERIFY(!chart->saveSvg(where, &error));
        QCOMPARE(error, cause);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }
};

QTEST_MAIN(FormExplainTest)
#include "form_explain_test.moc"
