#pragma once

#include <sys/types.h>

namespace classifier::files {

// Which of the standard descriptors 0, 1 and 2 were open when the program started.
struct StandardStreams {
    bool input = true;
    bool output = true;
    bool errors = true;
};

// Opens /dev/null on each of the descriptors 0, 1 and 2 that is closed, so that no file the
// program opens later takes its place (and output meant for the stream goes into that file).
// Says which were closed. Call it first thing in main.
StandardStreams reserveStandardStreams();

// The descriptor moved above 2 (and made close-on-exec) when it is 0, 1 or 2; the files of the
// program never take a standard stream's place. Gives -1 for -1.
int aboveStandardStreams(int fd);

// openat(2) with O_CLOEXEC, again on EINTR, never giving 0, 1 or 2. -1 with errno on failure.
int openAt(int directory, const char* path, int flags, mode_t mode = 0);

// A descriptor closed when it goes out of scope.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd();

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int release();
    // Closes the descriptor; false, with errno, when close reports an error.
    bool close();

private:
    int fd_ = -1;
};

} // namespace classifier::files
