#include "result_report.h"

#include "window_texts.h"

#include "core/markup.h"
#include "core/number_text.h"
#include "core/persian_letters.h"

namespace classifier {
namespace {

constexpr std::string_view kRightToLeftMark = "\u200F";

// A box by its caption, which the window writes with its own letters.
std::string line(const CaptionedText& item) {
    return std::string(kRightToLeftMark) + withPersianLetters(item.caption) + ": " + item.text +
           "\n";
}

} // namespace

PanelReport unifiedReport(const UnifiedResult& result, std::vector<CaptionedText> inputs,
                          const NumberFormat& format) {
    return {result.name(Language::Persian) + " (" + result.symbol.text() + ")",
            {},
            {},
            std::move(inputs),
            explainUnified(result, Language::Persian, format)};
}

PanelReport aashtoReport(const AashtoResult& result, std::vector<CaptionedText> inputs,
                         const AashtoCaptions& captions, const NumberFormat& format) {
    const AashtoGroup* group = result.group();
    std::string heading = group ? std::string(materialText(*group, Language::Persian)) + " (" +
                                      std::string(groupCaption(group->name)) + ")"
                                : std::string(say(Word::NoGroup, Language::Persian));
    std::vector<CaptionedText> results = {
        {captions.soilType, std::string(soilTypeText(result, Language::Persian))},
        {captions.groupIndex, formatNumber(result.shownIndex(), format)},
    };
    std::vector<std::string> notes;
    for (const std::string_view note : noteTexts(result, Language::Persian)) {
        notes.emplace_back(note);
    }
    return {std::move(heading), std::move(results), std::move(notes), std::move(inputs),
            explainAashto(result, Language::Persian, format)};
}

std::string copiedText(const PanelReport& report, bool withExplanation) {
    std::string text;
    if (!report.rules.answeredBy.empty()) {
        text += std::string(kRightToLeftMark) + report.rules.answeredBy + "\n";
    }
    text += std::string(kRightToLeftMark) + report.heading + "\n";
    for (const CaptionedText& result : report.results) {
        text += line(result);
    }
    for (const std::string& note : report.notes) {
        text += std::string(kRightToLeftMark) + note + "\n";
    }
    if (!report.rules.otherAnswer.empty()) {
        text += std::string(kRightToLeftMark) + report.rules.otherAnswer + "\n";
    }
    if (!withExplanation) {
        return text;
    }
    text += "\n";
    for (const CaptionedText& input : report.inputs) {
        text += line(input);
    }
    text += "\n";
    for (const std::string& step : report.path) {
        text += step + "\n";
    }
    return text;
}

std::string tooltipHtml(const PanelReport& report) {
    std::string text = "<div dir=\"rtl\" style=\"white-space:nowrap\">";
    if (!report.rules.answeredBy.empty()) {
        text += escapedMarkup(report.rules.answeredBy) + "<br>";
    }
    text += "<b>" + escapedMarkup(report.heading) + "</b>";
    if (!report.rules.otherAnswer.empty()) {
        text += "<br><i>" + escapedMarkup(report.rules.otherAnswer) + "</i>";
    }
    for (const std::string& step : report.path) {
        text += "<br>" + escapedMarkup(step);
    }
    return text + "</div>";
}

} // namespace classifier
