#pragma once

#include "sheet_model.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QTableView;

namespace classifier {

class ChartWindow;

// A whole lab sheet classified in the window: pasted from a spreadsheet, typed or opened, every
// row named as it changes, refused cells marked with their reasons, and the rows copied back,
// saved or drawn on the chart together.
class SheetWindow : public QWidget {
    Q_OBJECT
public:
    explicit SheetWindow(QWidget* parent);

    SheetModel& model() { return *model_; }
    // Classifies the rows by the method, as choosing it at the top does.
    void setMethod(Method method);
    QTableView& table() { return *table_; }
    // The summary under the table: how many rows were classified and refused.
    QString summary() const;
    // Copies the selected rows (all rows without a selection) with their results.
    void copyRows() const;
    // Pastes the clipboard's cells at the current cell.
    void pasteCells();
    void showChart();
    ChartWindow* chartWindow() const { return chart_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void follow();

    SheetModel* model_;
    QTableView* table_;
    QComboBox* method_;
    QLabel* summary_;
    QPointer<ChartWindow> chart_;
};

} // namespace classifier
