#pragma once

// The lines of the plasticity chart that the Unified rules compare a sample with: the A-line
// PI = 0.73 (LL − 20), the liquid limit that parts L from H, and the plasticity index a coarse
// soil's fines must pass to be clay.
namespace classifier {

inline constexpr double kALineSlope = 0.73;
inline constexpr double kALineStart = 20;
inline constexpr double kHighLiquidLimit = 50;
inline constexpr double kClayeyFinesPlasticity = 7;

} // namespace classifier
