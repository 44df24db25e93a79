#include "output.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace classifier::cli {

std::string systemProblem(std::string_view what, std::string_view name, int error) {
    return std::string(what) + " " + std::string(name) + ": " + std::strerror(error);
}

Output::Output(int fd, std::string name)
    : fd_(fd), name_(std::move(name)), buffer_(std::make_unique<char[]>(kSize)) {}

void Output::flush() {
    writeOut({buffer_.get(), used_});
    used_ = 0;
}

void Output::putLarge(std::string_view bytes) {
    flush();
    if (bytes.size() < kSize) {
        put(bytes);
    } else {
        writeOut(bytes);
    }
}

void Output::writeOut(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            throw CommandError(systemProblem("cannot write", name_, written < 0 ? errno : EIO));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace classifier::cli
