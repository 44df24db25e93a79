#include "process_memory.h"

#include <cctype>
#include <fstream>
#include <malloc.h>
#include <sstream>

namespace bench {
namespace {

long statusField(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(name + ":")) {
            return std::stol(line.substr(name.size() + 1));
        }
    }
    return -1;
}

// "7f01a000-7f01b000 r--p 00000000 08:01 1234   /usr/lib/..." starts each mapping in smaps.
bool isMappingHeader(const std::string& line) {
    const std::size_t dash = line.find('-');
    return dash != std::string::npos && dash > 0 && dash < line.find(' ') &&
           std::isxdigit(static_cast<unsigned char>(line[0]));
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

std::string kindOf(const std::string& path) {
    if (contains(path, "/fonts/") || contains(path, ".ttf") || contains(path, ".otf")) {
        return contains(path, "fontconfig") ? "font cache" : "font files";
    }
    if (contains(path, "fontconfig")) {
        return "font cache";
    }
    if (contains(path, "libQt6")) {
        return "Qt libraries";
    }
    if (contains(path, ".so")) {
        return "other libraries";
    }
    if (path.empty() || path == "[heap]" || path.starts_with("[anon") || path == "[stack]") {
        return "heap and anonymous";
    }
    if (contains(path, "SYSV") || path.starts_with("/dev/shm") || contains(path, "memfd")) {
        return "shared memory";
    }
    if (path.starts_with("/")) {
        return "program and other files";
    }
    return "other";
}

} // namespace

MemoryStatus memoryStatus() {
    const struct mallinfo2 heap = mallinfo2();
    return {statusField("VmRSS"), statusField("VmHWM"), long(heap.uordblks / 1024)};
}

std::map<std::string, long> residentByKindKb() {
    std::map<std::string, long> result;
    std::ifstream maps("/proc/self/smaps");
    std::string line;
    std::string kind;
    while (std::getline(maps, line)) {
        if (isMappingHeader(line)) {
            std::istringstream fields(line);
            std::string range, perms, offset, device, inode, path;
            fields >> range >> perms >> offset >> device >> inode;
            std::getline(fields >> std::ws, path);
            kind = kindOf(path);
        } else if (line.starts_with("Rss:")) {
            result[kind] += std::stol(line.substr(4));
        }
    }
    return result;
}

} // namespace bench
