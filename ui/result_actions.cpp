#include "result_actions.h"

#include "chart_window.h"
#include "classifier_form.h"
#include "explained_results.h"
#include "look.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

namespace classifier {
namespace {

const char* const kCopy = "کپی نتیجه";
const char* const kCopyExplained = "کپی نتیجه با ورودی\u200Cها و توضیح";
const char* const kShowChart = "نمایش روی نمودار";
const QKeySequence kCopyExplainedKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

// The panel area, where a right click opens the menu of the panel that shows.
constexpr std::string_view kPanelArea = "Shape1";

} // namespace

ResultActions::ResultActions(ClassifierForm& form, ExplainedResults& results)
    : QObject(&form), form_(form), results_(results) {
    auto* copy = new QShortcut(QKeySequence::Copy, &form);
    connect(copy, &QShortcut::activated, this, [this] { this->copy(false); });
    auto* copyExplained = new QShortcut(kCopyExplainedKeys, &form);
    connect(copyExplained, &QShortcut::activated, this, [this] { this->copy(true); });
    connect(&results, &ExplainedResults::recorded, this, &ResultActions::follow);
}

void ResultActions::watchInputs() {
    for (const Method method : kMethods) {
        for (const ControlRow* input : inputBoxes(method)) {
            form_.control(input->name)->installEventFilter(this);
        }
    }
}

// An input box copies its selected text itself; without a selection, Ctrl+C copies the result.
bool ResultActions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && !box->hasSelectedText() &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ResultActions::copy(bool withExplanation) {
    if (const auto method = results_.shownPanel()) {
        results_.copy(*method, withExplanation);
    }
}

QMenu* ResultActions::menuAt(const QPoint& point) {
    const auto method = results_.shownPanel();
    if (!method ||
        !form_.control(kPanelArea)
             ->geometry()
             .contains(form_.control(kPanelArea)->parentWidget()->mapFrom(&form_, point))) {
        return nullptr;
    }
    auto* menu = new QMenu(&form_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setLayoutDirection(Qt::RightToLeft);
    menu->setFont(look::font(9.75, false));
    const bool calculated = results_.hasResult(*method);
    QAction* copy = menu->addAction(QString::fromUtf8(kCopy), this,
                                    [this, m = *method] { results_.copy(m, false); });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(calculated);
    QAction* explained = menu->addAction(QString::fromUtf8(kCopyExplained), this,
                                         [this, m = *method] { results_.copy(m, true); });
    explained->setShortcut(kCopyExplainedKeys);
    explained->setEnabled(calculated);
    menu->addSeparator();
    menu->addAction(QString::fromUtf8(kShowChart), this, [this, m = *method] { showChart(m); });
    return menu;
}

void ResultActions::showChart(Method method) {
    if (!chart_) {
        chart_ = new ChartWindow(&form_);
    }
    chart_->showChart(method, results_.chartSample(method));
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void ResultActions::follow(Method method) {
    if (chart_ && chart_->method() == method) {
        chart_->showChart(method, results_.chartSample(method));
    }
}

void ResultActions::closeChart() {
    if (chart_) {
        chart_->close();
    }
}

} // namespace classifier
