#include "unified_name.h"

#include "inline_vector.h"
#include "unified.h"
#include "words.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace classifier {
namespace {

// A fraction this large or larger is named in the qualifiers.
constexpr double kNamedFraction = 15;
// Coarse parts below this leave a fine soil its base name; up to kCoarsePrefix, they add
// "with sand" or "with gravel"; from there on, "sandy" or "gravelly".
constexpr double kCoarseQualifier = 15;
constexpr double kCoarsePrefix = 30;

// A percentage to nine decimals, rounded half away from zero as std::round does, without its
// library call: every classification works out its fractions.
double withoutNoise(double percent) {
    const double scaled = percent * 1e9;
    if (!(std::fabs(scaled) < 1e15)) {
        return percent; // no noise below its ninth decimal to remove
    }
    const auto whole = static_cast<std::int64_t>(scaled);
    const double part = scaled - static_cast<double>(whole); // exact
    const std::int64_t rounded = whole + (part >= 0.5 ? 1 : part <= -0.5 ? -1 : 0);
    return static_cast<double>(rounded) / 1e9;
}

// What a name says of the fractions: how much coarse soil a fine soil has, whether sand is at
// least as much as gravel, and whether the smaller coarse part is named. A coarse soil names its
// other coarse part from 15 %.
struct NameParts {
    std::uint8_t coarse = 0; // a fine soil: 0 below 15 %, 1 below 30 %, 2 from 30 %
    bool sandier = false;
    bool otherNamed = false;
};

bool fineSoil(const UnifiedSymbol& symbol) {
    return symbol.type == 'C' || symbol.type == 'M' || symbol.type == 'O';
}

NameParts partsOf(const UnifiedSymbol& s, const SoilFractions& f) {
    NameParts parts;
    if (!fineSoil(s)) {
        parts.otherNamed = (s.type == kGravelLetter ? f.sand : f.gravel) >= kNamedFraction;
        return parts;
    }
    const double coarse = withoutNoise(f.coarse());
    parts.coarse = coarse < kCoarseQualifier ? 0 : coarse < kCoarsePrefix ? 1 : 2;
    parts.sandier = f.sand >= f.gravel;
    parts.otherNamed = parts.coarse == 2 && (parts.sandier ? f.gravel : f.sand) >= kNamedFraction;
    return parts;
}

// A name built word by word: English puts adjectives before the noun, Persian after it.
class Name {
public:
    explicit Name(Language language) : language_(language) {}

    void add(Word word) { add(say(word, language_)); }
    void add(std::string_view word) {
        if (word.empty()) {
            return;
        }
        if (!text_.empty()) {
            text_ += ' ';
        }
        text_ += word;
    }
    // "with A", "with A and B", "with A, B and C"
    void addWith(std::span<const Word> parts) {
        if (parts.empty()) {
            return;
        }
        add(Word::With);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (i + 1 == parts.size() && i > 0) {
                add(Word::NameAnd);
            } else if (i > 0) {
                std::string_view comma = say(Word::Comma, language_);
                text_ += comma.substr(0, comma.find_last_not_of(' ') + 1);
            }
            add(parts[i]);
        }
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

Word fineNoun(const UnifiedSymbol& s) {
    const bool high = s.second == 'H';
    if (s.type == 'O') {
        return s.organicFines == 'C' ? Word::OrganicClay : Word::OrganicSilt;
    }
    if (s.siltyClay) {
        return Word::SiltyClayName;
    }
    if (s.type == 'C') {
        return high ? Word::FatClay : Word::LeanClay;
    }
    return high ? Word::ElasticSilt : Word::LeanSilt;
}

// English: "sandy lean clay"; Persian: the noun, its adjective, then the plasticity.
void fineBase(Name& name, const UnifiedSymbol& s, std::optional<Word> adjective) {
    const bool high = s.second == 'H';
    const Word noun = fineNoun(s);
    if (name.persian()) {
        name.add(noun);
    }
    if (adjective) {
        name.add(*adjective);
    }
    if (!name.persian()) {
        name.add(noun);
    }
    name.add(high ? Word::HighPlasticityWords : Word::LowPlasticityWords);
}

std::string fineName(const UnifiedSymbol& s, const NameParts& parts, Language language) {
    Name name(language);
    const bool sandier = parts.sandier;
    if (parts.coarse == 0) {
        fineBase(name, s, std::nullopt);
    } else if (parts.coarse == 1) {
        fineBase(name, s, std::nullopt);
        name.add(Word::With);
        name.add(sandier ? Word::Sand : Word::Gravel);
    } else {
        fineBase(name, s, sandier ? Word::Sandy : Word::Gravelly);
        if (parts.otherNamed) {
            name.add(Word::With);
            name.add(sandier ? Word::Gravel : Word::Sand);
        }
    }
    return name.take();
}

Word adjectiveOf(char letter) {
    switch (letter) {
    case 'W':
        return Word::WellGradedName;
    case 'P':
        return Word::PoorlyGradedName;
    case 'M':
        return Word::Silty;
    default:
        return Word::Clayey;
    }
}

std::string coarseName(const UnifiedSymbol& s, const NameParts& parts, Language language) {
    Name name(language);
    const bool gravel = s.type == kGravelLetter;
    const Word noun = gravel ? Word::Gravel : Word::Sand;
    // The dual form is named by its grading; its fines letter becomes "with silt/clay".
    const Word adjective = s.gradation   ? adjectiveOf(*s.gradation)
                           : s.siltyClay ? Word::SiltyClayey
                                         : adjectiveOf(s.second);
    if (!name.persian()) {
        name.add(adjective);
    }
    name.add(noun);
    if (name.persian()) {
        name.add(adjective);
    }
    InlineVector<Word, 3> with;
    if (s.gradation) {
        with.push_back(s.siltyClay       ? Word::SiltyClayName
                       : s.second == 'C' ? Word::Clay
                                         : Word::Silt);
    }
    if (parts.otherNamed) {
        with.push_back(gravel ? Word::Sand : Word::Gravel);
    }
    if (s.organicFines) {
        with.push_back(Word::OrganicFines);
    }
    name.addWith({with.begin(), with.end()});
    return name.take();
}

} // namespace

SoilFractions fractionsOf(const UnifiedSample& sample) {
    return {withoutNoise(100 - sample.passingNo4), withoutNoise(sample.passingNo4 - sample.fines),
            sample.fines};
}

std::string groupName(const UnifiedSymbol& symbol, const SoilFractions& fractions,
                      Language language) {
    const NameParts parts = partsOf(symbol, fractions);
    return fineSoil(symbol) ? fineName(symbol, parts, language)
                            : coarseName(symbol, parts, language);
}

std::uint64_t nameKey(const UnifiedSymbol& symbol, const SoilFractions& fractions) {
    const NameParts parts = partsOf(symbol, fractions);
    const auto bits = [](auto value, int shift) {
        return static_cast<std::uint64_t>(value) << shift;
    };
    return bits(static_cast<unsigned char>(symbol.type), 0) |
           bits(static_cast<unsigned char>(symbol.second), 8) |
           bits(static_cast<unsigned char>(symbol.gradation.value_or(0)), 16) |
           bits(static_cast<unsigned char>(symbol.organicFines), 24) | bits(symbol.siltyClay, 32) |
           bits(parts.coarse, 33) | bits(parts.sandier, 35) | bits(parts.otherNamed, 36);
}

} // namespace classifier
