#include "panels.h"
#include "recording_window.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using Calls = std::vector<std::pair<std::string, bool>>;

std::set<std::string> named(std::initializer_list<const char*> names) {
    return {names.begin(), names.end()};
}

std::set<std::string> numbered(const char* prefix, int first, int last) {
    std::set<std::string> names;
    for (int i = first; i <= last; ++i) {
        names.insert(prefix + std::to_string(i));
    }
    return names;
}

std::set<std::string> joined(std::initializer_list<std::set<std::string>> sets) {
    std::set<std::string> all;
    for (const auto& set : sets) {
        all.insert(set.begin(), set.end());
    }
    return all;
}

// The three panels, written out from the window's design rather than from the commands.
const std::set<std::string> kUnified =
    joined({numbered("Label", 1, 5), named({"Label8", "Label9", "KewlButtons5", "Line1"}),
            numbered("Text", 1, 7)});
const std::set<std::string> kAashtoWithoutNotes = joined(
    {numbered("Label", 11, 19), named({"E3", "e4", "e5", "e6", "e7", "KewlButtons6", "Line2"}),
     numbered("Text", 8, 11)});
const std::set<std::string> kNotes = named({"Label20", "Label21"});
const std::set<std::string> kAbout =
    joined({numbered("Label", 26, 34), named({"Image1", "Image2"}), numbered("XPButton", 1, 4)});

Calls run(void (*command)(classifier::Controls&)) {
    RecordingWindow window;
    command(window);
    EXPECT_EQ(window.endCalls, 0);
    EXPECT_TRUE(window.texts.empty()) << "a panel command writes no text";
    return window.visibilityCalls;
}

std::set<std::string> namesSetTo(const Calls& calls, bool visible) {
    std::set<std::string> names;
    for (const auto& [name, value] : calls) {
        if (value == visible) {
            names.insert(name);
        }
    }
    return names;
}

void expectEachControlOnce(const Calls& calls) {
    std::set<std::string> seen;
    for (const auto& call : calls) {
        EXPECT_TRUE(seen.insert(call.first).second) << call.first << " is set twice";
    }
}

TEST(PanelCommands, UnifiedShowsItsSixteenControlsAndHidesTheRest) {
    const Calls calls = run(classifier::showUnifiedPanel);
    EXPECT_EQ(calls.size(), 53u);
    expectEachControlOnce(calls);
    EXPECT_EQ(namesSetTo(calls, true), kUnified);
    EXPECT_EQ(namesSetTo(calls, false), joined({kAashtoWithoutNotes, kNotes, kAbout}));
}

TEST(PanelCommands, AashtoShowsItsControlsAndLeavesTheNotesAlone) {
    const Calls calls = run(classifier::showAashtoPanel);
    EXPECT_EQ(calls.size(), 51u);
    expectEachControlOnce(calls);
    EXPECT_EQ(namesSetTo(calls, true), kAashtoWithoutNotes);
    EXPECT_EQ(namesSetTo(calls, false), joined({kUnified, kAbout}));
}

TEST(PanelCommands, AboutShowsItsFifteenControlsAndHidesTheRest) {
    const Calls calls = run(classifier::showAboutPanel);
    EXPECT_EQ(calls.size(), 53u);
    expectEachControlOnce(calls);
    EXPECT_EQ(namesSetTo(calls, true), kAbout);
    EXPECT_EQ(namesSetTo(calls, false), joined({kUnified, kAashtoWithoutNotes, kNotes}));
}

// A few steps of each command, by their place in the order of settings.
TEST(PanelCommands, ApplyTheirSettingsInTheirOrder) {
    struct Step {
        void (*command)(classifier::Controls&);
        std::size_t number;
        const char* control;
        bool visible;
    };
    const Step steps[] = {
        {classifier::showUnifiedPanel, 1, "Label26", false},
        {classifier::showUnifiedPanel, 14, "Image2", false},
        {classifier::showUnifiedPanel, 16, "Image1", false},
        {classifier::showUnifiedPanel, 36, "Label1", true},
        {classifier::showUnifiedPanel, 51, "KewlButtons6", false},
        {classifier::showUnifiedPanel, 53, "Line2", false},
        {classifier::showAashtoPanel, 9, "Label27", false},
        {classifier::showAashtoPanel, 31, "KewlButtons6", true},
        {classifier::showAashtoPanel, 43, "Line2", true},
        {classifier::showAashtoPanel, 51, "Text10", true},
        {classifier::showAboutPanel, 1, "Image1", true},
        {classifier::showAboutPanel, 11, "Label20", false},
        {classifier::showAboutPanel, 49, "XPButton1", true},
        {classifier::showAboutPanel, 50, "Label34", true},
        {classifier::showAboutPanel, 53, "XPButton4", true},
    };
    for (const Step& step : steps) {
        const Calls calls = run(step.command);
        ASSERT_GE(calls.size(), step.number);
        EXPECT_EQ(calls[step.number - 1].first, step.control) << "step " << step.number;
        EXPECT_EQ(calls[step.number - 1].second, step.visible) << step.control;
    }
}

TEST(PanelCommands, NeverTouchTheAlwaysVisibleControlsOrTheLetterSlots) {
    const auto untouched =
        joined({numbered("KewlButtons", 1, 4), numbered("Shape", 1, 5),
                named({"Label100", "LAnimation", "XPPanel1", "Label6", "Label7", "Label10"})});
    for (auto command :
         {classifier::showUnifiedPanel, classifier::showAashtoPanel, classifier::showAboutPanel}) {
        for (const auto& call : run(command)) {
            EXPECT_FALSE(untouched.count(call.first)) << call.first;
        }
    }
}

TEST(ExitCommand, EndsTheProgramAndTouchesNothingElse) {
    RecordingWindow window;
    classifier::exitProgram(window);
    EXPECT_EQ(window.endCalls, 1);
    EXPECT_TRUE(window.visibilityCalls.empty());
    EXPECT_TRUE(window.texts.empty());
}

} // namespace
