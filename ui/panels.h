#pragma once

#include "catalogue.h"

#include "core/comparison.h"
#include "core/method.h"

#include <array>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

// The window's controls by what the program does with them, filled once from the control table
// as the controls are built.
namespace classifier {

class BannerLabel;

inline constexpr std::array<Method, 2> kMethods = {Method::Unified, Method::Aashto};

// The controls that show from the start: the four command buttons and the banner.
struct FrameControls {
    QAbstractButton* showUnified = nullptr;
    QAbstractButton* showAashto = nullptr;
    QAbstractButton* showAbout = nullptr;
    QAbstractButton* exit = nullptr;
    BannerLabel* banner = nullptr;
};

struct UnifiedPanel {
    QLineEdit* fines = nullptr;
    QLineEdit* passingNo4 = nullptr;
    QLineEdit* liquidLimit = nullptr;
    QLineEdit* plasticityIndex = nullptr;
    QLineEdit* cc = nullptr;
    QLineEdit* cu = nullptr;
    QAbstractButton* calculate = nullptr;
    QLineEdit* symbol = nullptr;
    // The letters of the last symbol, one a label; never shown.
    QLabel* typeLetter = nullptr;
    QLabel* secondLetter = nullptr;
    QLabel* gradationLetter = nullptr;

    QLineEdit* box(Quantity field) const;
};

struct AashtoPanel {
    QLineEdit* fines = nullptr;
    QLineEdit* passingNo40 = nullptr;
    QLineEdit* passingNo10 = nullptr;
    QLineEdit* liquidLimit = nullptr;
    QLineEdit* plasticityIndex = nullptr;
    QAbstractButton* calculate = nullptr;
    QLineEdit* soilType = nullptr;
    QLineEdit* material = nullptr;
    QLineEdit* group = nullptr;
    QLineEdit* groupIndex = nullptr;
    QLabel* zeroIndexNote = nullptr;
    QLabel* negativeIndexNote = nullptr;

    QLineEdit* box(Quantity field) const;
};

struct AboutPanel {
    QAbstractButton* firstAddress = nullptr;
    QAbstractButton* secondAddress = nullptr;
};

// The controls that the panel commands show, built the first time one of them is needed.
struct Panels {
    UnifiedPanel unified;
    AashtoPanel aashto;
    AboutPanel about;
    QWidget* area = nullptr; // where a right click opens the menu of the method panel shown

    // A method panel's input boxes top to bottom, its result boxes, its Calculate button.
    std::vector<QLineEdit*> inputs(Method method) const;
    std::vector<QLineEdit*> results(Method method) const;
    QAbstractButton* calculate(Method method) const;
};

// Puts the control of a role where its struct keeps it; a control without a role goes nowhere.
void bind(Role role, QWidget* widget, FrameControls& frame, Panels& panels);

} // namespace classifier
