#pragma once

#include "panels.h"

#include "core/chart/chart.h"

#include <QWidget>
#include <optional>

namespace classifier {

// Paints a chart, scaled to fit and centred.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);
    void setChart(Chart chart);
    const Chart& chart() const { return chart_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Chart chart_;
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
    Method method() const { return method_; }
    const Chart& chart() const { return view_->chart(); }

    // Write the chart to a file; false, with the reason, when the file cannot be written.
    bool savePng(const QString& path, QString* error = nullptr) const;
    bool saveSvg(const QString& path, QString* error = nullptr) const;
    void copyImage() const;

private:
    void askAndSave(bool svg);

    ChartView* view_;
    Method method_ = Method::Unified;
};

} // namespace classifier
