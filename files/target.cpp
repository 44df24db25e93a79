#include "target.h"

#include "error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits.h>
#include <unistd.h>
#include <vector>

namespace classifier::files {

namespace {

constexpr int kMostLinks = 40; // as the kernel follows at most 40 links in a path

// A folder to make files in and look up names. Read access is needed to make the folder's
// entries durable with fsync; without it, a descriptor for the path alone does the rest.
UniqueFd openDirectory(int base, const std::string& path) {
    const char* name = path.empty() ? "." : path.c_str();
    int fd = openAt(base, name, O_RDONLY | O_DIRECTORY);
    if (fd < 0 && errno == EACCES) {
        fd = openAt(base, name, O_PATH | O_DIRECTORY);
    }
    return UniqueFd(fd);
}

std::string readLink(int directory, const std::string& name, const std::string& path) {
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = readlinkat(directory, name.c_str(), buffer.data(), buffer.size());
        if (length < 0) {
            throw Error(path, errno);
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return {buffer.data(), static_cast<std::size_t>(length)};
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Follows the path's last part through any symbolic links to the folder and name it ends at;
// the folders on the way are followed by the kernel.
Target follow(const std::string& path) {
    std::string current = path;
    UniqueFd base;
    for (int links = 0; links <= kMostLinks; ++links) {
        const std::size_t slash = current.rfind('/');
        const std::string folder = slash == std::string::npos ? std::string()
                                   : slash == 0               ? std::string("/")
                                                              : current.substr(0, slash);
        const std::string name = slash == std::string::npos ? current : current.substr(slash + 1);
        if (name.empty() || name == "." || name == "..") {
            throw Error(path, ENOENT); // a folder that does not exist, such as "new/"
        }
        Target target;
        target.directory = openDirectory(base ? base.get() : AT_FDCWD, folder);
        if (!target.directory) {
            throw Error(path, errno);
        }
        target.name = name;
        if (fstatat(target.directory.get(), name.c_str(), &target.status, AT_SYMLINK_NOFOLLOW) !=
            0) {
            if (errno != ENOENT) {
                throw Error(path, errno);
            }
            if (fstat(target.directory.get(), &target.status) != 0) {
                throw Error(path, errno);
            }
            target.kind = Target::Kind::NewFile;
            return target;
        }
        if (!S_ISLNK(target.status.st_mode)) {
            target.kind = Target::Kind::RegularFile;
            return target;
        }
        current = readLink(target.directory.get(), name, path);
        base = std::move(target.directory); // a relative link is read from its own folder
    }
    throw Error(path, ELOOP);
}

std::string notAFile(const struct stat& status) {
    if (S_ISBLK(status.st_mode)) {
        return "it is a block device, not a file";
    }
    if (S_ISSOCK(status.st_mode)) {
        return "it is a socket, not a file";
    }
    return "it is not a regular file";
}

} // namespace

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

Target findTarget(const std::string& path, int standardOutput) {
    if (path.empty()) {
        throw Error(path, ENOENT);
    }
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT) {
            throw Error(path, errno);
        }
        // Nothing there, or a symbolic link to nothing: the file is made where the link leads.
        Target target = follow(path);
        if (target.kind != Target::Kind::NewFile) {
            throw Error(path, EEXIST); // made by someone else meanwhile
        }
        return target;
    }
    struct stat output {};
    if (standardOutput >= 0 && fstat(standardOutput, &output) == 0 && sameFile(status, output)) {
        Target target;
        target.kind = Target::Kind::StandardOutput;
        target.status = status;
        return target;
    }
    if (S_ISDIR(status.st_mode)) {
        throw Error(path, EISDIR);
    }
    if (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode)) {
        Target target;
        target.kind = Target::Kind::Stream;
        target.status = status;
        return target;
    }
    if (!S_ISREG(status.st_mode)) {
        throw Error(path, notAFile(status));
    }
    Target target = follow(path);
    if (target.kind != Target::Kind::RegularFile || !sameFile(target.status, status)) {
        // A link the kernel follows but that names no file by its path (a deleted file behind
        // /proc/self/fd), or the file was replaced meanwhile.
        throw Error(path, "cannot find the name of the file it leads to");
    }
    return target;
}

} // namespace classifier::files
