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

} // namespace classifier
