#include "chart_window.h"

#include "chart_painter.h"
#include "file_problem.h"
#include "look.h"
#include "qt_text.h"
#include "ui_texts.h"

#include "core/chart/density.h"
#include "core/chart/svg.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace classifier {
namespace {

constexpr double kPictureScale = 2; // saved and copied pictures stay sharp when enlarged

// The chart's zones are those of the layer most of its samples stand on.
ChartLayer focusOf(const std::vector<ChartSample>& samples, ChartLayer otherwise) {
    std::map<ChartLayer, std::size_t> counts;
    for (const ChartSample& sample : samples) {
        if (sample.layer) {
            ++counts[*sample.layer];
        }
    }
    const auto most =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? otherwise : most->first;
}

// Of a sheet of any size, the first samples drawn one by one and the rest counted on the grid,
// as soil-classify draws them.
Chart chartFor(Method method, const std::vector<ChartSample>& all, Rules rules) {
    ChartSampleSet set;
    for (const ChartSample& sample : all) {
        set.add(sample);
    }
    std::vector<ChartSample>& samples = set.drawn();
    const SampleCounts* rest = set.rest().count() > 0 ? &set.rest() : nullptr;
    if (method == Method::Unified) {
        const ChartLayer focus = focusOf(samples, ChartLayer::FineSoil);
        return unifiedChart(std::move(samples), focus, rules, rest);
    }
    const ChartLayer focus = focusOf(samples, ChartLayer::AashtoFine);
    return aashtoChart(std::move(samples), focus, rules, rest);
}

} // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(int(kChartWidth) / 2, int(kChartHeight) / 2);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize ChartView::sizeHint() const {
    return {int(kChartWidth), int(kChartHeight)};
}

void ChartView::setChart(Chart chart) {
    chart_ = std::move(chart);
    scene_ = chartScene(chart_, Language::Persian);
    update();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintScene(painter, rect(), scene_);
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
    showSamples(method, sample ? std::vector<ChartSample>{*sample} : std::vector<ChartSample>{},
                rules);
}

void ChartWindow::showSamples(Method method, std::vector<ChartSample> samples, Rules rules) {
    method_ = method;
    view_->setChart(chartFor(method, samples, rules));
    setWindowTitle(toQString(say(chart().title, Language::Persian)));
}

bool ChartWindow::savePng(const QString& path, QString* error) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    chartImage(chart(), Language::Persian, kPictureScale).save(&buffer, "PNG");
    return writeWhole(path, {bytes.constData(), std::size_t(bytes.size())}, error);
}

bool ChartWindow::saveSvg(const QString& path, QString* error) const {
    return writeWhole(path, chartSvg(chart(), Language::Persian), error);
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
