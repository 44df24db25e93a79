#include "result_actions.h"

#include "chart_window.h"
#include "classifier_form.h"
#include "explained_results.h"
#include "look.h"
#include "ui_texts.h"
#include "window_placement.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

namespace classifier {
namespace {

const QKeySequence kCopyExplainedKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

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
        for (QLineEdit* box : form_.panels().inputs(method)) {
            box->installEventFilter(this);
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
    if (!method) {
        return nullptr;
    }
    const QWidget* area = form_.panels().area;
    if (!area->geometry().contains(area->parentWidget()->mapFrom(&form_, point))) {
        return nullptr;
    }
    auto* menu = new QMenu(&form_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setLayoutDirection(Qt::RightToLeft);
    menu->setFont(look::font(9.75, false));
    const bool calculated = results_.hasResult(*method);
    QAction* copy = menu->addAction(texts::copyResult(), this,
                                    [this, m = *method] { results_.copy(m, false); });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(calculated);
    QAction* explained = menu->addAction(texts::copyResultExplained(), this,
                                         [this, m = *method] { results_.copy(m, true); });
    explained->setShortcut(kCopyExplainedKeys);
    explained->setEnabled(calculated);
    menu->addSeparator();
    QAction* standard = menu->addAction(texts::standardRules());
    standard->setObjectName("standardRules");
    standard->setCheckable(true);
    standard->setChecked(form_.rules() == Rules::Standard);
    connect(standard, &QAction::toggled, &form_,
            [this](bool on) { form_.setRules(on ? Rules::Standard : Rules::Window); });
    menu->addSeparator();
    menu->addAction(texts::showOnChart(), this, [this, m = *method] { showChart(m); });
    menu->addSeparator();
    QAction* sheet =
        menu->addAction(texts::classifySheet(), this, [this, m = *method] { showSheet(m); });
    sheet->setObjectName("classifySheet");
    return menu;
}

void ResultActions::showChart(Method method) {
    if (!chart_) {
        chart_ = new ChartWindow(&form_);
    }
    chart_->showChart(method, results_.chartSample(method), chartRules(method));
    if (!chart_->isVisible()) {
        placeOnScreenOf(*chart_, form_);
    }
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void ResultActions::follow(Method method) {
    if (chart_ && chart_->method() == method) {
        chart_->showChart(method, results_.chartSample(method), chartRules(method));
    }
}

// The rules of the panel's last result, or the rules chosen before its first.
Rules ResultActions::chartRules(Method method) const {
    return results_.hasResult(method) ? results_.rules(method) : form_.rules();
}

SheetWindow* ResultActions::showSheet(Method method) {
    if (!sheet_) {
        sheet_ = new SheetWindow(&form_);
        sheet_->setMethod(method);
        sheet_->setRules(form_.rules());
    }
    if (!sheet_->isVisible()) {
        placeOnScreenOf(*sheet_, form_);
    }
    sheet_->show();
    sheet_->raise();
    sheet_->activateWindow();
    return sheet_;
}

SheetWindow* ResultActions::openSheetFile(const QString& path) {
    SheetWindow* sheet = showSheet(results_.shownPanel().value_or(Method::Unified));
    sheet->openFile(path);
    return sheet;
}

void ResultActions::closeWindows() {
    for (QWidget* window : {static_cast<QWidget*>(chart_), static_cast<QWidget*>(sheet_)}) {
        if (window) {
            window->close();
        }
    }
}

} // namespace classifier
