#pragma once

#include <string>
#include <vector>

namespace bench {

struct ChildRun {
    double seconds = 0;             // from just before the start to its first line of output
    std::vector<std::string> lines; // what it wrote on standard output
};

// Starts the program with BENCH_PROBE=probe and BENCH_START_NS (the start time on the steady
// clock) added to the environment, reads its output to the end and waits for it.
ChildRun runChild(const std::string& program, const std::string& probe);

} // namespace bench
