#include "output.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace classifier::cli {
namespace {

// The partial files to remove if a signal stops the program, the sheet's and the chart's; a
// free slot starts with '\0'.
std::array<std::array<char, 4096>, 2> partialFiles{};

extern "C" void removePartialFiles(int signal) {
    for (const auto& file : partialFiles) {
        if (file[0] != '\0') {
            unlink(file.data());
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

constexpr std::array kStopSignals = {SIGINT, SIGTERM, SIGHUP};

// The slot that now guards the path, or -1 when none could.
int guardPartialFile(const std::string& path) {
    for (std::size_t slot = 0; slot < partialFiles.size(); ++slot) {
        auto& file = partialFiles[slot];
        if (file[0] == '\0' && path.size() < file.size()) {
            std::memcpy(file.data(), path.c_str(), path.size() + 1);
            struct sigaction action {};
            action.sa_handler = removePartialFiles;
            sigemptyset(&action.sa_mask);
            for (const int signal : kStopSignals) {
                sigaction(signal, &action, nullptr);
            }
            return static_cast<int>(slot);
        }
    }
    return -1;
}

void releasePartialFile(int slot) {
    if (slot < 0) {
        return;
    }
    partialFiles[static_cast<std::size_t>(slot)][0] = '\0';
    for (const auto& file : partialFiles) {
        if (file[0] != '\0') {
            return;
        }
    }
    for (const int signal : kStopSignals) {
        std::signal(signal, SIG_DFL);
    }
}

// The permissions of a new file under the current umask, or those of the file replaced.
mode_t modeFor(const std::string& path) {
    struct stat existing {};
    if (stat(path.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

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

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)) {
    const std::size_t slash = path_.rfind('/');
    const std::string base = slash == std::string::npos ? path_ : path_.substr(slash + 1);
    temporary_ = directoryOf(path_) + "." + base + ".partial-XXXXXX";
    // A stop signal between making the file and guarding it waits until it is guarded.
    sigset_t stops;
    sigset_t previous;
    sigemptyset(&stops);
    for (const int signal : kStopSignals) {
        sigaddset(&stops, signal);
    }
    sigprocmask(SIG_BLOCK, &stops, &previous);
    fd_ = mkostemp(temporary_.data(), O_CLOEXEC);
    const int error = errno;
    if (fd_ >= 0) {
        slot_ = guardPartialFile(temporary_);
    }
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    if (fd_ < 0) {
        throw CommandError(systemProblem("cannot write", path_, error));
    }
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) {
        close(fd_);
        unlink(temporary_.c_str());
        releasePartialFile(slot_);
    }
}

void AtomicFile::commit() {
    const int fd = fd_;
    fd_ = -1;
    const bool written = fchmod(fd, modeFor(path_)) == 0 && fsync(fd) == 0;
    const int error = errno;
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temporary_.c_str(), path_.c_str()) != 0) {
        const int failure = !written ? error : errno;
        unlink(temporary_.c_str());
        releasePartialFile(slot_);
        throw CommandError(systemProblem("cannot write", path_, failure));
    }
    releasePartialFile(slot_);
}

} // namespace classifier::cli
