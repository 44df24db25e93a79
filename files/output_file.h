#pragma once

#include "descriptors.h"
#include "error.h"

#include <string>
#include <string_view>
#include <sys/stat.h>

namespace classifier::files {

// A file by its device and inode; a file not yet made, by its folder's and its own name.
struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    std::string name;
    bool operator==(const Identity&) const = default;
};

// The identity of an open file; device 0 and inode 0 when it has none to give.
Identity identityOf(int fd);

// An output file that takes the place of what its path names only when complete.
//
// The path is followed through symbolic links to their target. A regular file is written
// beside the target and put in its place when committed, with the target's mode and, where
// the system allows, its owner; one with several names (hard links) is written over in place
// once complete, so that every name keeps it. A character device or a FIFO is written
// straight, and so is the program's standard output named by a path. A folder, a block device
// and a socket are refused. Until commit nothing under the path changes, and if the program
// ends first nothing is left behind: the file in the making has no name where the file system
// offers unnamed files (O_TMPFILE), and otherwise its name is removed when the object goes or a
// stop signal ends the program. Its descriptors are never 0, 1 or 2.
class OutputFile {
public:
    struct Options {
        // The program's standard output, or -1: a path that names the same file writes
        // straight to it.
        int standardOutput = -1;
        // A FIFO that nothing reads yet: wait for a reader, or fail at once with ENXIO.
        bool waitForReader = true;
        // An unnamed file in the making where the file system offers one; else a named one.
        bool unnamedTemporary = true;
    };

    enum class Kind {
        NewFile,        // a file made under the path
        ReplacedFile,   // a regular file replaced by the new one
        RewrittenFile,  // a regular file of several names, written over in place
        Stream,         // a character device or a FIFO, written straight
        StandardOutput, // the program's standard output, written straight
    };

    // Finds what the path names and opens where the bytes go. Throws Error.
    OutputFile(std::string path, const Options& options);
    explicit OutputFile(std::string path);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Forgets the bytes written unless committed.
    ~OutputFile();

    const std::string& path() const { return path_; }
    Kind kind() const { return kind_; }
    const Identity& identity() const { return identity_; }
    bool isCharacterDevice() const { return characterDevice_; }
    // Where the bytes go.
    int fd() const { return fd_.get(); }

    // Writes all the bytes; throws Error.
    void write(std::string_view bytes);
    // Does what may still fail for want of space or rights: makes the bytes durable, gives the
    // file its mode and owner, reserves the room for a file written over in place. Throws Error.
    void finish();
    // Finishes, and puts the file under its path. Throws Error.
    void commit();

private:
    void openStream(const struct stat& status, bool waitForReader);
    void makeTemporary(bool unnamed);
    void keepOwnerAndMode() const;
    void putInPlace();
    void linkUnderTemporaryName();
    void rewriteInPlace();
    void syncDirectory() const;

    std::string path_;
    Kind kind_ = Kind::NewFile;
    Identity identity_;
    bool characterDevice_ = false;
    UniqueFd directory_;
    std::string name_;        // in directory_
    struct stat existing_ {}; // the file replaced or written over
    UniqueFd fd_;             // the file in the making, or the stream
    UniqueFd target_;         // a file written over in place
    std::string temporary_;   // the name of the file in the making; empty while it has none
    int guardSlot_ = -1;
    bool finished_ = false;
};

} // namespace classifier::files
