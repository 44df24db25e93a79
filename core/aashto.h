#pragma once

#include "controls.h"

namespace classifier {

// Click on KewlButtons6: names the sample on the AASHTO panel by the AASHTO system.
void aashtoClassify(Controls& window);

} // namespace classifier
