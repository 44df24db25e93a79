#pragma once

#include <map>
#include <string>

namespace bench {

struct MemoryStatus {
    long rssKb = 0;
    long peakRssKb = 0;
    long heapInUseKb = 0; // bytes the allocator has handed out and not had back
};

MemoryStatus memoryStatus();

// Resident memory of this process by what is mapped: fonts, the font cache, Qt's libraries,
// other libraries, the program itself, heap and anonymous memory, shared memory.
std::map<std::string, long> residentByKindKb();

} // namespace bench
