#include "run_child.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {
namespace {

std::vector<std::string> environmentWith(const std::vector<std::string>& settings) {
    std::vector<std::string> result = settings;
    for (char** entry = environ; *entry; ++entry) {
        if (!std::string_view(*entry).starts_with("BENCH_")) {
            result.emplace_back(*entry);
        }
    }
    return result;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& text : texts) {
        result.push_back(text.data());
    }
    result.push_back(nullptr);
    return result;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

} // namespace

ChildRun runChild(const std::string& program, const std::string& probe) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);

    std::vector<std::string> arguments{program};
    const auto start = std::chrono::steady_clock::now();
    const auto startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    std::vector<std::string> environment =
        environmentWith({"BENCH_PROBE=" + probe, "BENCH_START_NS=" + std::to_string(startNs)});
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr,
                                   pointersTo(arguments).data(), pointersTo(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (failed) {
        close(pipeEnds[0]);
        throw std::runtime_error("cannot start " + program);
    }
    std::string output;
    auto firstLine = start;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        if (firstLine == start &&
            std::string_view(buffer, std::size_t(n)).find('\n') != std::string_view::npos) {
            firstLine = std::chrono::steady_clock::now();
        }
        output.append(buffer, std::size_t(n));
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(program + " failed");
    }
    return {std::chrono::duration<double>(firstLine - start).count(), splitLines(output)};
}

} // namespace bench
