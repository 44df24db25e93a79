#pragma once

// The lines of the plasticity chart that the Unified rules compare a sample with: the A-line
// PI = 0.73 (LL − 20), the liquid limit that parts L from H, the plasticity index a coarse
// soil's fines must pass to be clay, and the lower edge of the standard's CL-ML band, which runs
// from there up to PI 7 on or above the A-line.
namespace classifier {

inline constexpr double kALineSlope = 0.73;
inline constexpr double kALineStart = 20;
inline constexpr double kHighLiquidLimit = 50;
inline constexpr double kClayeyFinesPlasticity = 7;
inline constexpr double kSiltyClayPlasticity = 4;

} // namespace classifier
