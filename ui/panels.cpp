#include "panels.h"

#include "catalogue.h"

namespace classifier {
namespace {

// Sets the visibility of every control that belongs to a panel: those of the chosen panel
// show, the rest hide. Controls of no panel stay as they are, and so do the AASHTO notes when
// the AASHTO panel is chosen: whether a note shows is the AASHTO calculation's to decide.
void showPanel(Controls& window, Panel chosen) {
    for (const ControlRow& row : catalogue()) {
        switch (row.panel) {
        case Panel::Always:
        case Panel::Never:
            break;
        case Panel::AashtoNote:
            if (chosen != Panel::Aashto) {
                window.setVisible(row.name, false);
            }
            break;
        case Panel::Unified:
        case Panel::Aashto:
        case Panel::About:
            window.setVisible(row.name, row.panel == chosen);
            break;
        }
    }
}

} // namespace

void showUnifiedPanel(Controls& window) {
    showPanel(window, Panel::Unified);
}
void showAashtoPanel(Controls& window) {
    showPanel(window, Panel::Aashto);
}
void showAboutPanel(Controls& window) {
    showPanel(window, Panel::About);
}
void exitProgram(Controls& window) {
    window.endProgram();
}

} // namespace classifier
