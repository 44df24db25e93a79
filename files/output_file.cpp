#include "output_file.h"

#include "signal_guard.h"
#include "target.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <limits.h>
#include <sys/random.h>
#include <unistd.h>

namespace classifier::files {
namespace {

constexpr std::string_view kPartial = ".partial-";
constexpr std::size_t kRandomLetters = 6;

std::uint64_t randomBits() {
    std::uint64_t bits = 0;
    if (getrandom(&bits, sizeof bits, GRND_NONBLOCK) != sizeof bits) {
        static std::uint64_t counter = 0;
        bits = static_cast<std::uint64_t>(
                   std::chrono::steady_clock::now().time_since_epoch().count()) ^
               (static_cast<std::uint64_t>(getpid()) << 32) ^ ++counter;
    }
    return bits;
}

// ".NAME.partial-XXXXXX", NAME cut short (at a character's start) so that the whole is a
// legal name wherever NAME is.
std::string temporaryName(std::string_view name) {
    constexpr std::size_t kRoom = NAME_MAX - 1 - kPartial.size() - kRandomLetters;
    if (name.size() > kRoom) {
        std::size_t cut = kRoom;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        name = name.substr(0, cut);
    }
    std::string result(1, '.');
    result.append(name).append(kPartial);
    constexpr std::string_view kLetters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uint64_t bits = randomBits();
    for (std::size_t i = 0; i < kRandomLetters; ++i) {
        result += kLetters[bits % kLetters.size()];
        bits /= kLetters.size();
    }
    return result;
}

// An unnamed file is named by linking /proc/self/fd/N, which needs /proc; linkat with
// AT_EMPTY_PATH, the other way, needs a privilege most users lack.
bool canNameUnnamedFiles() {
    static const bool can = access("/proc/self/fd", X_OK) == 0;
    return can;
}

// The errors with which a kernel or file system says it makes no unnamed files.
bool noUnnamedFiles(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOSYS;
}

// Gives the unnamed file a name; -1 with errno (EEXIST when the name is taken).
int linkUnnamed(int fd, int directory, const std::string& name) {
    std::array<char, 32> self{};
    std::snprintf(self.data(), self.size(), "/proc/self/fd/%d", fd);
    if (linkat(AT_FDCWD, self.data(), directory, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        return 0;
    }
    if (errno == EEXIST) {
        return -1;
    }
    const int error = errno;
    if (linkat(fd, "", directory, name.c_str(), AT_EMPTY_PATH) == 0) {
        return 0;
    }
    if (errno != EEXIST) {
        errno = error;
    }
    return -1;
}

} // namespace

Identity identityOf(int fd) {
    struct stat status {};
    if (fstat(fd, &status) != 0) {
        return {};
    }
    return {status.st_dev, status.st_ino, {}};
}

OutputFile::OutputFile(std::string path) : OutputFile(std::move(path), Options{}) {}

OutputFile::OutputFile(std::string path, const Options& options) : path_(std::move(path)) {
    Target target = findTarget(path_, options.standardOutput);
    characterDevice_ = S_ISCHR(target.status.st_mode);
    switch (target.kind) {
    case Target::Kind::StandardOutput:
        kind_ = Kind::StandardOutput;
        identity_ = {target.status.st_dev, target.status.st_ino, {}};
        fd_ = UniqueFd(fcntl(options.standardOutput, F_DUPFD_CLOEXEC, 3));
        if (!fd_) {
            throw Error(path_, errno);
        }
        return;
    case Target::Kind::Stream:
        kind_ = Kind::Stream;
        identity_ = {target.status.st_dev, target.status.st_ino, {}};
        openStream(target.status, options.waitForReader);
        return;
    case Target::Kind::NewFile:
        kind_ = Kind::NewFile;
        identity_ = {target.status.st_dev, target.status.st_ino, target.name};
        break;
    case Target::Kind::RegularFile:
        kind_ = target.status.st_nlink > 1 ? Kind::RewrittenFile : Kind::ReplacedFile;
        identity_ = {target.status.st_dev, target.status.st_ino, {}};
        existing_ = target.status;
        break;
    }
    directory_ = std::move(target.directory);
    name_ = std::move(target.name);
    if (kind_ == Kind::RewrittenFile) {
        target_ = UniqueFd(openAt(directory_.get(), name_.c_str(), O_WRONLY | O_NOCTTY));
        struct stat opened {};
        if (!target_ || fstat(target_.get(), &opened) != 0) {
            throw Error(path_, errno);
        }
        if (!sameFile(opened, existing_)) {
            throw Error(path_, "it was replaced while being opened");
        }
    } else if (kind_ == Kind::ReplacedFile &&
               faccessat(directory_.get(), name_.c_str(), W_OK, AT_EACCESS) != 0) {
        // A file its owner made read-only is not replaced behind their back.
        throw Error(path_, errno);
    }
    makeTemporary(options.unnamedTemporary);
}

OutputFile::~OutputFile() {
    if (!temporary_.empty()) {
        unlinkat(directory_.get(), temporary_.c_str(), 0);
    }
    SignalGuard::release(guardSlot_);
}

void OutputFile::openStream(const struct stat& status, bool waitForReader) {
    const bool fifo = S_ISFIFO(status.st_mode);
    const int flags = O_WRONLY | O_NOCTTY | (fifo && !waitForReader ? O_NONBLOCK : 0);
    fd_ = UniqueFd(openAt(AT_FDCWD, path_.c_str(), flags));
    if (!fd_) {
        throw Error(path_, errno);
    }
    if (flags & O_NONBLOCK) {
        fcntl(fd_.get(), F_SETFL, fcntl(fd_.get(), F_GETFL) & ~O_NONBLOCK);
    }
}

void OutputFile::makeTemporary(bool unnamed) {
    // A new file is made with the usual mode under the umask; a replacement gets the mode of
    // the file it replaces when finished.
    const mode_t mode = kind_ == Kind::NewFile ? 0666 : 0600;
    // A file written over in place is copied from, and never named.
    const bool copied = kind_ == Kind::RewrittenFile;
    const int access = copied ? O_RDWR : O_WRONLY;
    if (unnamed && (copied || canNameUnnamedFiles())) {
        fd_ = UniqueFd(openAt(directory_.get(), ".", O_TMPFILE | access, mode));
        if (fd_) {
            return;
        }
        if (!noUnnamedFiles(errno)) {
            throw Error(path_, errno);
        }
    }
    const StopSignalsBlocked blocked;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryName(name_);
        fd_ = UniqueFd(
            openAt(directory_.get(), name.c_str(), O_CREAT | O_EXCL | O_NOCTTY | access, mode));
        if (fd_ && copied) {
            unlinkat(directory_.get(), name.c_str(), 0);
            return;
        }
        if (fd_) {
            temporary_ = std::move(name);
            guardSlot_ = SignalGuard::guard(directory_.get(), temporary_);
            return;
        }
        if (errno != EEXIST) {
            throw Error(path_, errno);
        }
    }
    throw Error(path_, EEXIST);
}

void OutputFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_.get(), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            throw Error(path_, written < 0 ? errno : EIO);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void OutputFile::keepOwnerAndMode() const {
    struct stat made {};
    if (fstat(fd_.get(), &made) != 0) {
        throw Error(path_, errno);
    }
    if (made.st_uid != existing_.st_uid || made.st_gid != existing_.st_gid) {
        // Only a privileged user may give a file away; others keep at least its group when
        // they belong to it, and otherwise the file becomes theirs.
        if (fchown(fd_.get(), existing_.st_uid, existing_.st_gid) != 0) {
            [[maybe_unused]] const int ignored =
                fchown(fd_.get(), static_cast<uid_t>(-1), existing_.st_gid);
        }
    }
    // After the owner, which clears the set-user-ID and set-group-ID bits.
    if (fchmod(fd_.get(), existing_.st_mode & 07777) != 0) {
        throw Error(path_, errno);
    }
}

void OutputFile::finish() {
    if (finished_) {
        return;
    }
    switch (kind_) {
    case Kind::Stream:
    case Kind::StandardOutput:
        break;
    case Kind::ReplacedFile:
        keepOwnerAndMode();
        [[fallthrough]];
    case Kind::NewFile:
        if (fsync(fd_.get()) != 0) {
            throw Error(path_, errno);
        }
        break;
    case Kind::RewrittenFile: {
        struct stat staged {};
        if (fstat(fd_.get(), &staged) != 0) {
            throw Error(path_, errno);
        }
        // Room for the whole file before a byte of it is written over: on a full disk the old
        // file stays as it was.
        if (staged.st_size > 0 &&
            fallocate(target_.get(), FALLOC_FL_KEEP_SIZE, 0, staged.st_size) != 0 &&
            errno != EOPNOTSUPP && errno != ENOSYS && errno != EINVAL) {
            throw Error(path_, errno);
        }
        break;
    }
    }
    finished_ = true;
}

void OutputFile::commit() {
    finish();
    switch (kind_) {
    case Kind::Stream:
        if (!fd_.close()) {
            throw Error(path_, errno);
        }
        break;
    case Kind::StandardOutput:
        fd_.close();
        break;
    case Kind::NewFile:
    case Kind::ReplacedFile:
        putInPlace();
        break;
    case Kind::RewrittenFile:
        rewriteInPlace();
        break;
    }
}

void OutputFile::putInPlace() {
    // Stop signals wait while the file has a name of its own, until it takes its final one.
    const StopSignalsBlocked blocked;
    if (temporary_.empty()) {
        if (kind_ == Kind::NewFile && linkUnnamed(fd_.get(), directory_.get(), name_) == 0) {
            syncDirectory();
            return;
        }
        if (kind_ == Kind::NewFile && errno != EEXIST) {
            throw Error(path_, errno);
        }
        linkUnderTemporaryName(); // the file exists: named beside it, then renamed over it
    }
    if (renameat(directory_.get(), temporary_.c_str(), directory_.get(), name_.c_str()) != 0) {
        throw Error(path_, errno); // the destructor removes the temporary name
    }
    temporary_.clear();
    SignalGuard::release(guardSlot_);
    guardSlot_ = -1;
    syncDirectory();
}

void OutputFile::linkUnderTemporaryName() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryName(name_);
        if (linkUnnamed(fd_.get(), directory_.get(), name) == 0) {
            temporary_ = std::move(name);
            guardSlot_ = SignalGuard::guard(directory_.get(), temporary_);
            return;
        }
        if (errno != EEXIST) {
            throw Error(path_, errno);
        }
    }
    throw Error(path_, EEXIST);
}

void OutputFile::rewriteInPlace() {
    std::array<char, 1 << 16> block;
    off_t at = 0;
    for (;;) {
        const ssize_t count = pread(fd_.get(), block.data(), block.size(), at);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            throw Error(path_, errno);
        }
        if (count == 0) {
            break;
        }
        for (ssize_t done = 0; done < count;) {
            const ssize_t written = pwrite(target_.get(), block.data() + done,
                                           static_cast<std::size_t>(count - done), at + done);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                throw Error(path_, written < 0 ? errno : EIO);
            }
            done += written;
        }
        at += count;
    }
    if (ftruncate(target_.get(), at) != 0 || fsync(target_.get()) != 0 || !target_.close()) {
        throw Error(path_, errno);
    }
}

void OutputFile::syncDirectory() const {
    // Best effort: the file is in place; some file systems cannot sync a folder.
    fsync(directory_.get());
}

} // namespace classifier::files
