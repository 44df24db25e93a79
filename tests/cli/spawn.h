#pragma once

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "command.h"

extern char** environ;

namespace classifier::cli::test {

// How the command's standard streams are set up: a file of the given name in its folder, or
// closed; by default input from `input` and output and errors captured.
struct Streams {
    std::string input;
    std::optional<std::string> outputFile; // a file in the folder, truncated or appended to
    bool appendOutput = false;
    bool outputClosed = false;
    int ignoredSignal = 0; // ignored when the command starts, as under nohup
    int inputFd = -1;      // instead of `input`: this descriptor
};

struct Finished {
    int status = -1; // the wait status
    std::string output;
    std::string errors; // but the run's summary
    std::string summary;
};

inline std::string contentsOf(int fd) {
    lseek(fd, 0, SEEK_SET);
    std::string text;
    char block[4096];
    for (ssize_t n; (n = read(fd, block, sizeof block)) > 0;) {
        text.append(block, static_cast<std::size_t>(n));
    }
    return text;
}

// Starts soil-classify in `folder`; every signal has its default action but the ignored one.
inline pid_t startCommand(const std::string& folder, const std::vector<std::string>& arguments,
                          const Streams& streams, int output, int errors) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::FILE* input = nullptr;
    if (streams.inputFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, streams.inputFd, STDIN_FILENO);
    } else {
        input = std::tmpfile();
        std::fwrite(streams.input.data(), 1, streams.input.size(), input);
        std::fflush(input);
        lseek(fileno(input), 0, SEEK_SET);
        posix_spawn_file_actions_adddup2(&actions, fileno(input), STDIN_FILENO);
    }
    if (streams.outputClosed) {
        posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
    } else if (streams.outputFile) {
        posix_spawn_file_actions_addopen(
            &actions, STDOUT_FILENO, (folder + "/" + *streams.outputFile).c_str(),
            O_WRONLY | O_CREAT | (streams.appendOutput ? O_APPEND : O_TRUNC), 0644);
    } else {
        posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    }
    posix_spawn_file_actions_adddup2(&actions, errors, STDERR_FILENO);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all;
    sigfillset(&all);
    sigdelset(&all, SIGKILL);
    sigdelset(&all, SIGSTOP);
    if (streams.ignoredSignal) {
        sigdelset(&all, streams.ignoredSignal);
    }
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    std::vector<char*> argv{const_cast<char*>(SOIL_CLASSIFY)};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    // An ignored action is what a program inherits across exec; it is set here only for the
    // moment of the start.
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    if (streams.ignoredSignal) {
        sigaction(streams.ignoredSignal, &ignore, &previous);
    }
    pid_t pid = -1;
    posix_spawn(&pid, SOIL_CLASSIFY, &actions, &attributes, argv.data(), environ);
    if (streams.ignoredSignal) {
        sigaction(streams.ignoredSignal, &previous, nullptr);
    }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (input) {
        std::fclose(input);
    }
    return pid;
}

// Runs soil-classify in `folder` to its end.
inline Finished runIn(const std::string& folder, const std::vector<std::string>& arguments,
                      const Streams& streams = {}) {
    std::FILE* output = std::tmpfile();
    std::FILE* errors = std::tmpfile();
    const pid_t pid = startCommand(folder, arguments, streams, fileno(output), fileno(errors));
    Finished finished;
    if (pid > 0) {
        waitpid(pid, &finished.status, 0);
    }
    finished.output = contentsOf(fileno(output));
    finished.errors = contentsOf(fileno(errors));
    finished.summary = takeSummary(finished.errors);
    std::fclose(output);
    std::fclose(errors);
    return finished;
}

} // namespace classifier::cli::test
