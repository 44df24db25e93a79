#pragma once

#include "core/controls.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A window without a screen: remembers texts, records visibility settings and Exit.
class RecordingWindow : public classifier::Controls {
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::vector<std::pair<std::string, bool>> visibilityCalls;
    int endCalls = 0;

    std::string text(std::string_view control) const override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(std::string_view control, std::string_view text) override {
        texts[std::string(control)] = std::string(text);
    }
    void setVisible(std::string_view control, bool visible) override {
        visibilityCalls.emplace_back(std::string(control), visible);
    }
    void showMessage(std::string_view, int) override {}
    void openAddress(std::string_view) override {}
    void endProgram() override { ++endCalls; }
};
