#pragma once

namespace classifier {

// The language of the names, notes, explanations and errors that come with a result.
enum class Language { Persian, English };

} // namespace classifier
