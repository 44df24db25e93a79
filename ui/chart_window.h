#pragma once

#include "panels.h"

#include "core/chart/chart.h"
#include "core/chart/scene.h"

#include <QWidget>
#include <optional>
#include <vector>

namespace classifier {

// Paints a chart, scaled to fit and centred.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);
    void setChart(Chart chart);
    QSize sizeHint() const override;
    const Chart& chart() const { return chart_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Chart chart_;
    Scene scene_; // laid out once for every repaint
};

// The small window that draws a method panel's last sample on its chart, and saves or copies
// the picture.
class ChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChartWindow(QWidget* parent);

    // Draws the method's chart of the given rules with its last sample, if it has one.
    void showChart(Method method, const std::optional<ChartSample>& sample,
                   Rules rules = Rules::Window);
    // Draws the method's chart of the given rules with every sample of a sheet.
    void showSamples(Method method, std::vector<ChartSample> samples, Rules rules = Rules::Window);
    Method method() const { return method_; }
    const Chart& chart() const { return view_->chart(); }

    // Write the chart to a file, whole or not at all; false, with the reason in Persian, when
    // the file cannot be written.
    bool savePng(const QString& path, QString* error = nullptr) const;
    bool saveSvg(const QString& path, QString* error = nullptr) const;
    void copyImage() const;

private:
    void askAndSave(bool svg);

    ChartView* view_;
    Method method_ = Method::Unified;
};

} // namespace classifier
