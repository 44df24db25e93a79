#pragma once

#include "core/controls.h"

#include <map>
#include <string>
#include <vector>

namespace classifier::test {

// A window without a toolkit: the classify commands' controls with their design-time texts,
// and a log of everything the commands do to them.
class FakeWindow : public Controls {
public:
    FakeWindow() {
        const std::string dashes23(23, '-');
        texts_ = {
            {"Text1", "34"},
            {"Text2", "98"},
            {"Text3", "38"},
            {"Text4", "26"},
            {"Text6", "1.06"},
            {"Text7", "23.5"},
            {"Text5", dashes23},
            {"Label6", ""},
            {"Label7", ""},
            {"Label10", ""},
            {"E3", "36"},
            {"e4", "30"},
            {"e5", "10"},
            {"e6", "51"},
            {"e7", "9"},
            {"Text8", dashes23},
            {"Text9", std::string(32, '-')},
            {"Text10", dashes23},
            {"Text11", dashes23},
        };
        visible_ = {{"Label20", false}, {"Label21", false}};
    }

    std::string text(std::string_view control) const override {
        const auto found = texts_.find(std::string(control));
        return found == texts_.end() ? std::string() : found->second;
    }
    void setText(std::string_view control, std::string_view text) override {
        writes.push_back(std::string(control) + "=" + std::string(text));
        texts_[std::string(control)] = std::string(text);
    }
    void setVisible(std::string_view control, bool visible) override {
        writes.push_back(std::string(control) + (visible ? " shown" : " hidden"));
        visible_[std::string(control)] = visible;
    }
    void showMessage(std::string_view prompt, int style) override {
        messages.emplace_back(prompt);
        styles.push_back(style);
    }
    void openAddress(std::string_view address) override { addresses.emplace_back(address); }
    void endProgram() override { ended = true; }
    NumberFormat numberFormat() const override { return format; }

    bool isVisible(const std::string& control) const { return visible_.at(control); }
    void type(const std::string& control, std::string text) { texts_[control] = std::move(text); }
    // Everything a command may change, to compare the window before and after a click.
    std::pair<std::map<std::string, std::string>, std::map<std::string, bool>> state() const {
        return {texts_, visible_};
    }

    NumberFormat format;
    std::vector<std::string> writes;
    std::vector<std::string> messages;
    std::vector<int> styles;
    std::vector<std::string> addresses;
    bool ended = false;

private:
    std::map<std::string, std::string> texts_;
    std::map<std::string, bool> visible_;
};

} // namespace classifier::test
