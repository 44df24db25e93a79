#pragma once

#include <string>
#include <string_view>
#include <vector>

// Every control of ClassifierForm as it stands before any handler runs: one row per control.
namespace classifier {

enum class Kind { Panel, Shape, Line, Image, Label, TextBox, CommandButton, XpButton };

enum class Style {
    None,
    Title,         // Label100
    Banner,        // LAnimation
    Field,         // captions beside the boxes
    About,         // credits, right to left
    AboutLtr,      // credits, left to right
    Note,          // the two group-index notes
    Scratch,       // letter slots of the Unified method, never shown
    Input,         // editable boxes
    Result,        // boxes only the program writes
    UnifiedResult, // Text5: a result box in the larger font, left to right
    Side,          // the four command buttons on the right
    Calculate,     // the two classify buttons
    Xp,            // the four contact buttons of the About panel
};

enum class Align { None, Left, Right, Centre };

// Where a control belongs, and so which panel commands show or hide it.
enum class Panel {
    Always,     // visible from the start; no command touches it
    Never,      // the Unified method's letter slots: never shown, no command touches them
    Unified,    // shown by its panel's command, hidden by the others
    Aashto,     //   "
    About,      //   "
    AashtoNote, // hidden by the Unified and About commands; only the AASHTO calculation shows it
};

// What the program does with a control, for the controls it reaches after they are built: the
// panels' typed structs are filled by role. Every other control is only placed and shown.
enum class Role {
    None,
    // always shown
    ShowUnified,
    ShowAashto,
    ShowAbout,
    Exit,
    Banner,
    PanelArea, // where a right click opens a method panel's menu
    // the Unified panel
    UnifiedFines,
    UnifiedPassingNo4,
    UnifiedLiquidLimit,
    UnifiedPlasticityIndex,
    UnifiedCc,
    UnifiedCu,
    UnifiedCalculate,
    UnifiedSymbol,
    TypeLetter,
    SecondLetter,
    GradationLetter,
    // the AASHTO panel
    AashtoFines,
    AashtoPassingNo40,
    AashtoPassingNo10,
    AashtoLiquidLimit,
    AashtoPlasticityIndex,
    AashtoCalculate,
    SoilType,
    Material,
    Group,
    GroupIndex,
    ZeroIndexNote,
    NegativeIndexNote,
    // the About panel
    Emblem,
    Portrait,
    FirstAddress,
    SecondAddress,
};

// Places and sizes in twips (15 to a pixel at 96 dpi), from the top-left corner of XPPanel1
// (for XPPanel1 itself, of the window's client area). For a line: x1, y1, x2, y2.
struct Twips {
    int left, top, width, height;
};

struct ControlRow {
    std::string_view name;
    Kind kind;
    Style style;
    Twips place;
    std::string text;
    Align align;
    int tabIndex; // -1: no place in the focus order
    Panel panel;
    Role role = Role::None;
    Role buddy = Role::None;       // of a caption: the box it names
    std::string_view picture = {}; // resource path
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 10575;
inline constexpr int kClientHeightTwips = 9345;

// Twips to logical pixels, to the nearest pixel.
constexpr int pixels(int twips) {
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

// XPPanel1 first, then the controls it holds, bottom to top.
const std::vector<ControlRow>& catalogue();

// The row of the control with that role.
const ControlRow& rowOf(Role role);

// The banner's timer, by the name the window's design gives it.
inline constexpr std::string_view kBannerTimerName = "Timer1";

// Only the controls that belong to no panel show when the window opens.
constexpr bool visibleAtStart(const ControlRow& row) {
    return row.panel == Panel::Always;
}

} // namespace classifier
