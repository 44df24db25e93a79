#include "explained_results.h"

#include "classifier_form.h"
#include "core/controls.h"
#include "qt_text.h"

#include <QApplication>
#include <QClipboard>

namespace classifier {
namespace {

std::size_t indexOf(Method method) {
    return method == Method::Unified ? 0 : 1;
}

} // namespace

ExplainedResults::ExplainedResults(ClassifierForm& form) : QObject(&form), form_(form) {}

void ExplainedResults::record(const UnifiedResult& result) {
    const MethodPanel& panel = methodPanel(Method::Unified);
    keep(Method::Unified,
         unifiedReport(result, captioned(panel.inputs), form_.controls().numberFormat()),
         unifiedChartSample(result));
}

void ExplainedResults::record(const AashtoResult& result) {
    const MethodPanel& panel = methodPanel(Method::Aashto);
    // The heading names the group and its material; the soil type and index follow it.
    keep(Method::Aashto,
         aashtoReport(result, captioned(panel.inputs), captioned(panel.results.subspan(2)),
                      form_.controls().numberFormat()),
         aashtoChartSample(result));
}

void ExplainedResults::keep(Method method, PanelReport report, ChartSample sample) {
    const QString tooltip = toQString(tooltipHtml(report));
    const QString description = toQString(report.heading);
    for (const CaptionedBox& result : methodPanel(method).results) {
        QWidget* box = form_.control(result.box);
        box->setToolTip(tooltip);
        box->setAccessibleDescription(description);
    }
    reports_[indexOf(method)] = std::move(report);
    samples_[indexOf(method)] = std::move(sample);
    emit recorded(method);
}

std::vector<CaptionedText> ExplainedResults::captioned(std::span<const CaptionedBox> boxes) const {
    std::vector<CaptionedText> texts;
    Controls& controls = form_.controls();
    for (const CaptionedBox& item : boxes) {
        texts.push_back({bareCaption(controls.text(item.caption)), controls.text(item.box)});
    }
    return texts;
}

std::optional<Method> ExplainedResults::shownPanel() const {
    for (const Method method : kMethods) {
        if (!form_.control(methodPanel(method).calculate)->isHidden()) {
            return method;
        }
    }
    return std::nullopt;
}

bool ExplainedResults::hasResult(Method method) const {
    return reports_[indexOf(method)].has_value();
}

std::optional<std::string> ExplainedResults::copiedText(Method method, bool withExplanation) const {
    const auto& report = reports_[indexOf(method)];
    if (!report) {
        return std::nullopt;
    }
    return classifier::copiedText(*report, withExplanation);
}

void ExplainedResults::copy(Method method, bool withExplanation) const {
    if (const auto text = copiedText(method, withExplanation)) {
        QApplication::clipboard()->setText(toQString(*text));
    }
}

std::optional<ChartSample> ExplainedResults::chartSample(Method method) const {
    return samples_[indexOf(method)];
}

} // namespace classifier
