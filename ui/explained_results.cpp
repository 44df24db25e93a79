#include "explained_results.h"

#include "classifier_form.h"
#include "qt_text.h"
#include "ui_texts.h"

#include "core/other_rules.h"
#include "core/persian_letters.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <type_traits>

namespace classifier {
namespace {

std::size_t indexOf(Method method) {
    return method == Method::Unified ? 0 : 1;
}

constexpr std::string_view kDash = " \u2014 ";

// The first line, said when the standards' rules answered or when the window's answer is not
// theirs.
std::string answeredBy(Method method, Rules rules, bool differs) {
    if (rules == Rules::Window && !differs) {
        return {};
    }
    if (rules == Rules::Window) {
        return toStdString(texts::answerByWindowRules());
    }
    return toStdString(method == Method::Unified ? texts::answerByUnifiedStandard()
                                                 : texts::answerByAashtoStandard());
}

template <class Result>
std::string otherAnswer(const Result& result, const Result& other, const NumberFormat& format) {
    std::string text;
    if constexpr (std::is_same_v<Result, UnifiedResult>) {
        text = answerText(other, Language::Persian);
    } else {
        text = answerText(other, Language::Persian, format);
    }
    if (const auto why = whyOtherwise(result, other, Language::Persian, format)) {
        text += kDash;
        text += *why;
    }
    return text;
}

} // namespace

ExplainedResults::ExplainedResults(ClassifierForm& form) : QObject(&form), form_(form) {}

void ExplainedResults::record(const UnifiedResult& result,
                              const OtherAnswer<UnifiedResult>& other) {
    const NumberFormat format = form_.numberFormat();
    PanelReport report = unifiedReport(result, inputs(Method::Unified), format);
    report.rules = rulesNote(Method::Unified, result, other, format);
    keep(Method::Unified, std::move(report), unifiedChartSample(result), result.rules);
}

void ExplainedResults::record(const AashtoResult& result, const OtherAnswer<AashtoResult>& other) {
    const NumberFormat format = form_.numberFormat();
    const AashtoPanel& panel = form_.panels().aashto;
    const AashtoCaptions captions = {toStdString(panel.soilType->accessibleName()),
                                     toStdString(panel.groupIndex->accessibleName())};
    PanelReport report = aashtoReport(result, inputs(Method::Aashto), captions, format);
    report.rules = rulesNote(Method::Aashto, result, other, format);
    keep(Method::Aashto, std::move(report), aashtoChartSample(result), result.rules);
}

// Which rules gave the answer and, where the other rule set answers otherwise, its answer.
template <class Result>
RulesNote ExplainedResults::rulesNote(Method method, const Result& result,
                                      const OtherAnswer<Result>& other,
                                      const NumberFormat& format) const {
    RulesNote report;
    const bool differs = !other.result || !sameAnswer(result, *other.result);
    report.answeredBy = answeredBy(method, result.rules, differs);
    if (differs) {
        report.otherAnswer = other.result ? otherAnswer(result, *other.result, format)
                                          : refusal(method, otherRules(result.rules), other.errors);
    }
    return report;
}

std::string ExplainedResults::refusal(Method method, Rules rules, const FieldErrors& errors) const {
    std::string text = refusedText(rules, Language::Persian);
    const auto caption = [&](Quantity field) {
        const QLineEdit* box = method == Method::Unified ? form_.panels().unified.box(field)
                                                         : form_.panels().aashto.box(field);
        return box ? withPersianLetters(toStdString(box->accessibleName()))
                   : std::string(symbolOf(field));
    };
    for (std::size_t i = 0; i < errors.size(); ++i) {
        const FieldError& error = errors[i];
        text += i == 0 ? kDash : say(Word::Semicolon, Language::Persian);
        text += caption(error.field);
        if (error.with) {
            text += say(Word::Comma, Language::Persian);
            text += caption(*error.with);
        }
        text += ": ";
        if (const std::optional<Word> need = wordOf(error.need)) {
            text += say(*need, Language::Persian);
            text += say(Word::Comma, Language::Persian);
        }
        text += say(wordOf(error.problem), Language::Persian);
    }
    return text;
}

void ExplainedResults::keep(Method method, PanelReport report, ChartSample sample, Rules rules) {
    const QString tooltip = toQString(tooltipHtml(report));
    const QString description = toQString(report.heading);
    for (QLineEdit* box : form_.panels().results(method)) {
        box->setToolTip(tooltip);
        box->setAccessibleDescription(description);
    }
    reports_[indexOf(method)] = std::move(report);
    samples_[indexOf(method)] = std::move(sample);
    rules_[indexOf(method)] = rules;
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

Rules ExplainedResults::rules(Method method) const {
    return rules_[indexOf(method)];
}

} // namespace classifier
