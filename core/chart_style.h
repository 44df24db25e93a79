#pragma once

#include "chart.h"

#include <cstdint>
#include <string_view>

// How the charts look, shared by every renderer so that a saved picture and the window agree.
namespace classifier::chart_style {

inline constexpr std::uint32_t kBackground = 0xFFFFFF;
inline constexpr std::uint32_t kInk = 0x202020;
inline constexpr std::uint32_t kGrid = 0xE0E0E0;
inline constexpr std::uint32_t kSample = 0xC00000;
inline constexpr std::uint32_t kDashedLine = 0x606060;
inline constexpr double kTitleSize = 16;
inline constexpr double kTextSize = 12;
inline constexpr double kZoneLabelSize = 14;
inline constexpr double kSampleRadius = 4.5;
inline constexpr std::string_view kFontFamilies =
    "Vazirmatn, 'Noto Sans Arabic UI', 'Noto Sans', Tahoma, 'DejaVu Sans', sans-serif";

} // namespace classifier::chart_style
