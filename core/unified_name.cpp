#include "unified_name.h"

#include "soil_words.h"
#include "unified.h"

#include <cctype>
#include <cmath>

namespace classifier {
namespace {

using words::kClay;
using words::kGravel;
using words::kSand;
using words::kSilt;
constexpr Wording kWellGraded = {"خوب دانه\u200Cبندی\u200Cشده", "well-graded"};
constexpr Wording kPoorlyGraded = {"بد دانه\u200Cبندی\u200Cشده", "poorly graded"};
constexpr Wording kSilty = {"لای\u200Cدار", "silty"};
constexpr Wording kClayey = {"رس\u200Cدار", "clayey"};
constexpr Wording kSandy = {"ماسه\u200Cای", "sandy"};
constexpr Wording kGravelly = {"شنی", "gravelly"};
// Persian names a fine soil's plasticity after the noun; English has a name for each.
constexpr std::string_view kLowPlasticity = "با خاصیت خمیری کم";
constexpr std::string_view kHighPlasticity = "با خاصیت خمیری زیاد";
constexpr std::string_view kLeanClay = "lean clay";
constexpr std::string_view kFatClay = "fat clay";
constexpr std::string_view kElasticSilt = "elastic silt";
constexpr Wording kWith = {"همراه با", "with"};
constexpr Wording kAnd = {"و", "and"};

// A fraction this large or larger is named in the qualifiers.
constexpr double kNamedFraction = 15;
// Coarse parts below this leave a fine soil its base name; up to kCoarsePrefix, they add
// "with sand" or "with gravel"; from there on, "sandy" or "gravelly".
constexpr double kCoarseQualifier = 15;
constexpr double kCoarsePrefix = 30;

double withoutNoise(double percent) {
    return std::round(percent * 1e9) / 1e9;
}

// A name built word by word: English puts adjectives before the noun, Persian after it.
class Name {
public:
    explicit Name(Language language) : language_(language) {}

    void add(Wording word) { add(word.in(language_)); }
    void add(std::string_view word) {
        if (!text_.empty()) {
            text_ += ' ';
        }
        text_ += word;
    }
    std::string take() {
        if (language_ == Language::English && !text_.empty()) {
            text_[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text_[0])));
        }
        return std::move(text_);
    }
    bool persian() const { return language_ == Language::Persian; }

private:
    Language language_;
    std::string text_;
};

// English: "sandy lean clay"; Persian: the noun, its adjective, then the plasticity.
void fineBase(Name& name, const UnifiedSymbol& s, const Wording* adjective) {
    const bool clay = s.type == 'C';
    const bool high = s.second == 'H';
    if (name.persian()) {
        name.add(clay ? kClay : kSilt);
        if (adjective) {
            name.add(*adjective);
        }
        name.add(high ? kHighPlasticity : kLowPlasticity);
        return;
    }
    if (adjective) {
        name.add(*adjective);
    }
    if (clay) {
        name.add(high ? kFatClay : kLeanClay);
    } else {
        name.add(high ? kElasticSilt : kSilt.english);
    }
}

std::string fineName(const UnifiedSymbol& s, const SoilFractions& f, Language language) {
    Name name(language);
    const double coarse = withoutNoise(f.coarse());
    const bool sandier = f.sand >= f.gravel;
    if (coarse < kCoarseQualifier) {
        fineBase(name, s, nullptr);
    } else if (coarse < kCoarsePrefix) {
        fineBase(name, s, nullptr);
        name.add(kWith);
        name.add(sandier ? kSand : kGravel);
    } else {
        fineBase(name, s, sandier ? &kSandy : &kGravelly);
        const double other = sandier ? f.gravel : f.sand;
        if (other >= kNamedFraction) {
            name.add(kWith);
            name.add(sandier ? kGravel : kSand);
        }
    }
    return name.take();
}

Wording adjectiveOf(char letter) {
    switch (letter) {
    case 'W':
        return kWellGraded;
    case 'P':
        return kPoorlyGraded;
    case 'M':
        return kSilty;
    default:
        return kClayey;
    }
}

std::string coarseName(const UnifiedSymbol& s, const SoilFractions& f, Language language) {
    Name name(language);
    const bool gravel = s.type == kGravelLetter;
    const Wording noun = gravel ? kGravel : kSand;
    // The dual form is named by its grading; its fines letter becomes "with silt/clay".
    const Wording adjective = adjectiveOf(s.gradation ? *s.gradation : s.second);
    if (!name.persian()) {
        name.add(adjective);
    }
    name.add(noun);
    if (name.persian()) {
        name.add(adjective);
    }
    bool with = false;
    if (s.gradation) {
        name.add(kWith);
        name.add(s.second == 'C' ? kClay : kSilt);
        with = true;
    }
    if ((gravel ? f.sand : f.gravel) >= kNamedFraction) {
        name.add(with ? kAnd : kWith);
        name.add(gravel ? kSand : kGravel);
    }
    return name.take();
}

} // namespace

SoilFractions fractionsOf(const UnifiedSample& sample) {
    return {withoutNoise(100 - sample.passingNo4), withoutNoise(sample.passingNo4 - sample.fines),
            sample.fines};
}

std::string groupName(const UnifiedSymbol& symbol, const SoilFractions& fractions,
                      Language language) {
    const bool fine = symbol.type == 'C' || symbol.type == 'M';
    return fine ? fineName(symbol, fractions, language) : coarseName(symbol, fractions, language);
}

} // namespace classifier
