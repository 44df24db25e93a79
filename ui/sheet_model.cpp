#include "sheet_model.h"

#include "qt_text.h"
#include "ui_texts.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

namespace classifier {
namespace {

const QColor kRefusedCell(255, 214, 214);
const QColor kResultCell(255, 244, 230);
const QColor kUnitsRow(235, 235, 235);

} // namespace

SheetModel::SheetModel(QObject* parent)
    : QAbstractTableModel(parent), document_(Method::Unified, Language::Persian) {}

int SheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(document_.rowCount()) + 1;
}

int SheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(document_.columnCount() + document_.resultNames().size());
}

bool SheetModel::isResultColumn(int column) const {
    return column >= int(document_.columnCount());
}

bool SheetModel::isNewRow(int row) const {
    return row >= int(document_.rowCount());
}

QVariant SheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || isNewRow(index.row())) {
        return {};
    }
    const auto row = std::size_t(index.row());
    const auto column = std::size_t(index.column());
    const sheet::Document::Outcome& outcome = document_.outcome(row);
    const auto cellError = std::find_if(
        outcome.cellErrors.begin(), outcome.cellErrors.end(),
        [column](const sheet::Document::CellError& error) { return error.column == column; });
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (!isResultColumn(index.column())) {
            return toQString(document_.row(row)[column]);
        }
        const std::size_t result = column - document_.columnCount();
        return result < outcome.results.size() ? toQString(outcome.results[result]) : QVariant();
    }
    case Qt::ToolTipRole:
        if (cellError != outcome.cellErrors.end()) {
            return toQString(cellError->reason);
        }
        if (isResultColumn(index.column()) && !outcome.error.empty()) {
            return toQString(outcome.error);
        }
        return {};
    case Qt::BackgroundRole:
        if (cellError != outcome.cellErrors.end()) {
            return QBrush(kRefusedCell);
        }
        if (outcome.state == sheet::Document::State::Units) {
            return QBrush(kUnitsRow);
        }
        return isResultColumn(index.column()) ? QVariant(QBrush(kResultCell)) : QVariant();
    default:
        return {};
    }
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 2; // the header is the sheet's row 1, as in a spreadsheet
    }
    if (!isResultColumn(section)) {
        return toQString(document_.header()[std::size_t(section)]);
    }
    return texts::resultColumn(
        toQString(document_.resultNames()[std::size_t(section) - document_.columnCount()]));
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return isResultColumn(index.column()) ? flags : flags | Qt::ItemIsEditable;
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || isResultColumn(index.column())) {
        return false;
    }
    const std::string text = toStdString(value.toString());
    if (isNewRow(index.row())) {
        if (text.empty()) {
            return false;
        }
        beginInsertRows({}, rowCount(), rowCount());
        document_.insertRows(document_.rowCount(), {{}});
        endInsertRows();
    }
    document_.setCell(std::size_t(index.row()), std::size_t(index.column()), text);
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    changed();
    return true;
}

void SheetModel::setMethod(Method method) {
    beginResetModel();
    document_.setMethod(method);
    endResetModel();
    changed();
}

void SheetModel::setRules(Rules rules) {
    beginResetModel();
    document_.setRules(rules);
    endResetModel();
    changed();
}

void SheetModel::paste(const QString& text, int row, int column) {
    beginResetModel();
    document_.paste(toStdString(text), std::size_t(row), std::size_t(column));
    endResetModel();
    changed();
}

void SheetModel::removeRows(const QList<int>& rows) {
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    beginResetModel();
    for (const int row : sorted) {
        if (!isNewRow(row)) {
            document_.removeRows(std::size_t(row), 1);
        }
    }
    endResetModel();
    changed();
}

void SheetModel::reset(sheet::Document document) {
    beginResetModel();
    document_ = std::move(document);
    endResetModel();
    changed();
}

void SheetModel::changed() {
    emit classified();
}

} // namespace classifier
