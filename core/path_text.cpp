#include "path_text.h"

#include "number_text.h"

namespace classifier {
namespace {

constexpr std::string_view kRightToLeftMark = "\u200F";
constexpr std::string_view kLeftToRightIsolate = "\u2066";
constexpr std::string_view kPopDirectionalIsolate = "\u2069";

} // namespace

StepWriter::StepWriter(Language language, const NumberFormat& format)
    : language_(language), format_(format) {
    if (language_ == Language::Persian) {
        text_ = kRightToLeftMark;
    }
}

StepWriter& StepWriter::symbols(std::string_view latin) {
    if (language_ != Language::Persian) {
        text_ += latin;
        return *this;
    }
    text_ += kLeftToRightIsolate;
    text_ += latin;
    text_ += kPopDirectionalIsolate;
    return *this;
}

StepWriter& StepWriter::number(double value) {
    return symbols(formatNumber(value, format_));
}

StepWriter& StepWriter::words(Word word) {
    return words(say(word, language_));
}

StepWriter& StepWriter::words(std::string_view text) {
    text_ += text;
    return *this;
}

StepWriter& StepWriter::comparisons(std::span<const Comparison> list, Word joiner) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) {
            words(joiner);
        }
        if (list[i].quantity == Quantity::Gravel && list[i].boundKind == Bound::Sand) {
            fractions(list[i]);
        } else {
            symbols(comparisonText(list[i], format_));
        }
    }
    return *this;
}

// "in the coarse part, gravel 48 % is more than sand 3 %", or "sand 40 % is at least gravel 10 %"
StepWriter& StepWriter::fractions(const Comparison& gravelWithSand) {
    const bool gravel = gravelWithSand.holds;
    words(Word::InCoarsePart).words(gravel ? Word::Gravel : Word::Sand).words(" ");
    number(gravel ? gravelWithSand.value : gravelWithSand.bound).words(" %");
    words(gravel ? Word::IsMoreThan : Word::IsAtLeast).words(gravel ? Word::Sand : Word::Gravel);
    words(" ").number(gravel ? gravelWithSand.bound : gravelWithSand.value).words(" %");
    return words(Word::SentenceEnd);
}

StepWriter& StepWriter::verdict(Word word) {
    return verdict(say(word, language_));
}

StepWriter& StepWriter::verdict(std::string_view text) {
    text_ += ": ";
    text_ += text;
    return *this;
}

} // namespace classifier
