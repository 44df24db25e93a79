#include "panels.h"
#include "recording_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

// Which controls each command shows and hides is checked on the real window
// (form_panels_test); here, how many settings each makes and what the commands leave alone.
namespace {

using Calls = std::vector<std::pair<std::string, bool>>;

Calls run(void (*command)(classifier::Controls&)) {
    RecordingWindow window;
    command(window);
    EXPECT_EQ(window.endCalls, 0);
    EXPECT_TRUE(window.texts.empty()) << "a panel command writes no text";
    return window.visibilityCalls;
}

TEST(PanelCommands, SetEachOfTheirControlsOnce) {
    const struct {
        void (*command)(classifier::Controls&);
        std::size_t settings;
        std::size_t shown;
        std::map<std::string, bool> some;
    } commands[] = {
        {classifier::showUnifiedPanel,
         53,
         16,
         {{"Label26", false}, {"Image1", false}, {"Label1", true}, {"KewlButtons6", false}}},
        {classifier::showAashtoPanel,
         51,
         20,
         {{"Label27", false}, {"KewlButtons6", true}, {"Line2", true}, {"Text5", false}}},
        {classifier::showAboutPanel,
         53,
         15,
         {{"Image1", true}, {"Label20", false}, {"XPButton4", true}, {"Line1", false}}},
    };
    for (const auto& command : commands) {
        std::map<std::string, bool> settings;
        for (const auto& [control, visible] : run(command.command)) {
            EXPECT_TRUE(settings.emplace(control, visible).second) << control << " is set twice";
        }
        EXPECT_EQ(settings.size(), command.settings);
        const auto shown = std::count_if(settings.begin(), settings.end(),
                                         [](const auto& setting) { return setting.second; });
        EXPECT_EQ(static_cast<std::size_t>(shown), command.shown);
        for (const auto& [control, visible] : command.some) {
            const auto found = settings.find(control);
            ASSERT_NE(found, settings.end()) << control;
            EXPECT_EQ(found->second, visible) << control;
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
