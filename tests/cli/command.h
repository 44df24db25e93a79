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
    std::string errors;
};

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
    std::fclose(in);
    std::fclose(out);
    return result;
}

} // namespace classifier::cli::test
