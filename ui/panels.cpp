#include "panels.h"

#include <array>
#include <span>
#include <string_view>

namespace classifier {
namespace {

struct VisibilitySetting {
    std::string_view control;
    bool visible;
};

constexpr bool shown = true;
constexpr bool hidden = false;

constexpr std::array<VisibilitySetting, 53> kUnified{{
    {"Label26", hidden},   {"Label28", hidden},     {"Label29", hidden},      {"Label30", hidden},
    {"Label31", hidden},   {"Label32", hidden},     {"Label33", hidden},      {"Label34", hidden},
    {"Label27", hidden},   {"XPButton4", hidden},   {"XPButton3", hidden},    {"XPButton2", hidden},
    {"XPButton1", hidden}, {"Image2", hidden},      {"Label11", hidden},      {"Image1", hidden},
    {"Label12", hidden},   {"Label13", hidden},     {"Label14", hidden},      {"Label15", hidden},
    {"Label16", hidden},   {"Label17", hidden},     {"Label18", hidden},      {"Label20", hidden},
    {"Label21", hidden},   {"Text8", hidden},       {"Label19", hidden},      {"Text11", hidden},
    {"Text9", hidden},     {"Text10", hidden},      {"E3", hidden},           {"e4", hidden},
    {"e5", hidden},        {"e6", hidden},          {"e7", hidden},           {"Label1", shown},
    {"Label2", shown},     {"Label3", shown},       {"Label4", shown},        {"Label5", shown},
    {"Label8", shown},     {"Label9", shown},       {"Text1", shown},         {"Text2", shown},
    {"Text3", shown},      {"Text4", shown},        {"Text5", shown},         {"Text6", shown},
    {"Text7", shown},      {"KewlButtons5", shown}, {"KewlButtons6", hidden}, {"Line1", shown},
    {"Line2", hidden},
}};

// Leaves the notes Label20 and Label21 alone: only the AASHTO calculation shows them.
constexpr std::array<VisibilitySetting, 51> kAashto{{
    {"Label26", hidden},     {"Label28", hidden},   {"Label29", hidden},
    {"Label30", hidden},     {"Label31", hidden},   {"Label32", hidden},
    {"Label33", hidden},     {"Label34", hidden},   {"Label27", hidden},
    {"XPButton4", hidden},   {"XPButton3", hidden}, {"XPButton2", hidden},
    {"XPButton1", hidden},   {"Image1", hidden},    {"Image2", hidden},
    {"Label1", hidden},      {"Label2", hidden},    {"Label3", hidden},
    {"Label4", hidden},      {"Label5", hidden},    {"Label8", hidden},
    {"Label9", hidden},      {"Text1", hidden},     {"Text2", hidden},
    {"Text3", hidden},       {"Text4", hidden},     {"Text5", hidden},
    {"Text6", hidden},       {"Text7", hidden},     {"KewlButtons5", hidden},
    {"KewlButtons6", shown}, {"Line1", hidden},     {"Label11", shown},
    {"Label12", shown},      {"Label13", shown},    {"Label14", shown},
    {"Label15", shown},      {"E3", shown},         {"e4", shown},
    {"e5", shown},           {"e6", shown},         {"e7", shown},
    {"Line2", shown},        {"Label16", shown},    {"Label17", shown},
    {"Label18", shown},      {"Text8", shown},      {"Text9", shown},
    {"Label19", shown},      {"Text11", shown},     {"Text10", shown},
}};

constexpr std::array<VisibilitySetting, 53> kAbout{{
    {"Image1", shown},        {"Image2", shown},        {"Label11", hidden},  {"Label12", hidden},
    {"Label13", hidden},      {"Label14", hidden},      {"Label15", hidden},  {"Label16", hidden},
    {"Label17", hidden},      {"Label18", hidden},      {"Label20", hidden},  {"Label21", hidden},
    {"Text8", hidden},        {"Label19", hidden},      {"Text11", hidden},   {"Text9", hidden},
    {"Text10", hidden},       {"E3", hidden},           {"e4", hidden},       {"e5", hidden},
    {"e6", hidden},           {"e7", hidden},           {"Label1", hidden},   {"Label2", hidden},
    {"Label3", hidden},       {"Label4", hidden},       {"Label5", hidden},   {"Label8", hidden},
    {"Label9", hidden},       {"Text1", hidden},        {"Text2", hidden},    {"Text3", hidden},
    {"Text4", hidden},        {"Text5", hidden},        {"Text6", hidden},    {"Text7", hidden},
    {"KewlButtons5", hidden}, {"KewlButtons6", hidden}, {"Line1", hidden},    {"Line2", hidden},
    {"Label26", shown},       {"Label27", shown},       {"Label28", shown},   {"Label29", shown},
    {"Label30", shown},       {"Label31", shown},       {"Label32", shown},   {"Label33", shown},
    {"XPButton1", shown},     {"Label34", shown},       {"XPButton2", shown}, {"XPButton3", shown},
    {"XPButton4", shown},
}};

void apply(Controls& window, std::span<const VisibilitySetting> settings) {
    for (const auto& setting : settings) {
        window.setVisible(setting.control, setting.visible);
    }
}

} // namespace

void showUnifiedPanel(Controls& window) {
    apply(window, kUnified);
}
void showAashtoPanel(Controls& window) {
    apply(window, kAashto);
}
void showAboutPanel(Controls& window) {
    apply(window, kAbout);
}
void exitProgram(Controls& window) {
    window.endProgram();
}

} // namespace classifier
