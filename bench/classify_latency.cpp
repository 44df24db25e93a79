// Time from a click on each Calculate button to its result written, in the offscreen window:
//   classify_latency [clicks]
// Each click alternates between two samples, so every click writes a new result.
#include "classifier_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Inputs = std::vector<std::pair<const char*, const char*>>;

struct Sample {
    Inputs inputs;
    const char* result; // what the result box then shows
};

struct Command {
    const char* name;
    const char* panelButton;
    const char* calculateButton;
    const char* resultBox;
    Sample samples[2];
};

const Command kCommands[] = {
    {"Unified",
     "KewlButtons1",
     "KewlButtons5",
     "Text5",
     {{{{"Text1", "8"},
        {"Text2", "30"},
        {"Text3", "40"},
        {"Text4", "20"},
        {"Text6", "2"},
        {"Text7", "8"}},
       "G C - G W"},
      {{{"Text1", "60"}, {"Text2", "90"}, {"Text3", "55"}, {"Text4", "30"}}, "C H"}}},
    {"AASHTO",
     "KewlButtons2",
     "KewlButtons6",
     "Text8",
     {{{{"E3", "30"}, {"e4", "40"}, {"e5", "60"}, {"e6", "35"}, {"e7", "8"}}, "A - 2 - 4"},
      {{{"E3", "60"}, {"e4", "80"}, {"e5", "90"}, {"e6", "45"}, {"e7", "5"}}, "A - 5"}}},
};

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(share * double(values.size())))];
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

double milliseconds(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A control by the name the window's design gives it.
template <class Widget = QWidget>
Widget* control(classifier::ClassifierForm& form, const char* name) {
    form.panels();
    return form.findChild<Widget*>(name);
}

void measure(classifier::ClassifierForm& form, const Command& command, int clicks) {
    click(control(form, command.panelButton));
    QWidget* calculate = control(form, command.calculateButton);
    auto* result = control<QLineEdit>(form, command.resultBox);
    std::vector<double> written, painted;
    for (int i = 0; i < clicks; ++i) {
        const Sample& sample = command.samples[i % 2];
        for (const auto& [box, text] : sample.inputs) {
            control<QLineEdit>(form, box)->setText(text);
        }
        QCoreApplication::processEvents(); // the edits are painted before the clock starts
        const Clock::time_point start = Clock::now();
        click(calculate);
        written.push_back(milliseconds(start));
        QCoreApplication::processEvents();
        painted.push_back(milliseconds(start));
        if (result->text() != QString::fromUtf8(sample.result)) {
            std::fprintf(stderr, "%s: expected %s, got %s\n", command.name, sample.result,
                         qPrintable(result->text()));
            std::exit(1);
        }
    }
    std::printf("%-8s %6d clicks  to result written: median %.4f ms, 99th percentile %.4f ms"
                "  (to result painted: median %.4f ms)\n",
                command.name, clicks, percentile(written, 0.5), percentile(written, 0.99),
                percentile(painted, 0.5));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 10000;
    classifier::ClassifierForm form;
    form.findChild<QTimer*>("Timer1")->stop(); // no banner steps between the clicks
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    for (const Command& command : kCommands) {
        measure(form, command, clicks);
    }
    return 0;
}
