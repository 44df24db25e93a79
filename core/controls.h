#pragma once

#include <string>
#include <string_view>

namespace classifier {

struct UnifiedResult;
struct AashtoResult;

// The user's locale, as the window reports it.
struct NumberFormat {
    std::string decimalPoint = ".";
    std::string groupSeparator = ",";
};

// The window's controls, found by name. All texts are UTF-8.
class Controls {
public:
    virtual ~Controls() = default;
    // Text of a box, caption of a label or button.
    virtual std::string text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, std::string_view text) = 0;
    virtual void setVisible(std::string_view control, bool visible) = 0;
    // Modal warning box bearing the application title; returns when the user closes it.
    virtual void showMessage(std::string_view prompt, int style) = 0;
    // Opens the address in the default browser, without waiting.
    virtual void openAddress(std::string_view address) = 0;
    virtual void endProgram() = 0;
    virtual NumberFormat numberFormat() const { return {}; }
    // The result a classify command has just written into the controls, for a window that
    // explains it.
    virtual void resultWritten(const UnifiedResult& /*result*/) {}
    virtual void resultWritten(const AashtoResult& /*result*/) {}
};

} // namespace classifier
