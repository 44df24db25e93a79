// The sheet window fed a spreadsheet's clipboard: time from the paste of 10,000 rows (or as
// many as asked) to every row classified and shown, offscreen.
//   sheet_paste [rows]
#include "sheet_window.h"

#include <QApplication>
#include <QClipboard>
#include <QTableView>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 10'000;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> tenths(0, 1000);
    QString text = QString::fromUtf8("نمونه\tدرصد عبوری از الک ۲۰۰\tدرصد عبوری از الک ۴\tحد "
                                     "روانی\tنشانه خمیری\tCc\tCu\n");
    for (int row = 0; row < rows; ++row) {
        text += QString("BH%1").arg(row);
        for (int column = 0; column < 6; ++column) {
            const int value = tenths(random) / (column >= 2 ? 2 : 1);
            text += QString("\t%1.%2").arg(value / 10).arg(value % 10);
        }
        text += '\n';
    }
    QApplication::clipboard()->setText(text);
    classifier::SheetWindow sheet(nullptr);
    sheet.show();
    if (!QTest::qWaitForWindowExposed(&sheet)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    for (int run = 0; run < 3; ++run) {
        classifier::SheetWindow fresh(nullptr);
        fresh.show();
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        fresh.pasteCells();
        QApplication::processEvents(); // the table laid out and painted
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%d rows pasted, classified and shown: %.3f s (%s)\n", rows, seconds,
                    qPrintable(fresh.summary()));
    }
    return 0;
}
