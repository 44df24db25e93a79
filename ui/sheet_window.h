#pragma once

#include "chart_window.h"
#include "sheet_model.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QMimeData;
class QLabel;
class QTableView;

namespace classifier {

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
    // Classifies the rows by the rule set, as choosing it at the top does.
    void setRules(Rules rules);
    QTableView& table() { return *table_; }
    // The summary under the table: how many rows were classified and refused.
    QString summary() const;
    // Copies the selected rows (all rows without a selection) with their results.
    void copyRows() const;
    // Pastes the clipboard's cells at the current cell.
    void pasteCells();
    void showChart();
    // Reads a CSV sheet in the place of the rows shown; false, with a message, when it cannot.
    bool openFile(const QString& path);
    // Writes the sheet with its results as soil-classify writes it, in the dialect it was read
    // in, whole or not at all; false, with the reason, when it cannot.
    bool saveFile(const QString& path, QString* error = nullptr) const;
    ChartWindow* chartWindow() const { return chart_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void follow();
    void askAndOpen();
    void askAndSave();
    void tell(const QString& message);

    SheetModel* model_;
    QTableView* table_;
    QComboBox* method_;
    QComboBox* rules_;
    QLabel* summary_;
    QPointer<ChartWindow> chart_;
    QString path_; // of the file last opened or saved
};

// The local file a drag carries, when it carries one: a sheet to open.
QString droppedFile(const QMimeData* data);

} // namespace classifier
