#pragma once

#include <array>
#include <cstdint>

namespace classifier {

// The rules a result follows: the window's own, a simplification it keeps on purpose, or the
// standards' (ASTM D2487 for the Unified method, AASHTO M 145 for the AASHTO method). Every
// sample can be classified by both, so that any face can say where they differ.
enum class Rules : std::uint8_t { Window, Standard };

// How much of a result to make: with the decision path that explains it and places it on a
// chart, or its answer alone (group, symbol, name, index), which is all a face needs of the other
// rule set's result to say whether and how it differs.
enum class Detail : std::uint8_t { Path, Answer };

inline constexpr std::array<Rules, 2> kRules = {Rules::Window, Rules::Standard};

constexpr Rules otherRules(Rules rules) {
    return rules == Rules::Window ? Rules::Standard : Rules::Window;
}

} // namespace classifier
