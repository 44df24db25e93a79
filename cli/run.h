#pragma once

#include "command_line.h"

#include <ostream>
#include <span>

namespace classifier::cli {

// Exit statuses of the command.
inline constexpr int kAllClassified = 0;
inline constexpr int kSomeRowsRefused = 1;
inline constexpr int kCannotRun = 2;

// The whole command: reads the arguments (the program's name first), the sheet from the file
// they name or from `input`, and writes the classified sheet to the file they name or to
// `output`; the usage and version go to `output` too. A problem that stops the command is one
// line on `errors`. Returns the exit status.
int run(std::span<const char* const> arguments, const Environment& environment, int input,
        int output, std::ostream& errors);

} // namespace classifier::cli
