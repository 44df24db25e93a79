#include "run.h"

#include "files/descriptors.h"

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    // First of all, so that no file the command opens takes the place of a closed stream.
    const classifier::files::StandardStreams streams = classifier::files::reserveStandardStreams();
    std::ios::sync_with_stdio(false);
    const classifier::cli::Environment environment{variable("LC_ALL"), variable("LC_MESSAGES"),
                                                   variable("LANG")};
    return classifier::cli::run({argv, static_cast<std::size_t>(argc)}, environment,
                                streams.input ? STDIN_FILENO : -1,
                                streams.output ? STDOUT_FILENO : -1, std::cerr);
}
