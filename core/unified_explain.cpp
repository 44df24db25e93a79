// The Unified decision path in words.
#include "path_text.h"
#include "unified.h"

#include <array>

namespace classifier {
namespace {

// Indexed by UnifiedVerdict.
constexpr std::array<Word, 13> kVerdicts = {
    Word::CoarseGrained,
    Word::FineGrained,
    Word::Sand,
    Word::Gravel,
    Word::Clay,
    Word::Silt,
    Word::LowPlasticity,
    Word::HighPlasticity,
    Word::FinesNameTheSoil,
    Word::GradingNamesTheSoil,
    Word::DualSymbol,
    Word::WellGraded,
    Word::PoorlyGraded,
};

std::string stepText(const UnifiedStep& step, Language language, const NumberFormat& format) {
    StepWriter writer(language, format);
    writer.comparisons({step.comparisons.begin(), step.comparisons.end()}, Word::And);
    std::string verdict(say(kVerdicts[static_cast<std::size_t>(step.verdict)], language));
    if (const char letter = letterOf(step.verdict)) {
        verdict += std::string(" (") + letter + ")";
    }
    writer.verdict(verdict);
    return writer.take();
}

// "gravel 2 %, sand 64 %, fines 34 %: Clayey sand"
std::string nameText(const UnifiedResult& result, Language language, const NumberFormat& format) {
    StepWriter writer(language, format);
    const std::array<std::pair<Word, double>, 3> parts = {{
        {Word::Gravel, result.fractions.gravel},
        {Word::Sand, result.fractions.sand},
        {Word::Fines, result.fractions.fines},
    }};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            writer.words(Word::Comma);
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
