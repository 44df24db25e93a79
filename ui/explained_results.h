#pragma once

#include "panels.h"
#include "result_report.h"

#include "core/chart/chart.h"
#include "core/validation.h"

#include <QObject>
#include <array>
#include <optional>

namespace classifier {

class ClassifierForm;

// The other rule set's answer to the same boxes: its result, or the errors it refuses them with.
template <class Result> struct OtherAnswer {
    std::optional<Result> result;
    FieldErrors errors;
};

// The last result of each method panel, explained: the reason on its result boxes as a tooltip
// and an accessible description, and ready to be copied or drawn on the chart. Where the other
// rule set answers otherwise, the reason says so and why.
class ExplainedResults : public QObject {
    Q_OBJECT
public:
    explicit ExplainedResults(ClassifierForm& form);

    void record(const UnifiedResult& result, const OtherAnswer<UnifiedResult>& other = {});
    void record(const AashtoResult& result, const OtherAnswer<AashtoResult>& other = {});

    // The method panel that shows, if any.
    std::optional<Method> shownPanel() const;
    bool hasResult(Method method) const;
    // Puts the panel's last result on the clipboard; nothing before its first calculation.
    void copy(Method method, bool withExplanation) const;
    std::optional<std::string> copiedText(Method method, bool withExplanation) const;
    // The panel's last sample as the chart draws it, and the rules that placed it.
    std::optional<ChartSample> chartSample(Method method) const;
    Rules rules(Method method) const;

signals:
    void recorded(classifier::Method method);

private:
    void keep(Method method, PanelReport report, ChartSample sample, Rules rules);
    std::vector<CaptionedText> inputs(Method method) const;
    // "not classified — <box>: <problem>", the boxes by their captions.
    template <class Result>
    RulesNote rulesNote(Method method, const Result& result, const OtherAnswer<Result>& other,
                        const NumberFormat& format) const;
    std::string refusal(Method method, Rules rules, const FieldErrors& errors) const;

    ClassifierForm& form_;
    std::array<std::optional<PanelReport>, 2> reports_;
    std::array<std::optional<ChartSample>, 2> samples_;
    std::array<Rules, 2> rules_ = {Rules::Window, Rules::Window};
};

} // namespace classifier
