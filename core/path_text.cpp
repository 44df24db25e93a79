#include "path_text.h"

#include "number_text.h"

namespace classifier {
namespace {

constexpr std::string_view kRightToLeftMark = "\u200F";
constexpr std::string_view kLeftToRightMark = "\u200E";

} // namespace

StepWriter::StepWriter(Language language, const NumberFormat& format)
    : language_(language), format_(format) {
    if (language_ == Language::Persian) {
        text_ = kRightToLeftMark;
    }
}

StepWriter& StepWriter::symbols(std::string_view latin) {
    text_ += latin;
    if (language_ == Language::Persian) {
        text_ += kLeftToRightMark;
    }
    return *this;
}

StepWriter& StepWriter::number(double value) {
    if (language_ == Language::Persian) {
        text_ += kLeftToRightMark; // keeps a minus sign before its digits
    }
    text_ += formatNumber(value, format_);
    return *this;
}

StepWriter& StepWriter::words(Wording wording) {
    return words(wording.in(language_));
}

StepWriter& StepWriter::words(std::string_view text) {
    text_ += text;
    return *this;
}

StepWriter& StepWriter::comparisons(std::span<const Comparison> list, Wording joiner) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) {
            words(joiner);
        }
        symbols(comparisonText(list[i], format_));
    }
    return *this;
}

StepWriter& StepWriter::verdict(Wording wording) {
    return verdict(wording.in(language_));
}

StepWriter& StepWriter::verdict(std::string_view text) {
    text_ += ": ";
    text_ += text;
    return *this;
}

} // namespace classifier
