#pragma once

#include "core/controls.h"

namespace classifier {

class ClassifierForm;

// The window's controls as the classify commands, the panel commands and the banner see them.
class FormControls : public Controls {
public:
    explicit FormControls(ClassifierForm& form) : form_(form) {}

    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void setVisible(std::string_view control, bool visible) override;
    // A modal box with the application title; style is a message-box style number (48: warning).
    void showMessage(std::string_view prompt, int style) override;
    // Hands the address to the desktop's default browser and returns at once; says so in a
    // warning box when no browser can be started.
    void openAddress(std::string_view address) override;
    void endProgram() override;
    NumberFormat numberFormat() const override;
    void resultWritten(const UnifiedResult& result) override;
    void resultWritten(const AashtoResult& result) override;

private:
    ClassifierForm& form_;
};

} // namespace classifier
