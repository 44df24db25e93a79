#pragma once

#include "cli/run.h"

#include <cstdio>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace classifier::cli::test {

struct CommandResult {
    int status = -1;
    std::string output;
    std::string errors;  // what the command said on standard error, but its summary
    std::string summary; // the summary line of a run that went through, without its line end
};

// Takes the run's summary, the last line of what it said, away from the rest: every line of a
// problem starts with the program's name.
inline std::string takeSummary(std::string& errors) {
    if (errors.empty() || errors.back() != '\n') {
        return {};
    }
    const std::size_t start = errors.rfind('\n', errors.size() - 2);
    const std::size_t from = start == std::string::npos ? 0 : start + 1;
    if (errors.compare(from, 14, "soil-classify:") == 0) {
        return {};
    }
    std::string summary = errors.substr(from, errors.size() - 1 - from);
    errors.erase(from);
    return summary;
}

inline std::string readAll(int fd) {
    lseek(fd, 0, SEEK_SET);
    std::string text;
    char block[4096];
    for (ssize_t n; (n = read(fd, block, sizeof block)) > 0;) {
        text.append(block, static_cast<std::size_t>(n));
    }
    return text;
}

// Runs the command in this process with `input` as its standard input.
inline CommandResult runCommand(std::vector<std::string> arguments, const std::string& input,
                                const Environment& environment = {}) {
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::fflush(in);
    lseek(fileno(in), 0, SEEK_SET);
    std::vector<const char*> argv{"soil-classify"};
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    std::ostringstream errors;
    CommandResult result;
    result.status = run(argv, environment, fileno(in), fileno(out), errors);
    result.output = readAll(fileno(out));
    result.errors = errors.str();
    result.summary = takeSummary(result.errors);
    std::fclose(in);
    std::fclose(out);
    return result;
}

} // namespace classifier::cli::test
