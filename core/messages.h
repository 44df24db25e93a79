#pragma once

#include <string_view>

namespace classifier {

// Style of the warning box: exclamation icon and a single OK button.
inline constexpr int kWarningStyle = 48;

// "The percentage passing must lie between 0 and 100; please correct the value."
inline constexpr std::string_view kRangeMessage =
    " مقدار درصد عبوري بايد بين 0 تا 100 باشد . لطفا مقدار را اصلاح كنيد ";

// "The value entered is not a valid number; please correct the value."
inline constexpr std::string_view kNumberMessage =
    " مقدار وارد شده عدد معتبري نيست . لطفا مقدار را اصلاح كنيد ";

// The notes on the group index beside the AASHTO results.
// "The group index of this kind of soil is zero."
inline constexpr std::string_view kZeroIndexNote = "نشانه گروه اين نوع خاك برابر صفر است .";
// "The group index came out negative; it is taken as zero."
inline constexpr std::string_view kNegativeIndexNote = "نشانه گروه منفي شد برابر صفر مي شود .";

} // namespace classifier
