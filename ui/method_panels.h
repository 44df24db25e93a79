#pragma once

#include <array>
#include <span>
#include <string_view>

// The two method panels: which boxes hold a calculation's inputs and results.
namespace classifier {

enum class Method { Unified, Aashto };

// An input or result box with the label that captions it.
struct CaptionedBox {
    std::string_view box;
    std::string_view caption;
};

struct MethodPanel {
    Method method;
    std::string_view calculate; // the panel's Calculate button; shown only with its panel
    std::span<const CaptionedBox> inputs;
    std::span<const CaptionedBox> results; // the first result box holds the main answer
};

const MethodPanel& methodPanel(Method method);
inline constexpr std::array<Method, 2> kMethods = {Method::Unified, Method::Aashto};

} // namespace classifier
