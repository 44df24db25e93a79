#include "other_rules.h"

#include "path_text.h"

#include <cctype>

namespace classifier {
namespace {

using V = UnifiedVerdict;

// The question a step of the Unified path answers; the two rule sets answer the same questions,
// in the same order, where they both ask them.
enum class Question { Size, Kind, FinesAmount, Organic, Fines, Plasticity, Grading };

Question questionOf(UnifiedVerdict verdict) {
    switch (verdict) {
    case V::CoarseGrained:
    case V::FineGrained:
        return Question::Size;
    case V::Sand:
    case V::Gravel:
        return Question::Kind;
    case V::FinesNameTheSoil:
    case V::GradingNamesTheSoil:
    case V::DualSymbol:
        return Question::FinesAmount;
    case V::Organic:
    case V::OrganicByLab:
    case V::OrganicFines:
    case V::OrganicFinesByLab:
    case V::Inorganic:
    case V::InorganicByLab:
        return Question::Organic;
    case V::Clay:
    case V::Silt:
    case V::SiltyClay:
    case V::NonPlasticSilt:
        return Question::Fines;
    case V::LowPlasticity:
    case V::HighPlasticity:
        return Question::Plasticity;
    case V::WellGraded:
    case V::PoorlyGraded:
        break;
    }
    return Question::Grading;
}

// The same outcome: a non-plastic silt is a silt.
bool sameOutcome(UnifiedVerdict one, UnifiedVerdict other) {
    const auto plain = [](UnifiedVerdict v) { return v == V::NonPlasticSilt ? V::Silt : v; };
    return plain(one) == plain(other);
}

bool organic(UnifiedVerdict verdict) {
    return verdict == V::Organic || verdict == V::OrganicByLab || verdict == V::OrganicFines ||
           verdict == V::OrganicFinesByLab;
}

std::string prefixed(Rules rules, Language language) {
    return std::string(
               say(rules == Rules::Standard ? Word::ByStandard : Word::ByWindowRules, language)) +
           ": ";
}

} // namespace

bool sameAnswer(const UnifiedResult& one, const UnifiedResult& other) {
    return one.symbol.sameGroup(other.symbol);
}

bool sameAnswer(const AashtoResult& one, const AashtoResult& other) {
    const AashtoGroup* a = one.group();
    const AashtoGroup* b = other.group();
    if (!a || !b) {
        return !a && !b;
    }
    return a->name == b->name &&
           wholeGroupIndex(one.shownIndex()) == wholeGroupIndex(other.shownIndex());
}

std::string answerText(const UnifiedResult& result, Language language) {
    StepWriter writer(language, {});
    writer.words(prefixed(result.rules, language)).symbols(result.symbol.compactText());
    std::string name = result.name(language);
    if (language == Language::English && !name.empty()) {
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    }
    return writer.words(Word::Comma).words(name).take();
}

std::string answerText(const AashtoResult& result, Language language, const NumberFormat& format) {
    StepWriter writer(language, format);
    writer.words(prefixed(result.rules, language));
    if (result.group()) {
        return writer.symbols(designation(result, format)).take();
    }
    return writer.words(Word::NoGroup).take();
}

std::string refusedText(Rules rules, Language language) {
    return StepWriter(language, {})
        .words(prefixed(rules, language))
        .words(Word::NotClassified)
        .take();
}

std::optional<std::string> whyOtherwise(const UnifiedResult& one, const UnifiedResult& other,
                                        Language language, const NumberFormat& format) {
    if (sameAnswer(one, other)) {
        return std::nullopt;
    }
    for (const UnifiedStep& step : other.path) {
        const Question question = questionOf(step.verdict);
        const UnifiedStep* mine = nullptr;
        for (const UnifiedStep& candidate : one.path) {
            if (questionOf(candidate.verdict) == question) {
                mine = &candidate;
                break;
            }
        }
        const bool differs =
            mine ? !sameOutcome(mine->verdict, step.verdict) : organic(step.verdict);
        if (differs) {
            return stepText(other, step, language, format);
        }
    }
    return std::nullopt;
}

std::optional<std::string> whyOtherwise(const AashtoResult& one, const AashtoResult& other,
                                        Language language, const NumberFormat& format) {
    if (sameAnswer(one, other)) {
        return std::nullopt;
    }
    const AashtoGroup* a = one.group();
    const AashtoGroup* b = other.group();
    if (!a || !b || a->name != b->name) {
        return groupLine(other, language, format);
    }
    return indexLine(other, language, format);
}

} // namespace classifier
