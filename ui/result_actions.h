#pragma once

#include "chart_window.h"
#include "panels.h"
#include "sheet_window.h"

#include <QObject>
#include <QPointer>

class QMenu;
class QPoint;

namespace classifier {

class ClassifierForm;
class ExplainedResults;

// What the user can do with a method panel's result: copy it, plainly or with its inputs and
// explanation (context menu, Ctrl+C, Ctrl+Shift+C), see it on the chart, and choose the rules
// the panels follow.
class ResultActions : public QObject {
    Q_OBJECT
public:
    ResultActions(ClassifierForm& form, ExplainedResults& results);

    // Lets Ctrl+C in an input box without a selection copy the result; once the panels exist.
    void watchInputs();
    // The context menu of the panel that shows, when the point (in the window) lies on it.
    // Null when no method panel shows there.
    QMenu* menuAt(const QPoint& point);
    void showChart(Method method);
    ChartWindow* chartWindow() const { return chart_; }
    // The sheet window, one at a time, its method the panel's.
    SheetWindow* showSheet(Method method);
    SheetWindow* sheetWindow() const { return sheet_; }
    // The sheet window with a sheet file read into it, by the method of the panel that shows.
    SheetWindow* openSheetFile(const QString& path);
    // Closes the chart and sheet windows, with the main window.
    void closeWindows();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copy(bool withExplanation);
    void follow(Method method);
    Rules chartRules(Method method) const;

    ClassifierForm& form_;
    ExplainedResults& results_;
    QPointer<ChartWindow> chart_;
    QPointer<SheetWindow> sheet_;
};

} // namespace classifier
