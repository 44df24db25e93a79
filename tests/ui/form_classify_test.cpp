// Both Calculate buttons through real clicks: results, and refusals in a modal warning.
#include "app_config.h"
#include "form_fixture.h"

#include "core/aashto.h"
#include "core/number_text.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <cmath>

using classifier::ClassifierForm;
using namespace form_fixture;

namespace {

const char* const kRangeMessage =
    " مقدار درصد عبوري بايد بين 0 تا 100 باشد . لطفا مقدار را اصلاح كنيد ";
const char* const kNumberMessage = " مقدار وارد شده عدد معتبري نيست . لطفا مقدار را اصلاح كنيد ";

struct Box {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    int buttons;
    bool modal;
};

} // namespace

class FormClassifyTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;

    QList<Box> clickAndAnswer(const char* button) {
        QList<Box> boxes;
        answerMessages([&] { click(*form, button); },
                       [&](QMessageBox& box) {
                           boxes.append({box.text(), box.windowTitle(), box.icon(),
                                         int(box.buttons().size()), box.isModal()});
                       });
        return boxes;
    }

    QStringList texts(const QStringList& names) {
        QStringList result;
        for (const QString& name : names) {
            result << text(*form, name.toUtf8());
        }
        return result;
    }

private slots:
    void init() {
        form = new ClassifierForm;
        showStill(*form);
    }
    void cleanup() { delete form; }

    void unifiedCalculateWritesTheSymbol() {
        click(*form, "KewlButtons1");
        QVERIFY(clickAndAnswer("KewlButtons5").isEmpty());
        QCOMPARE(text(*form, "Text5"), QString("S C"));
        setText(*form, "Text1", "60");
        setText(*form, "Text3", "55");
        click(*form, "KewlButtons5");
        QCOMPARE(text(*form, "Text5"), QString("C H"));
        for (const char* slot : {"Label6", "Label7", "Label10"}) {
            QVERIFY(!control(*form, slot)->isVisible());
        }
    }

    void aashtoCalculateWritesGroupIndexAndNotes() {
        click(*form, "KewlButtons2");
        QVERIFY(clickAndAnswer("KewlButtons6").isEmpty());
        QCOMPARE(texts({"Text10", "Text9", "Text8", "Text11"}),
                 QStringList({"ريز دانه ", "خاك لاي دار", "A - 5", "0.045"}));
        QVERIFY(!control(*form, "Label20")->isVisible());
        QVERIFY(!control(*form, "Label21")->isVisible());

        const std::pair<const char*, const char*> sample[] = {
            {"E3", "30"}, {"e4", "40"}, {"e5", "60"}, {"e6", "35"}, {"e7", "8"}};
        for (const auto& [box, value] : sample) {
            setText(*form, box, value);
        }
        click(*form, "KewlButtons6");
        QCOMPARE(texts({"Text8", "Text11"}), QStringList({"A - 2 - 4", "0"}));
        QVERIFY(control(*form, "Label20")->isVisible());
        QVERIFY(control(*form, "Label21")->isVisible());
    }

    // A huge group index keeps its exponent in sight; the reason on the box gives every digit.
    void hugeGroupIndexShowsItsExponent() {
        click(*form, "KewlButtons2");
        setText(*form, "e6", "1.23456789123e307");
        setText(*form, "e7", "9.87654321e306");
        click(*form, "KewlButtons6");
        const auto* box = qobject_cast<QLineEdit*>(control(*form, "Text11"));
        QVERIFY2(box->text().endsWith("E+306"), qPrintable(box->text()));
        QVERIFY(box->fontMetrics().horizontalAdvance(box->text()) < box->contentsRect().width());
        const double index =
            classifier::classifyAashto({36, 30, 10, 1.23456789123e307, 9.87654321e306})
                ->shownIndex();
        QVERIFY(std::abs(box->text().toDouble() - index) < index * 1e-3);
        QVERIFY(box->toolTip().contains(
            QString::fromStdString(classifier::formatNumber(index, form->numberFormat()))));
    }

    void refusalShowsOneModalWarningAndChangesNothing_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("calculate");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("results");
        const QStringList unified{"Text5", "Label6", "Label7", "Label10"};
        const QStringList aashto{"Text8", "Text9", "Text10", "Text11"};
        QTest::newRow("Unified, two boxes at fault")
            << "KewlButtons1"
            << "KewlButtons5" << QStringList{"Text1", "100.5", "Text3", "abc"} << kRangeMessage
            << unified;
        QTest::newRow("Unified, two boxes at fault")
            << "KewlButtons1"
            << "KewlButtons5" << QStringList{"Text2", "abc", "Text3", "-1"} << kRangeMessage
            << unified;
        QTest::newRow("Unified, no Cc for a sample that needs it")
            << "KewlButtons1"
            << "KewlButtons5" << QStringList{"Text1", "3", "Text6", ""} << kNumberMessage
            << unified;
        QTest::newRow("AASHTO, No. 200 below 0")
            << "KewlButtons2"
            << "KewlButtons6" << QStringList{"E3", "-5"} << kRangeMessage << aashto;
        QTest::newRow("AASHTO, empty No. 10")
            << "KewlButtons2"
            << "KewlButtons6" << QStringList{"e5", ""} << kRangeMessage << aashto;
    }
    void refusalShowsOneModalWarningAndChangesNothing() {
        QFETCH(QString, panel);
        QFETCH(QString, calculate);
        QFETCH(QStringList, edits);
        QFETCH(QString, message);
        QFETCH(QStringList, results);
        click(*form, panel.toUtf8());
        click(*form, calculate.toUtf8()); // a first result, which the refusal must keep
        const QStringList before = texts(results);
        for (int i = 0; i + 1 < edits.size(); i += 2) {
            setText(*form, edits[i].toUtf8(), edits[i + 1]);
        }
        const QList<Box> boxes = clickAndAnswer(calculate.toUtf8());
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, message);
        QCOMPARE(boxes[0].title, QString::fromUtf8(classifier::config::kAppTitle.data()));
        QCOMPARE(boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes[0].buttons, 1);
        QVERIFY(boxes[0].modal);
        QCOMPARE(texts(results), before);
    }

    // Enter or Return in each input box runs its panel's Calculate, with the same warning or
    // result; typing alone runs nothing.
    void enterInAnInputBoxCalculates_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("sampleResult");
        const auto unified = [](const char* box, QStringList faults, const char* message) {
            QTest::newRow(box) << "KewlButtons1" << box << int(Qt::Key_Return) << faults << message
                               << "Text5"
                               << "S C";
        };
        unified("Text1", {"Text1", "101"}, kRangeMessage);
        unified("Text2", {"Text2", "abc"}, kRangeMessage);
        unified("Text3", {"Text3", "-1"}, kRangeMessage);
        unified("Text4", {"Text4", ""}, kRangeMessage);
        unified("Text6", {"Text1", "3", "Text6", "x"}, kNumberMessage);
        unified("Text7", {"Text1", "3", "Text7", ""}, kNumberMessage);
        const auto aashto = [](const char* box, QStringList faults, const char* message) {
            QTest::newRow(box) << "KewlButtons2" << box << int(Qt::Key_Enter) << faults << message
                               << "Text8"
                               << "A - 5";
        };
        aashto("E3", {"E3", "-5"}, kRangeMessage);
        aashto("e4", {"e4", "101"}, kRangeMessage);
        aashto("e5", {"e5", ""}, kRangeMessage);
        aashto("e6", {"e6", "abc"}, kNumberMessage);
        aashto("e7", {"e7", ""}, kNumberMessage);
    }
    void enterInAnInputBoxCalculates() {
        QFETCH(QString, panel);
        QFETCH(QString, box);
        QFETCH(int, key);
        QFETCH(QStringList, faults);
        QFETCH(QString, message);
        QFETCH(QString, result);
        QFETCH(QString, sampleResult);
        click(*form, panel.toUtf8());
        const QString dashes = text(*form, result.toUtf8());
        QStringList samples;
        for (int i = 0; i < faults.size(); i += 2) {
            samples << faults[i] << text(*form, faults[i].toUtf8());
        }
        const auto typeTexts = [&](const QStringList& pairs) {
            for (int i = 0; i + 1 < pairs.size(); i += 2) {
                setText(*form, pairs[i].toUtf8(), pairs[i + 1]);
            }
        };
        QWidget* input = control(*form, box.toUtf8());
        const auto pressKey = [&] { QTest::keyClick(input, Qt::Key(key)); };

        QCOMPARE(answerMessages([&] { typeTexts(faults); }, [](QMessageBox&) {}), 0);
        QCOMPARE(text(*form, result.toUtf8()), dashes);
        QStringList shown;
        QCOMPARE(answerMessages(pressKey, [&](QMessageBox& warning) { shown << warning.text(); }),
                 1);
        QCOMPARE(shown, QStringList{message});
        QCOMPARE(text(*form, result.toUtf8()), dashes);

        typeTexts(samples);
        QCOMPARE(answerMessages(pressKey, [](QMessageBox&) {}), 0);
        QCOMPARE(text(*form, result.toUtf8()), sampleResult);
    }
};

QTEST_MAIN(FormClassifyTest)
#include "form_classify_test.moc"
