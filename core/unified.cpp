#include "unified.h"

#include "input_check.h"
#include "messages.h"

#include <array>

namespace classifier {
namespace {

const std::array<RangeRule, 4> kUnifiedRanges = {{
    {"Text1", 0.0, 100.0},
    {"Text2", 0.0, 100.0},
    {"Text3", 0.0, std::nullopt},
    {"Text4", 0.0, std::nullopt},
}};

bool isSandy(const UnifiedSample& s) {
    return s.passingNo4 > 50;
}

// On or above the A-line of the plasticity chart; below LL 20 every PI is above it.
bool aboveALine(const UnifiedSample& s) {
    return s.plasticityIndex >= 0.73 * (s.liquidLimit - 20);
}

// Well graded: Cc from 1 up to (not including) 3, and Cu at least 6 for sand, 4 for gravel.
bool wellGraded(const UnifiedSample& s) {
    const double leastCu = isSandy(s) ? 6.0 : 4.0;
    return *s.cc >= 1 && *s.cc < 3 && *s.cu >= leastCu;
}

UnifiedSymbol fineGrained(const UnifiedSample& s) {
    return {aboveALine(s) ? 'C' : 'M', s.liquidLimit > 50 ? 'H' : 'L', std::nullopt};
}

UnifiedSymbol coarseGrained(const UnifiedSample& s) {
    const char type = isSandy(s) ? 'S' : kGravelLetter;
    if (s.fines > 12) {
        return {type, aboveALine(s) && s.plasticityIndex > 7 ? 'C' : 'M', std::nullopt};
    }
    const char gradation = wellGraded(s) ? 'W' : 'P';
    if (s.fines <= 5) {
        return {type, gradation, std::nullopt};
    }
    return {type, aboveALine(s) ? 'C' : 'M', gradation};
}

void writeLetter(Controls& window, std::string_view label, char letter) {
    window.setText(label, std::string_view(&letter, 1));
}

} // namespace

std::string UnifiedSymbol::text() const {
    std::string symbol{type, ' ', second};
    if (gradation) {
        symbol += std::string{' ', '-', ' ', type, ' ', *gradation};
    }
    return symbol;
}

bool needsGradingTest(const UnifiedSample& sample) {
    return sample.fines <= 12;
}

std::optional<UnifiedSymbol> classifyUnified(const UnifiedSample& sample) {
    if (sample.fines > 50) {
        return fineGrained(sample);
    }
    if (needsGradingTest(sample) && (!sample.cc || !sample.cu)) {
        return std::nullopt;
    }
    return coarseGrained(sample);
}

void unifiedClassify(Controls& window) {
    const std::optional<std::vector<double>> checked = checkedInputs(window, kUnifiedRanges);
    if (!checked) {
        warn(window, kRangeMessage);
        return;
    }
    const std::vector<double>& v = *checked;
    const UnifiedSample sample{
        v[0], v[1], v[2], v[3], readNumber(window, "Text6"), readNumber(window, "Text7")};
    const std::optional<UnifiedSymbol> symbol = classifyUnified(sample);
    if (!symbol) {
        warn(window, kNumberMessage);
        return;
    }
    writeLetter(window, "Label6", symbol->type);
    writeLetter(window, "Label7", symbol->second);
    if (symbol->gradation) {
        writeLetter(window, "Label10", *symbol->gradation);
    }
    window.setText("Text5", symbol->text());
}

} // namespace classifier
