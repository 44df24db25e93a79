#pragma once

#include "core/aashto.h"

#include <string>
#include <string_view>

// The window's own texts, exactly as its design writes them: with the Arabic letters yeh
// (U+064A) and kaf (U+0643), and their blanks.
namespace classifier {

// "The percentage passing must lie between 0 and 100; please correct the value."
inline constexpr std::string_view kRangeMessage =
    " مقدار درصد عبوري بايد بين 0 تا 100 باشد . لطفا مقدار را اصلاح كنيد ";

// "The value entered is not a valid number; please correct the value."
inline constexpr std::string_view kNumberMessage =
    " مقدار وارد شده عدد معتبري نيست . لطفا مقدار را اصلاح كنيد ";

// The notes beside the AASHTO results. "The group index of this kind of soil is zero."
inline constexpr std::string_view kZeroIndexCaption = "نشانه گروه اين نوع خاك برابر صفر است .";
// "The group index came out negative; it is taken as zero."
inline constexpr std::string_view kNegativeIndexCaption = "نشانه گروه منفي شد برابر صفر مي شود .";

// What a result box shows before its first result, and what the group and material boxes go
// back to when no group takes a sample.
inline constexpr std::string_view kNoResult = "-----------------------";
inline constexpr std::string_view kNoMaterial = "--------------------------------";

// The soil type box: "coarse-grained " or "fine-grained ", each with its blank.
std::string_view soilTypeCaption(const AashtoResult& result);

// The group box and the material box: "A - 2 - 6", "ماسه و شن رس دار و لاي دار".
std::string_view groupCaption(AashtoGroupName group);
std::string_view materialCaption(AashtoGroupName group);

} // namespace classifier
