// The standards' rules in the window: the checkable menu item, remembered between runs; the
// standards' answers in the same boxes; their warning for impossible data; and the line that
// says which rules answered and what the other rule set gives.
#include "chart_window.h"
#include "explained_results.h"
#include "form_fixture.h"
#include "result_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTest>

using classifier::ClassifierForm;
using classifier::Rules;
using namespace form_fixture;

namespace {

const QString kStandardItem = QString::fromUtf8("قواعد استاندارد (ASTM D2487 و AASHTO M 145)");

QSettings settings() {
    return QSettings(QStringLiteral("SoilClassifier"), QStringLiteral("soil-classifier"));
}

} // namespace

class FormRulesTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;

    QAction* standardRulesItem() {
        QMenu* menu = rightClickPanel(*form);
        return menu ? menu->findChild<QAction*>("standardRules") : nullptr;
    }
    void chooseStandardRules(bool on) {
        QAction* item = standardRulesItem();
        QVERIFY(item);
        if (item->isChecked() != on) {
            item->trigger();
        }
        qobject_cast<QMenu*>(QApplication::activePopupWidget())->close();
    }
    void typeUnified(const QStringList& values) {
        const char* boxes[] = {"Text1", "Text2", "Text3", "Text4", "Text6", "Text7"};
        for (int i = 0; i < values.size(); ++i) {
            setText(*form, boxes[i], values[i]);
        }
    }
    void typeAashto(const QStringList& values) {
        const char* boxes[] = {"E3", "e4", "e5", "e6", "e7"};
        for (int i = 0; i < values.size(); ++i) {
            setText(*form, boxes[i], values[i]);
        }
    }

private slots:
    void init() {
        settings().clear();
        form = new ClassifierForm;
        showStill(*form);
        QApplication::setActiveWindow(form);
    }
    void cleanup() { delete form; }

    void theItemIsOffByDefaultAndRememberedBetweenRuns() {
        click(*form, "KewlButtons1");
        QAction* item = standardRulesItem();
        QVERIFY(item);
        QCOMPARE(item->text(), kStandardItem);
        QVERIFY(item->isCheckable());
        QVERIFY(!item->isChecked());
        QCOMPARE(form->rules(), Rules::Window);
        item->trigger();
        QCOMPARE(form->rules(), Rules::Standard);
        QCOMPARE(settings().value("rules/standard").toBool(), true);

        ClassifierForm next;
        QCOMPARE(next.rules(), Rules::Standard);
        next.setRules(Rules::Window);
        QCOMPARE(ClassifierForm().rules(), Rules::Window);
    }

    void theSameBoxesGiveTheStandardsAnswer_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("standard");
        QTest::newRow("gravel within the coarse part")
            << QStringList{"49", "52", "30", "4"} << "S M"
            << "G M";
        QTest::newRow("CL-ML") << QStringList{"60", "100", "20", "5"} << "C L"
                               << "C L - M L";
        QTest::newRow("SC-SM") << QStringList{"30", "90", "20", "5"} << "S M"
                               << "S C - S M";
        QTest::newRow("dual, the grading pair first")
            << QStringList{"8", "60", "40", "20", "2", "7"} << "S C - S W"
            << "S W - S C";
        QTest::newRow("NP, and no LL") << QStringList{"60", "100", "", "np"} << ""
                                       << "M L";
    }
    void theSameBoxesGiveTheStandardsAnswer() {
        QFETCH(QStringList, typed);
        QFETCH(QString, window);
        QFETCH(QString, standard);
        click(*form, "KewlButtons1");
        typeUnified(typed);
        if (!window.isEmpty()) {
            click(*form, "KewlButtons5");
            QCOMPARE(text(*form, "Text5"), window);
        }
        chooseStandardRules(true);
        click(*form, "KewlButtons5");
        QCOMPARE(text(*form, "Text5"), standard);
    }

    void theIndexBoxShowsTheWholeNumber() {
        click(*form, "KewlButtons2");
        typeAashto({"60", "80", "100", "45", "20"});
        click(*form, "KewlButtons6");
        QCOMPARE(text(*form, "Text11"), QString("10.125"));
        chooseStandardRules(true); // calculates again
        QCOMPARE(text(*form, "Text8"), QString("A - 7 -6"));
        QCOMPARE(text(*form, "Text11"), QString("10"));
    }

    void impossibleDataGetsAWarningNamingItsBoxes() {
        click(*form, "KewlButtons2");
        chooseStandardRules(true);
        QString warning;
        const int boxes = answerMessages([&] { click(*form, "KewlButtons6"); },
                                         [&](QMessageBox& box) { warning = box.text(); });
        QCOMPARE(boxes, 1);
        // the design sample passes more through No. 40 than through No. 10
        QVERIFY2(warning.contains(QString::fromUtf8("«در صد عبوری از الک 40»")),
                 qPrintable(warning));
        QVERIFY(warning.contains(QString::fromUtf8("«در صد عبوری از الک10»")));
        QVERIFY(!warning.contains(QChar(0x064A)) && !warning.contains(QChar(0x0643)));
        QCOMPARE(text(*form, "Text8"), QString("-----------------------"));
    }

    // "According to the standard: GM, silty gravel — in the coarse part, gravel 48 % is more
    // than sand 3 %"
    void theReasonSaysWhichRulesAnsweredAndWhatTheOthersGive() {
        click(*form, "KewlButtons1");
        typeUnified({"49", "52", "30", "4"});
        click(*form, "KewlButtons5");
        QStringList copied =
            QString::fromStdString(*form->results().copiedText(classifier::Method::Unified, false))
                .split('\n');
        QCOMPARE(copied[0], QString::fromUtf8("\u200Fپاسخ طبق قواعد پنجره"));
        QCOMPARE(copied[1],
                 QString::fromUtf8("\u200Fماسه لای‌دار همراه با شن (S M)"));
        QCOMPARE(copied[2],
                 QString::fromUtf8(
                     "\u200F\u200Fطبق استاندارد: \u2066GM\u2069، شن "
                     "لای‌دار — \u200Fدر بخش درشت، شن \u206648\u2069 % "
                     "بیش از ماسه \u20663\u2069 % است: شن (G)"));
        const QString tooltip = control(*form, "Text5")->toolTip();
        QVERIFY(tooltip.startsWith(QString::fromUtf8(
            "<div dir=\"rtl\" style=\"white-space:nowrap\">پاسخ طبق قواعد پنجره<br><b>")));

        chooseStandardRules(true);
        copied =
            QString::fromStdString(*form->results().copiedText(classifier::Method::Unified, false))
                .split('\n');
        QCOMPARE(copied[0], QString::fromUtf8("\u200Fپاسخ طبق استاندارد ASTM D2487"));
        QVERIFY(copied[2].contains(QString::fromUtf8("طبق قواعد پنجره: \u2066SM\u2069")));
        QVERIFY(copied[2].contains(QString::fromUtf8("\u2066P4 = 52 % > 50 %\u2069")));
    }

    void aRuleSetThatRefusesTheBoxesSaysWhy() {
        click(*form, "KewlButtons1");
        typeUnified({"60", "100", "30", "NP"});
        chooseStandardRules(true);
        click(*form, "KewlButtons5");
        const QString copied =
            QString::fromStdString(*form->results().copiedText(classifier::Method::Unified, false));
        const QString refusal = QString::fromUtf8("طبق قواعد پنجره: طبقه\u200Cبندی نمی\u200Cشود"
                                                  " — نشانه خمیری (P.I): عدد نیست");
        QVERIFY2(copied.contains(refusal), qPrintable(copied));
    }

    void theChartShowsTheStandardsZones() {
        click(*form, "KewlButtons1");
        typeUnified({"90", "100", "20", "5"});
        chooseStandardRules(true);
        click(*form, "KewlButtons5");
        form->resultActions().showChart(classifier::Method::Unified);
        const classifier::Chart& chart = form->resultActions().chartWindow()->chart();
        QVERIFY(std::any_of(chart.zones.begin(), chart.zones.end(),
                            [](const classifier::Zone& zone) { return zone.label == "CL-ML"; }));
        QCOMPARE(chart.samples.front().label, std::string("CL-ML"));
        form->resultActions().closeWindows();
    }
};

QTEST_MAIN(FormRulesTest)
#include "form_rules_test.moc"
