#include "panels.h"
#include "recording_window.h"

#include <gtest/gtest.h>

#include <set>

// Which controls each command shows and hides is checked on the real window
// (form_panels_test); here, the order of the settings and what the commands leave alone.
namespace {

using Calls = std::vector<std::pair<std::string, bool>>;

Calls run(void (*command)(classifier::Controls&)) {
    RecordingWindow window;
    command(window);
    EXPECT_EQ(window.endCalls, 0);
    EXPECT_TRUE(window.texts.empty()) << "a panel command writes no text";
    return window.visibilityCalls;
}

TEST(PanelCommands, SetEachControlOnceInTheirOrder) {
    struct Step {
        std::size_t number;
        const char* control;
        bool visible;
    };
    const struct {
        void (*command)(classifier::Controls&);
        std::size_t settings;
        std::vector<Step> steps;
    } commands[] = {
        {classifier::showUnifiedPanel,
         53,
         {{1, "Label26", false},
          {14, "Image2", false},
          {16, "Image1", false},
          {36, "Label1", true},
          {51, "KewlButtons6", false},
          {53, "Line2", false}}},
        {classifier::showAashtoPanel,
         51,
         {{9, "Label27", false},
          {31, "KewlButtons6", true},
          {43, "Line2", true},
          {51, "Text10", true}}},
        {classifier::showAboutPanel,
         53,
         {{1, "Image1", true},
          {11, "Label20", false},
          {49, "XPButton1", true},
          {50, "Label34", true},
          {53, "XPButton4", true}}},
    };
    for (const auto& command : commands) {
        const Calls calls = run(command.command);
        ASSERT_EQ(calls.size(), command.settings);
        std::set<std::string> seen;
        for (const auto& call : calls) {
            EXPECT_TRUE(seen.insert(call.first).second) << call.first << " is set twice";
        }
        for (const Step& step : command.steps) {
            EXPECT_EQ(calls[step.number - 1],
                      std::make_pair(std::string(step.control), step.visible))
                << "step " << step.number;
        }
    }
}

TEST(PanelCommands, LeaveTheAlwaysVisibleControlsAndTheLetterSlotsAlone) {
    const std::set<std::string> untouched{
        "KewlButtons1", "KewlButtons2", "KewlButtons3", "KewlButtons4", "Label100", "LAnimation",
        "XPPanel1",     "Shape1",       "Label6",       "Label7",       "Label10"};
    for (auto command :
         {classifier::showUnifiedPanel, classifier::showAashtoPanel, classifier::showAboutPanel}) {
        for (const auto& call : run(command)) {
            EXPECT_FALSE(untouched.count(call.first)) << call.first;
        }
    }
    for (const auto& call : run(classifier::showAashtoPanel)) { // the notes are the calculation's
        EXPECT_TRUE(call.first != "Label20" && call.first != "Label21") << call.first;
    }
}

TEST(ExitCommand, EndsTheProgramAndTouchesNothingElse) {
    RecordingWindow window;
    classifier::exitProgram(window);
    EXPECT_EQ(window.endCalls, 1);
    EXPECT_TRUE(window.visibilityCalls.empty());
}

} // namespace
