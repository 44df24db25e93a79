// The sheet window: a lab sheet pasted from a spreadsheet, classified row by row.
#include "chart_window.h"
#include "core/chart/placement.h"
#include "core/chart/scene.h"
#include "form_fixture.h"
#include "result_actions.h"
#include "sheet_window.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using classifier::ClassifierForm;
using classifier::SheetWindow;
using namespace form_fixture;

namespace {

// Forty samples under a Persian header, as a spreadsheet puts them on the clipboard; the
// seventh has 101 % passing the No. 200 sieve.
QString fortySamples() {
    QString text = QString::fromUtf8("نمونه\tدرصد عبوری از الک ۲۰۰\tدرصد عبوری از الک ۴\tحد "
                                     "روانی\tنشانه خمیری\tCc\tCu\n");
    for (int i = 1; i <= 40; ++i) {
        const int fines = i == 7 ? 101 : 10 + i * 2;
        text += QString("BH%1\t%2\t%3\t%4\t%5\t1.5\t7\n")
                    .arg(i)
                    .arg(fines)
                    .arg(60 + i % 30)
                    .arg(20 + i)
                    .arg(4 + i % 17);
    }
    return text;
}

} // namespace

class SheetWindowTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;

    SheetWindow* openFromTheMenu() {
        click(*form, "KewlButtons1");
        QMenu* menu = rightClickPanel(*form);
        if (!menu) {
            return nullptr;
        }
        menu->findChild<QAction*>("classifySheet")->trigger();
        menu->close();
        return form->findChild<SheetWindow*>("sheetWindow");
    }

private slots:
    void init() {
        form = new ClassifierForm;
        showStill(*form);
    }
    void cleanup() { delete form; }

    void pastedRowsAreClassifiedAndCopiedBack() {
        SheetWindow* sheet = openFromTheMenu();
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(sheet->layoutDirection(), Qt::RightToLeft);
        auto* table = sheet->findChild<QTableView*>("sheetTable");
        QApplication::setActiveWindow(sheet);
        QApplication::clipboard()->setText(fortySamples());
        table->setFocus();
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);

        const QAbstractItemModel* model = table->model();
        QCOMPARE(model->rowCount(), 41); // and a row to type a new sample in
        const int symbol = 7;
        QCOMPARE(model->headerData(symbol, Qt::Horizontal).toString(),
                 QString::fromUtf8("نشانه گروه"));
        int named = 0;
        for (int row = 0; row < 40; ++row) {
            named += !model->index(row, symbol).data().toString().isEmpty();
        }
        QCOMPARE(named, 39);
        const QModelIndex refused = model->index(6, 1);
        QVERIFY(refused.data(Qt::ToolTipRole).toString().contains("100"));
        QVERIFY(refused.data(Qt::BackgroundRole).isValid());
        QVERIFY(sheet->summary().contains(QString::fromUtf8("سطر 8")));

        table->selectionModel()->select(model->index(1, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        const QStringList copied = QApplication::clipboard()->text().split('\n');
        QCOMPARE(copied.size(), 3); // the header, the row, and the end of the last line
        QVERIFY(copied[1].startsWith("BH2\t14\t"));
        QCOMPARE(copied[1].section('\t', symbol, symbol),
                 model->index(1, symbol).data().toString());

        QTemporaryDir dir;
        const QString path = dir.filePath("sheet.csv");
        QVERIFY(sheet->saveFile(path));
        QString why;
        QVERIFY(!sheet->saveFile(dir.filePath("missing/sheet.csv"), &why));
        QVERIFY(!why.isEmpty());
        sheet->model().paste("x\ty\n", 0, 0); // changed, then read back as saved
        QVERIFY(sheet->openFile(path));
        QCOMPARE(model->rowCount(), 41);
        QCOMPARE(model->index(1, symbol).data().toString(),
                 copied[1].section('\t', symbol, symbol));
        QVERIFY(model->index(6, 1).data(Qt::ToolTipRole).toString().contains("100"));
    }

    // A sheet file dropped on the main window opens in the sheet window.
    void aDroppedFileOpensInTheSheetWindow() {
        QTemporaryDir dir;
        QFile file(dir.filePath("lab.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("sample;F200;P4;LL;PI\r\nS1;34;98;38;26\r\n");
        file.close();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file.fileName())});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(form, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(form, &drop);
        SheetWindow* sheet = form->resultActions().sheetWindow();
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(sheet->model().document().outcome(0).results.front(), std::string("SC"));
        QVERIFY(sheet->windowTitle().endsWith("lab.csv"));
    }

    // The chart of the forty: every classified sample labelled on it or listed under it, no two
    // labels over each other.
    void theSheetsChartLabelsEverySample() {
        SheetWindow* sheet = form->resultActions().showSheet(classifier::Method::Unified);
        QApplication::clipboard()->setText(fortySamples());
        sheet->pasteCells();
        sheet->showChart();
        const classifier::Chart& chart = sheet->chartWindow()->chart();
        QCOMPARE(chart.samples.size(), 39u); // the refused one has no place
        const classifier::Scene scene =
            classifier::chartScene(chart, classifier::Language::Persian);
        std::vector<classifier::CanvasBox> labels;
        QStringList named;
        for (const classifier::SceneItem& item : scene.items) {
            const auto* text = std::get_if<classifier::SceneText>(&item);
            if (text && (text->part == classifier::ScenePart::SampleLabel ||
                         text->part == classifier::ScenePart::TableEntry)) {
                named << QString::fromStdString(text->text);
            }
            if (text && text->part == classifier::ScenePart::SampleLabel) {
                labels.push_back(classifier::textBox(*text));
            }
        }
        QCOMPARE(named.size(), 39);
        QVERIFY(labels.size() >= 20);
        for (std::size_t a = 0; a < labels.size(); ++a) {
            for (std::size_t b = a + 1; b < labels.size(); ++b) {
                QVERIFY(!labels[a].intersects(labels[b]));
            }
        }
    }

    void theRulesChosenAtTheTopNameEveryRow() {
        SheetWindow* sheet = form->resultActions().showSheet(classifier::Method::Unified);
        auto* rules = sheet->findChild<QComboBox*>("sheetRules");
        QCOMPARE(rules->currentIndex(), 0); // the window's own rules, as the form's
        QApplication::clipboard()->setText("S1\t49\t52\t30\t4\n");
        sheet->pasteCells();
        QAbstractItemModel* model = sheet->findChild<QTableView*>("sheetTable")->model();
        const auto symbol = [&] {
            for (int column = 0; column < model->columnCount(); ++column) {
                if (model->headerData(column, Qt::Horizontal).toString() == QString("نشانه گروه")) {
                    return model->index(0, column).data().toString();
                }
            }
            return QString();
        };
        QCOMPARE(symbol(), QString("SM"));
        rules->setCurrentIndex(1);
        QCOMPARE(symbol(), QString("GM")); // gravel 48 % against sand 3 %
    }

    void aHeaderItCannotReadIsSaidInPersian() {
        using classifier::sheet::Document;
        SheetWindow* sheet = form->resultActions().showSheet(classifier::Method::Unified);
        sheet->model().reset(Document::read("id,F200,p200,ll,pi\nS1,34,98,38,26\n",
                                            classifier::Method::Unified,
                                            classifier::Language::Persian));
        QVERIFY2(sheet->summary().contains(QString("هر دو ستون «F200» و «p200»")),
                 qPrintable(sheet->summary()));
        sheet->model().reset(
            Document::read("id,p200,ll,pi\nS1,34,38,26\n", classifier::Method::Aashto,
                           classifier::Language::Persian, classifier::Rules::Window));
        QVERIFY2(sheet->summary().contains(QString("ستونی برای «درصد عبوری از الک ۴۰»")),
                 qPrintable(sheet->summary()));
        QVERIFY(!sheet->summary().contains("column"));
    }

    void editingACellClassifiesItsRowAgain() {
        SheetWindow* sheet = form->resultActions().showSheet(classifier::Method::Aashto);
        QCOMPARE(sheet->findChild<QComboBox*>("sheetMethod")->currentIndex(), 1);
        QApplication::clipboard()->setText("S1\t36\t30\t10\t51\t9\n");
        sheet->pasteCells();
        QAbstractItemModel* model = sheet->findChild<QTableView*>("sheetTable")->model();
        int group = 0;
        while (model->headerData(group, Qt::Horizontal).toString() != QString("گروه")) {
            ++group;
        }
        QCOMPARE(model->index(0, group).data().toString(), QString("A-5"));
        QVERIFY(model->setData(model->index(0, 5), "25"));
        QCOMPARE(model->index(0, group).data().toString(), QString("A-7-6"));
        // typing into the empty row at the end makes a new sample
        QVERIFY(model->setData(model->index(1, 0), "S2"));
        QCOMPARE(model->rowCount(), 3);
    }

    void closesWithTheMainWindow() {
        SheetWindow* sheet = form->resultActions().showSheet(classifier::Method::Unified);
        QApplication::clipboard()->setText("S1\t60\t98\t55\t30\n");
        sheet->pasteCells();
        sheet->showChart();
        QVERIFY(sheet->chartWindow()->isVisible());
        QCOMPARE(sheet->chartWindow()->chart().samples.size(), 1u);
        form->close();
        QVERIFY(!sheet->isVisible());
        QVERIFY(!sheet->chartWindow()->isVisible());
    }
};

QTEST_MAIN(SheetWindowTest)
#include "sheet_window_test.moc"
