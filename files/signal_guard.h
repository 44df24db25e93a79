#pragma once

#include <csignal>
#include <string_view>

namespace classifier::files {

// Removes the named temporary files still in the making when a signal ends the program. Only
// signals that end the program by default and were not ignored or handled when the guard was
// set are caught; an ignored signal stays ignored. Nothing can be done on SIGKILL.
class SignalGuard {
public:
    // Guards the file `name` in the folder `directory` (a descriptor the caller keeps open
    // until release). Call with the stop signals blocked (see StopSignalsBlocked) between
    // making the file and guarding it. Gives a slot, or -1 when every slot is taken.
    static int guard(int directory, std::string_view name);
    static void release(int slot);
};

// Blocks the signals the guard catches for as long as it lives, so that a file and its guard
// come and go together.
class StopSignalsBlocked {
public:
    StopSignalsBlocked();
    StopSignalsBlocked(const StopSignalsBlocked&) = delete;
    StopSignalsBlocked& operator=(const StopSignalsBlocked&) = delete;
    ~StopSignalsBlocked();

private:
    sigset_t previous_;
};

} // namespace classifier::files
