#include "explained_results.h"

#include "classifier_form.h"
#include "qt_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace classifier {
namespace {

std::size_t indexOf(Method method) {
    return method == Method::Unified ? 0 : 1;
}

} // namespace

ExplainedResults::ExplainedResults(ClassifierForm& form) : QObject(&form), form_(form) {}

void ExplainedResults::record(const UnifiedResult& result) {
    keep(Method::Unified, unifiedReport(result, inputs(Method::Unified), form_.numberFormat()),
         unifiedChartSample(result));
}

void ExplainedResults::record(const AashtoResult& result) {
    const AashtoPanel& panel = form_.panels().aashto;
    const AashtoCaptions captions = {toStdString(panel.soilType->accessibleName()),
                                     toStdString(panel.groupIndex->accessibleName())};
    keep(Method::Aashto,
         aashtoReport(result, inputs(Method::Aashto), captions, form_.numberFormat()),
         aashtoChartSample(result));
}

void ExplainedResults::keep(Method method, PanelReport report, ChartSample sample) {
    const QString tooltip = toQString(tooltipHtml(report));
    const QString description = toQString(report.heading);
    for (QLineEdit* box : form_.panels().results(method)) {
        box->setToolTip(tooltip);
        box->setAccessibleDescription(description);
    }
    reports_[indexOf(method)] = std::move(report);
    samples_[indexOf(method)] = std::move(sample);
    emit recorded(method);
}

// The input boxes by their captions, with what they held for the calculation.
std::vector<CaptionedText> ExplainedResults::inputs(Method method) const {
    std::vector<CaptionedText> texts;
    for (const QLineEdit* box : form_.panels().inputs(method)) {
        texts.push_back({toStdString(box->accessibleName()), toStdString(box->text())});
    }
    return texts;
}

std::optional<Method> ExplainedResults::shownPanel() const {
    if (!form_.panelsBuilt()) {
        return std::nullopt;
    }
    for (const Method method : kMethods) {
        if (!form_.panels().calculate(method)->isHidden()) {
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
