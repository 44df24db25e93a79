#pragma once

#include "language.h"
#include "samples.h"
#include "unified_symbol.h"

#include <cstdint>
#include <string>

namespace classifier {

// The parts of the sample, in percent of the whole, that the group name speaks of.
struct SoilFractions {
    double gravel = 0; // retained on the No. 4 sieve: 100 − P4
    double sand = 0;   // between the No. 4 and No. 200 sieves: P4 − F200
    double fines = 0;  // passing the No. 200 sieve: F200

    double coarse() const { return gravel + sand; }
};

// The fractions of a sample, freed of the rounding noise of their subtraction, so that a
// typed 65.1 − 50.1 is exactly 15.
SoilFractions fractionsOf(const UnifiedSample& sample);

// The group name of a symbol: "Clayey sand", "Sandy lean clay with gravel", "Well-graded sand
// with silt and gravel".
std::string groupName(const UnifiedSymbol& symbol, const SoilFractions& fractions,
                      Language language);

// All a group name depends on, as one number: two samples with the same key have the same name
// in every language, so a face that names many samples can name each kind once.
std::uint64_t nameKey(const UnifiedSymbol& symbol, const SoilFractions& fractions);

} // namespace classifier
