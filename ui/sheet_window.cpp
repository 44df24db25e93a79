#include "sheet_window.h"

#include "chart_window.h"
#include "file_problem.h"
#include "look.h"
#include "qt_text.h"
#include "ui_texts.h"
#include "window_placement.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <set>

namespace classifier {
namespace {

// Why the sheet's columns cannot be read, in the window's words.
QString columnProblem(const sheet::ColumnError& error) {
    const QString role = toQString(sheet::persianName(error.role()));
    const std::vector<std::string>& headers = error.headers();
    switch (error.kind()) {
    case sheet::ColumnError::Kind::Missing: {
        QStringList found;
        for (const std::string& header : headers) {
            found << "«" + toQString(header) + "»";
        }
        return texts::columnMissing(role, found.join("، "),
                                    toQString(sheet::roleExamples(error.role())));
    }
    case sheet::ColumnError::Kind::Twice:
        return texts::columnTwice(role, toQString(headers.at(0)), toQString(headers.at(1)));
    case sheet::ColumnError::Kind::Other:
        break;
    }
    return toQString(error.what());
}

QPushButton* button(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

SheetWindow::SheetWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), model_(new SheetModel(this)), table_(new QTableView),
      method_(new QComboBox), rules_(new QComboBox), summary_(new QLabel) {
    setObjectName("sheetWindow");
    setWindowTitle(texts::sheetTitle());
    setLayoutDirection(Qt::RightToLeft);
    setFont(look::font(9.75, false));
    setAttribute(Qt::WA_DeleteOnClose, false);

    method_->setObjectName("sheetMethod");
    method_->addItem(texts::unifiedMethod(), int(Method::Unified));
    method_->addItem(texts::aashtoMethod(), int(Method::Aashto));
    method_->setAccessibleName(texts::method());
    auto* methodLabel = new QLabel(texts::method());
    methodLabel->setBuddy(method_);
    connect(method_, &QComboBox::currentIndexChanged, this,
            [this] { model_->setMethod(Method(method_->currentData().toInt())); });

    rules_->setObjectName("sheetRules");
    rules_->addItem(texts::windowRules(), int(Rules::Window));
    rules_->addItem(texts::standardRulesShort(), int(Rules::Standard));
    rules_->setItemData(1, texts::standardRules(), Qt::ToolTipRole);
    rules_->setAccessibleName(texts::rules());
    auto* rulesLabel = new QLabel(texts::rules());
    rulesLabel->setBuddy(rules_);
    connect(rules_, &QComboBox::currentIndexChanged, this,
            [this] { model_->setRules(Rules(rules_->currentData().toInt())); });

    table_->setObjectName("sheetTable");
    table_->setAccessibleName(texts::sheetTitle());
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->horizontalHeader()->setDefaultSectionSize(110);
    table_->setToolTip(texts::sheetHint());
    summary_->setObjectName("sheetSummary");
    summary_->setWordWrap(true);

    auto* top = new QHBoxLayout;
    top->addWidget(methodLabel);
    top->addWidget(method_);
    top->addSpacing(16);
    top->addWidget(rulesLabel);
    top->addWidget(rules_);
    top->addStretch();
    auto* copy = button(texts::copyRows(), this);
    auto* paste = button(texts::pasteCells(), this);
    auto* remove = button(texts::removeRows(), this);
    auto* chart = button(texts::sheetChart(), this);
    auto* open = button(texts::openSheet(), this);
    auto* save = button(texts::saveSheet(), this);
    connect(open, &QPushButton::clicked, this, &SheetWindow::askAndOpen);
    connect(save, &QPushButton::clicked, this, &SheetWindow::askAndSave);
    open->setShortcut(QKeySequence::Open);
    save->setShortcut(QKeySequence::Save);
    setAcceptDrops(true);
    connect(copy, &QPushButton::clicked, this, &SheetWindow::copyRows);
    connect(paste, &QPushButton::clicked, this, &SheetWindow::pasteCells);
    // Ctrl+C and Ctrl+V anywhere in the window but in a cell being edited, which keeps its own.
    for (const auto& [keys, action] :
         {std::pair{QKeySequence::Copy, std::function<void()>([this] { copyRows(); })},
          std::pair{QKeySequence::Paste, std::function<void()>([this] { pasteCells(); })}}) {
        auto* shortcut = new QShortcut(keys, this, nullptr, nullptr, Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    }
    connect(remove, &QPushButton::clicked, this, [this] {
        QList<int> rows;
        for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) {
            rows << index.row();
        }
        model_->removeRows(rows);
    });
    connect(chart, &QPushButton::clicked, this, &SheetWindow::showChart);
    auto* bottom = new QHBoxLayout;
    for (QPushButton* each : {open, save, paste, copy, remove, chart}) {
        bottom->addWidget(each);
    }
    bottom->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addWidget(summary_);
    layout->addLayout(bottom);
    resize(900, 560);

    connect(model_, &SheetModel::classified, this, &SheetWindow::follow);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        table_->resizeColumnsToContents();
        for (int column = 0; column < model_->columnCount(); ++column) {
            table_->setColumnWidth(column, std::clamp(table_->columnWidth(column), 60, 260));
        }
    });
    follow();
}

void SheetWindow::setMethod(Method method) {
    method_->setCurrentIndex(method_->findData(int(method)));
}

void SheetWindow::setRules(Rules rules) {
    rules_->setCurrentIndex(rules_->findData(int(rules)));
}

QString SheetWindow::summary() const {
    return summary_->text();
}

void SheetWindow::copyRows() const {
    std::set<std::size_t> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) {
        if (index.row() < int(model_->document().rowCount())) {
            rows.insert(std::size_t(index.row()));
        }
    }
    if (rows.empty()) {
        for (std::size_t row = 0; row < model_->document().rowCount(); ++row) {
            rows.insert(row);
        }
    }
    const std::vector<std::size_t> list(rows.begin(), rows.end());
    QApplication::clipboard()->setText(toQString(model_->document().copied(list)));
}

void SheetWindow::pasteCells() {
    const QModelIndex at = table_->currentIndex();
    const int row = at.isValid() ? at.row() : int(model_->document().rowCount());
    const int column = at.isValid() && !model_->isResultColumn(at.column()) ? at.column() : 0;
    model_->paste(QApplication::clipboard()->text(), row, column);
}

void SheetWindow::showChart() {
    if (!chart_) {
        chart_ = new ChartWindow(this);
    }
    chart_->showSamples(model_->document().method(), model_->document().chartSamples(),
                        model_->document().rules());
    if (!chart_->isVisible()) {
        placeOnScreenOf(*chart_, *this);
    }
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

bool SheetWindow::openFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(texts::sheetNotRead(path + "\n" + file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    try {
        model_->reset(sheet::Document::read({bytes.constData(), std::size_t(bytes.size())},
                                            model_->document().method(), Language::Persian,
                                            model_->document().rules()));
    } catch (const sheet::SheetError& error) {
        tell(texts::sheetNotRead(path + "\n" + toQString(error.what())));
        return false;
    }
    path_ = path;
    setWindowTitle(texts::sheetTitle() + " \u2014 " + QFileInfo(path).fileName());
    return true;
}

bool SheetWindow::saveFile(const QString& path, QString* error) const {
    return writeWhole(path, model_->document().written(), error);
}

void SheetWindow::askAndOpen() {
    const QString path =
        QFileDialog::getOpenFileName(this, texts::openSheet(), path_, texts::sheetFiles());
    if (!path.isEmpty()) {
        openFile(path);
    }
}

void SheetWindow::askAndSave() {
    QString path = QFileDialog::getSaveFileName(
        this, texts::saveSheet(), path_.isEmpty() ? "sheet.csv" : path_, texts::sheetFiles());
    if (path.isEmpty()) {
        return;
    }
    QString error;
    if (saveFile(path, &error)) {
        path_ = path;
    } else {
        tell(texts::sheetNotSaved(path + "\n" + error));
    }
}

void SheetWindow::tell(const QString& message) {
    QMessageBox box(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box.setLayoutDirection(Qt::RightToLeft);
    box.exec();
}

void SheetWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void SheetWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        openFile(path);
    }
}

QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

void SheetWindow::closeEvent(QCloseEvent* event) {
    if (chart_) {
        chart_->close();
    }
    QWidget::closeEvent(event);
}

// The summary and the chart follow the rows.
void SheetWindow::follow() {
    const sheet::Document& document = model_->document();
    if (document.headerProblem()) {
        summary_->setText(texts::columnsUnread(columnProblem(*document.headerProblem())));
    } else if (document.rowCount() == 0) {
        summary_->setText(texts::sheetHint());
    } else {
        summary_->setText(toQString(document.tally().summary(Language::Persian)));
    }
    if (chart_ && chart_->isVisible()) {
        chart_->showSamples(document.method(), document.chartSamples(), document.rules());
    }
}

} // namespace classifier
