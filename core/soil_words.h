#pragma once

#include "language.h"

// The words for the parts and kinds of a soil that the names and the paths of both methods use.
namespace classifier::words {

inline constexpr Wording kGravel = {"شن", "gravel"};
inline constexpr Wording kSand = {"ماسه", "sand"};
inline constexpr Wording kSilt = {"لای", "silt"};
inline constexpr Wording kClay = {"رس", "clay"};
inline constexpr Wording kFines = {"ریزدانه", "fines"};
inline constexpr Wording kCoarseGrained = {"درشت\u200Cدانه", "coarse-grained"};
inline constexpr Wording kFineGrained = {"ریزدانه", "fine-grained"};

} // namespace classifier::words
