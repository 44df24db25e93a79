// The Unified decision path in words.
#include "path_text.h"
#include "unified.h"

#include <array>

namespace classifier {
namespace {

using V = UnifiedVerdict;

// Indexed by UnifiedVerdict.
constexpr std::array<Word, 21> kVerdicts = {
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
    Word::SiltyClayName,
    Word::Silt,
    Word::OrganicVerdict,
    Word::OrganicByLab,
    Word::OrganicFines,
    Word::OrganicByLab,
    Word::Inorganic,
    Word::InorganicByLab,
};
static_assert(kVerdicts.size() == static_cast<std::size_t>(V::InorganicByLab) + 1);

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

std::string stepText(const UnifiedResult& result, const UnifiedStep& step, Language language,
                     const NumberFormat& format) {
    StepWriter writer(language, format);
    if (step.verdict == V::NonPlasticSilt) {
        writer.words(Word::NonPlastic);
        if (!result.sample.liquidLimitGiven) {
            writer.words(Word::Semicolon).words(Word::LiquidLimitNotGiven);
        }
    }
    writer.comparisons({step.comparisons.begin(), step.comparisons.end()}, Word::And);
    std::string verdict(say(kVerdicts[static_cast<std::size_t>(step.verdict)], language));
    if (step.verdict == V::SiltyClay) {
        verdict += " (C-M)";
    } else if (const char letter = letterOf(step.verdict)) {
        verdict += std::string(" (") + letter + ")";
    }
    if (step.comparisons.empty() && step.verdict != V::NonPlasticSilt) {
        return writer.words(verdict).take(); // the lab's decision, which compares nothing
    }
    writer.verdict(verdict);
    return writer.take();
}

std::vector<std::string> explainUnified(const UnifiedResult& result, Language language,
                                        const NumberFormat& format) {
    std::vector<std::string> lines;
    for (const UnifiedStep& step : result.path) {
        lines.push_back(stepText(result, step, language, format));
    }
    lines.push_back(nameText(result, language, format));
    return lines;
}

} // namespace classifier
