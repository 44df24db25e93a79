#pragma once

#include "controls.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace classifier {

// One box of the input check and the values it accepts; bounds are inclusive.
struct RangeRule {
    std::string_view box;
    double lowest;
    std::optional<double> highest;
};

// The number in a box, or nothing when its text is not a number.
std::optional<double> readNumber(const Controls& window, std::string_view box);

// The numbers in the rules' boxes, in order, when every box holds a number within its bounds;
// nothing otherwise.
std::optional<std::vector<double>> checkedInputs(const Controls& window,
                                                 std::span<const RangeRule> rules);

// Shows one of the warning texts in the modal warning box.
void warn(Controls& window, std::string_view message);

} // namespace classifier
