#include "chart_window.h"

#include "chart_painter.h"
#include "look.h"
#include "qt_text.h"
#include "ui_texts.h"

#include "core/chart/svg.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace classifier {
namespace {

constexpr double kPictureScale = 2; // saved and copied pictures stay sharp when enlarged

Chart chartFor(Method method, const std::optional<ChartSample>& sample, Rules rules) {
    std::vector<ChartSample> samples;
    if (sample) {
        samples.push_back(*sample);
    }
    if (method == Method::Unified) {
        const ChartLayer focus = sample && sample->layer ? *sample->layer : ChartLayer::FineSoil;
        return unifiedChart(std::move(samples), focus, rules);
    }
    const ChartLayer focus = sample && sample->layer ? *sample->layer : ChartLayer::AashtoFine;
    return aashtoChart(std::move(samples), focus, rules);
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return true;
    }
    if (error) {
        *error = file.errorString();
    }
    return false;
}

} // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(int(kChartWidth), int(kChartHeight));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setChart(Chart chart) {
    chart_ = std::move(chart);
    update();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const double scale = std::min(width() / kChartWidth, height() / kChartHeight);
    painter.translate((width() - kChartWidth * scale) / 2, (height() - kChartHeight * scale) / 2);
    painter.scale(scale, scale);
    paintChart(painter, chart_, Language::Persian);
}

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window), view_(new ChartView) {
    setObjectName("ChartWindow");
    setLayoutDirection(Qt::RightToLeft);
    setFont(look::font(9.75, false));
    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const QString& caption, auto action) {
        auto* button = new QPushButton(caption);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
    };
    addButton(texts::savePng(), [this] { askAndSave(false); });
    addButton(texts::saveSvg(), [this] { askAndSave(true); });
    addButton(texts::copyImage(), [this] { copyImage(); });
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
}

void ChartWindow::showChart(Method method, const std::optional<ChartSample>& sample, Rules rules) {
    method_ = method;
    view_->setChart(chartFor(method, sample, rules));
    setWindowTitle(toQString(say(chart().title, Language::Persian)));
}

bool ChartWindow::savePng(const QString& path, QString* error) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    chartImage(chart(), Language::Persian, kPictureScale).save(&buffer, "PNG");
    return writeFile(path, bytes, error);
}

bool ChartWindow::saveSvg(const QString& path, QString* error) const {
    return writeFile(path, QByteArray::fromStdString(chartSvg(chart(), Language::Persian)), error);
}

void ChartWindow::copyImage() const {
    QApplication::clipboard()->setImage(chartImage(chart(), Language::Persian, kPictureScale));
}

void ChartWindow::askAndSave(bool svg) {
    const QString suffix = svg ? ".svg" : ".png";
    const QString base = method_ == Method::Unified ? "plasticity-chart" : "aashto-chart";
    QString path = QFileDialog::getSaveFileName(this, texts::saveChartTitle(), base + suffix,
                                                svg ? "SVG (*.svg)" : "PNG (*.png)");
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(suffix, Qt::CaseInsensitive)) {
        path += suffix;
    }
    QString error;
    if (!(svg ? saveSvg(path, &error) : savePng(path, &error))) {
        QMessageBox::warning(this, windowTitle(),
                             texts::chartNotSaved() + "\n" + path + "\n" + error);
    }
}

} // namespace classifier
