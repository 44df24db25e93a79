#include "descriptors.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace classifier::files {

StandardStreams reserveStandardStreams() {
    bool open[3] = {true, true, true};
    for (int fd = 0; fd < 3; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        open[fd] = false;
        // Descriptors are given lowest first, so this takes the closed one. Without /dev/null
        // (a bare chroot), the root folder holds the place: it can be neither read nor written.
        int placeholder = ::open("/dev/null", O_RDWR);
        if (placeholder < 0) {
            placeholder = ::open("/", O_RDONLY | O_DIRECTORY);
        }
        if (placeholder >= 0 && placeholder != fd) {
            ::close(placeholder);
        }
    }
    return {open[0], open[1], open[2]};
}

int aboveStandardStreams(int fd) {
    if (fd < 0 || fd > 2) {
        return fd;
    }
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    const int error = errno;
    ::close(fd);
    errno = error;
    return moved;
}

int openAt(int directory, const char* path, int flags, mode_t mode) {
    int fd;
    do {
        fd = ::openat(directory, path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return aboveStandardStreams(fd);
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.release();
    }
    return *this;
}

UniqueFd::~UniqueFd() {
    close();
}

int UniqueFd::release() {
    return std::exchange(fd_, -1);
}

bool UniqueFd::close() {
    const int fd = release();
    // Linux frees the descriptor even when close fails, so it is never closed again.
    return fd < 0 || ::close(fd) == 0 || errno == EINTR;
}

} // namespace classifier::files
