#pragma once

#include "core/aashto.h"
#include "core/unified.h"

#include <string>
#include <vector>

// The texts in which the window hands out a result: its tooltip and what it copies.
namespace classifier {

// A box of the panel by its caption, and the text it held when the result was written.
struct CaptionedText {
    std::string caption; // the label beside the box, without its colon and padding
    std::string text;
};

// Which rules gave a panel's answer, and what the other rule set answers where it differs, and
// why; both empty for an answer of the window's rules that the standards share.
struct RulesNote {
    std::string answeredBy;
    std::string otherAnswer;
};

// What a panel's last calculation gave, with the inputs it was given.
struct PanelReport {
    std::string heading;                // the Persian name and the symbol or group
    std::vector<CaptionedText> results; // result boxes beyond the heading
    std::vector<std::string> notes;
    std::vector<CaptionedText> inputs;
    std::vector<std::string> path; // the decision path in Persian
    RulesNote rules = {};
};

PanelReport unifiedReport(const UnifiedResult& result, std::vector<CaptionedText> inputs,
                          const NumberFormat& format);
// The captions of the AASHTO result boxes the heading does not speak for.
struct AashtoCaptions {
    std::string soilType;
    std::string groupIndex;
};
PanelReport aashtoReport(const AashtoResult& result, std::vector<CaptionedText> inputs,
                         const AashtoCaptions& captions, const NumberFormat& format);

// The plain text the copy commands put on the clipboard: which rules answered, if said, the
// heading, the results and the other rule set's answer, if said, then, with the explanation, the
// inputs and the steps. Lines end in "\n".
std::string copiedText(const PanelReport& report, bool withExplanation);
// The tooltip: which rules answered, if said, the heading, the other rule set's answer, if said,
// then the steps, right to left, as HTML.
std::string tooltipHtml(const PanelReport& report);

} // namespace classifier
