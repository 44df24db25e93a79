#pragma once

#include "catalogue.h"

#include <array>
#include <vector>

// The two method panels as the control table makes them up: their input boxes, result boxes
// and Calculate button.
namespace classifier {

enum class Method { Unified, Aashto };
inline constexpr std::array<Method, 2> kMethods = {Method::Unified, Method::Aashto};

// In the order of the control table, top to bottom.
std::vector<const ControlRow*> inputBoxes(Method method);
std::vector<const ControlRow*> resultBoxes(Method method);
// Shown only with its panel.
const ControlRow& calculateButton(Method method);
const ControlRow& controlRow(std::string_view name);

} // namespace classifier
