#pragma once

namespace classifier {

// The two ways of naming a soil.
enum class Method { Unified, Aashto };

} // namespace classifier
