#pragma once

#include "sheet/document.h"

#include <QAbstractTableModel>

namespace classifier {

// A lab sheet as a table: the sheet's own columns, which the user edits, then the result columns
// of its method, which the classification fills. A refused cell is marked, its reason in its
// tooltip.
class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetModel(QObject* parent = nullptr);

    sheet::Document& document() { return document_; }
    const sheet::Document& document() const { return document_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    bool isResultColumn(int column) const;
    void setMethod(Method method);
    void setRules(Rules rules);
    // Tab-separated cells from the clipboard, the first at the given cell.
    void paste(const QString& text, int row, int column);
    void removeRows(const QList<int>& rows);
    // Replaces the whole sheet.
    void reset(sheet::Document document);

signals:
    // The classification of some rows changed: the summary and the chart follow.
    void classified();

private:
    // Cells past the last row take a new row, so that a sheet can be typed in.
    bool isNewRow(int row) const;
    void changed();

    sheet::Document document_;
};

} // namespace classifier
