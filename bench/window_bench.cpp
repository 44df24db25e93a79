// Starts window programs as separate processes and compares them with the first one:
//   window_bench startup <runs> <program>...  wall time to first paint and peak memory
//   window_bench memory <program>...          memory and time at each stage of start-up
//   window_bench idle <seconds> <program>...  CPU time and repaints of each, left alone
#include "run_child.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using bench::runChild;

struct Program {
    std::string path;
    std::vector<double> milliseconds;
    std::vector<double> peakKb;

    // "bench_form_window" is shown as "form".
    std::string label() const {
        std::string name = path.substr(path.rfind('/') + 1);
        for (const char* part : {"bench_", "_window"}) {
            if (const std::size_t at = name.find(part); at != std::string::npos) {
                name.erase(at, std::string_view(part).size());
            }
        }
        return name;
    }
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void startOnce(Program& program) {
    const bench::ChildRun run = runChild(program.path, "startup");
    std::istringstream line(run.lines.at(0)); // "first-paint <peak RSS kB>"
    std::string word;
    double peakKb = 0;
    line >> word >> peakKb;
    program.milliseconds.push_back(run.seconds * 1000);
    program.peakKb.push_back(peakKb);
}

int startup(std::vector<Program> programs, int runs) {
    for (Program& program : programs) { // fills the page cache; not counted
        startOnce(program);
        program.milliseconds.clear();
        program.peakKb.clear();
    }
    const std::size_t n = programs.size();
    for (int run = 0; run < runs; ++run) { // interleaved, each going first in turn
        for (std::size_t i = 0; i < n; ++i) {
            startOnce(programs[(i + std::size_t(run)) % n]);
        }
    }
    std::printf("%d starts of each, interleaved; ratios to %s\n", runs,
                programs[0].label().c_str());
    std::printf("%-10s %12s %9s %9s %7s %15s %7s\n", "window", "median paint", "fastest", "slowest",
                "ratio", "median peak RSS", "ratio");
    const double baseTime = median(programs[0].milliseconds);
    const double baseMemory = median(programs[0].peakKb);
    for (const Program& p : programs) {
        const auto [low, high] = std::minmax_element(p.milliseconds.begin(), p.milliseconds.end());
        std::printf("%-10s %9.1f ms %6.1f ms %6.1f ms %7.2f %12.0f kB %7.2f\n", p.label().c_str(),
                    median(p.milliseconds), *low, *high, median(p.milliseconds) / baseTime,
                    median(p.peakKb), median(p.peakKb) / baseMemory);
    }
    return 0;
}

using Figures = std::vector<std::pair<std::string, long>>;

// The probe's "<what>\t<figure>" lines, in the order it wrote them.
Figures memoryReport(const std::string& path) {
    Figures figures;
    for (const std::string& line : runChild(path, "memory").lines) {
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos) {
            figures.emplace_back(line.substr(0, tab), std::stol(line.substr(tab + 1)));
        }
    }
    return figures;
}

long figure(const Figures& figures, const std::string& name) {
    for (const auto& [what, value] : figures) {
        if (what == name) {
            return value;
        }
    }
    return 0;
}

int memory(const std::vector<Program>& programs) {
    std::vector<Figures> reports;
    Figures names; // every figure any program reported, first seen first
    for (const Program& program : programs) {
        reports.push_back(memoryReport(program.path));
        for (const auto& entry : reports.back()) {
            if (std::none_of(names.begin(), names.end(),
                             [&](const auto& seen) { return seen.first == entry.first; })) {
                names.push_back(entry);
            }
        }
    }
    std::printf("%-36s", "");
    for (const Program& program : programs) {
        std::printf(" %10s", program.label().c_str());
    }
    std::printf("   (last minus first)\n");
    for (const auto& [name, unused] : names) {
        std::printf("%-36s", name.c_str());
        for (const Figures& report : reports) {
            std::printf(" %10ld", figure(report, name));
        }
        std::printf("   %+ld\n", figure(reports.back(), name) - figure(reports.front(), name));
    }
    return 0;
}

int idle(const std::string& seconds, const std::vector<Program>& programs) {
    for (const Program& program : programs) {
        std::printf("%s:\n", program.label().c_str());
        for (const std::string& line : runChild(program.path, "idle:" + seconds).lines) {
            std::printf("  %s\n", line.c_str());
        }
    }
    return 0;
}

int usage() {
    std::fprintf(stderr, "usage: window_bench startup <runs> <program>...\n"
                         "       window_bench memory <program>...\n"
                         "       window_bench idle <seconds> <program>...\n");
    return 2;
}

std::vector<Program> programsFrom(std::vector<std::string>::const_iterator first,
                                  std::vector<std::string>::const_iterator last) {
    std::vector<Program> programs;
    for (auto it = first; it != last; ++it) {
        programs.push_back({*it, {}, {}});
    }
    return programs;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() >= 3 && args[0] == "startup") {
            return startup(programsFrom(args.begin() + 2, args.end()), std::stoi(args[1]));
        }
        if (args.size() >= 2 && args[0] == "memory") {
            return memory(programsFrom(args.begin() + 1, args.end()));
        }
        if (args.size() >= 3 && args[0] == "idle") {
            return idle(args[1], programsFrom(args.begin() + 2, args.end()));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "window_bench: %s\n", error.what());
        return 1;
    }
    return usage();
}
