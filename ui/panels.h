#pragma once

#include "core/controls.h"

namespace classifier {

// Each panel command sets the visibility of the controls that the catalogue gives a panel, and
// does nothing else.

// Click on KewlButtons1: shows the Unified panel and hides the other two.
void showUnifiedPanel(Controls& window);
// Click on KewlButtons2: shows the AASHTO panel (its notes stay as they are) and hides the others.
void showAashtoPanel(Controls& window);
// Click on KewlButtons3: shows the About panel and hides the other two.
void showAboutPanel(Controls& window);
// Click on KewlButtons4: ends the program at once.
void exitProgram(Controls& window);

} // namespace classifier
