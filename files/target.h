#pragma once

#include "descriptors.h"

#include <string>
#include <sys/stat.h>

namespace classifier::files {

// What an output path names, found by following it as open(2) would, symbolic links and all.
struct Target {
    enum class Kind {
        NewFile,        // nothing yet: a file `name` will be made in `directory`
        RegularFile,    // the regular file `name` in `directory`
        Stream,         // a character device or a FIFO: written straight, as it goes
        StandardOutput, // the same file as the program's standard output
    };
    Kind kind = Kind::NewFile;
    UniqueFd directory;    // NewFile and RegularFile
    std::string name;      // in `directory`
    struct stat status {}; // of the existing file; of `directory` for NewFile
};

// The target of `path`; throws Error for a folder, a block device, a socket, a path that cannot
// be followed. `standardOutput` (or -1) is the descriptor of the program's standard output.
Target findTarget(const std::string& path, int standardOutput);

bool sameFile(const struct stat& a, const struct stat& b);

} // namespace classifier::files
