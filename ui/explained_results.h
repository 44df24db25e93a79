#pragma once

#include "panels.h"
#include "result_report.h"

#include "core/chart/chart.h"

#include <QObject>
#include <array>
#include <optional>

namespace classifier {

class ClassifierForm;

// The last result of each method panel, explained: the reason on its result boxes as a tooltip
// and an accessible description, and ready to be copied or drawn on the chart.
class ExplainedResults : public QObject {
    Q_OBJECT
public:
    explicit ExplainedResults(ClassifierForm& form);

    void record(const UnifiedResult& result);
    void record(const AashtoResult& result);

    // The method panel that shows, if any.
    std::optional<Method> shownPanel() const;
    bool hasResult(Method method) const;
    // Puts the panel's last result on the clipboard; nothing before its first calculation.
    void copy(Method method, bool withExplanation) const;
    std::optional<std::string> copiedText(Method method, bool withExplanation) const;
    // The panel's last sample as the chart draws it.
    std::optional<ChartSample> chartSample(Method method) const;

signals:
    void recorded(classifier::Method method);

private:
    void keep(Method method, PanelReport report, ChartSample sample);
    std::vector<CaptionedText> inputs(Method method) const;

    ClassifierForm& form_;
    std::array<std::optional<PanelReport>, 2> reports_;
    std::array<std::optional<ChartSample>, 2> samples_;
};

} // namespace classifier
