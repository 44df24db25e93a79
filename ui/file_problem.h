#pragma once

#include "files/error.h"

#include <QString>

namespace classifier {

// Why a file could not be written, in the user's words, in Persian: no space left, read-only,
// permission denied, and so on.
QString fileProblemText(const files::Error& error);

} // namespace classifier
