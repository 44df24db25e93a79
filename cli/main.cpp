#include "run.h"

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
    std::ios::sync_with_stdio(false);
    const classifier::cli::Environment environment{variable("LC_ALL"), variable("LC_MESSAGES"),
                                                   variable("LANG")};
    return classifier::cli::run({argv, static_cast<std::size_t>(argc)}, environment, STDIN_FILENO,
                                STDOUT_FILENO, std::cerr);
}
