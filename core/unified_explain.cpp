// The Unified decision path in words.
#include "path_text.h"
#include "soil_words.h"
#include "unified.h"

#include <array>

namespace classifier {
namespace {

// Indexed by UnifiedVerdict.
constexpr std::array<Wording, 13> kVerdicts = {{
    words::kCoarseGrained,
    words::kFineGrained,
    words::kSand,
    words::kGravel,
    words::kClay,
    words::kSilt,
    {"خاصیت خمیری کم", "low plasticity"},
    {"خاصیت خمیری زیاد", "high plasticity"},
    {"ذرات ریز نام خاک را تعیین می\u200Cکنند", "the fines name the soil"},
    {"دانه\u200Cبندی نام خاک را تعیین می\u200Cکند", "the grading names the soil"},
    {"نماد دوگانه، با حرف ذرات ریز و حرف دانه\u200Cبندی",
     "dual symbol, with a fines letter and a grading letter"},
    {"خوب دانه\u200Cبندی\u200Cشده", "well graded"},
    {"بد دانه\u200Cبندی\u200Cشده", "poorly graded"},
}};

std::string stepText(const UnifiedStep& step, Language language, const NumberFormat& format) {
    StepWriter writer(language, format);
    writer.comparisons({step.comparisons.begin(), step.comparisons.end()}, kAnd);
    std::string verdict(kVerdicts[static_cast<std::size_t>(step.verdict)].in(language));
    if (const char letter = letterOf(step.verdict)) {
        verdict += std::string(" (") + letter + ")";
    }
    writer.verdict(verdict);
    return writer.take();
}

// "gravel 2 %, sand 64 %, fines 34 %: Clayey sand"
std::string nameText(const UnifiedResult& result, Language language, const NumberFormat& format) {
    StepWriter writer(language, format);
    const std::array<std::pair<Wording, double>, 3> parts = {{
        {words::kGravel, result.fractions.gravel},
        {words::kSand, result.fractions.sand},
        {words::kFines, result.fractions.fines},
    }};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            writer.words(kComma);
        }
        writer.words(parts[i].first).words(" ").number(parts[i].second).words(" %");
    }
    writer.verdict(result.name(language));
    return writer.take();
}

} // namespace

std::vector<std::string> explainUnified(const UnifiedResult& result, Language language,
                                        const NumberFormat& format) {
    std::vector<std::string> lines;
    for (const UnifiedStep& step : result.path) {
        lines.push_back(stepText(step, language, format));
    }
    lines.push_back(nameText(result, language, format));
    return lines;
}

} // namespace classifier
