#pragma once

#include "files/error.h"

#include <QString>
#include <string_view>

namespace classifier {

// Why a file could not be written, in the user's words, in Persian: no space left, read-only,
// permission denied, and so on.
QString fileProblemText(const files::Error& error);

// Writes a file of the user's whole or not at all, under the same rules as soil-classify's
// outputs; a FIFO that nothing reads is refused at once rather than waited for. False, with
// the reason, when it cannot be written.
bool writeWhole(const QString& path, std::string_view bytes, QString* error = nullptr);

} // namespace classifier
