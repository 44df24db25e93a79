#pragma once

#include "controls.h"

namespace classifier {

// Click on KewlButtons5: names the sample on the Unified panel by the Unified system.
void unifiedClassify(Controls& window);

} // namespace classifier
