#include "signal_guard.h"

#include <array>
#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace classifier::files {
namespace {

// The signals whose default action ends the program and that come from outside it: a user, a
// terminal, a timer or a pipe with no reader.
constexpr std::array kStopSignals = {SIGHUP,  SIGINT,  SIGQUIT,   SIGTERM, SIGUSR1, SIGUSR2,
                                     SIGALRM, SIGPIPE, SIGVTALRM, SIGPROF, SIGXCPU, SIGXFSZ};

struct Slot {
    std::atomic<bool> used{false};
    int directory = -1;
    char name[256] = {};
};

std::array<Slot, 4> slots;
int guarded = 0;
// The actions replaced while a file is guarded, to put back when none is.
std::array<struct sigaction, kStopSignals.size()> replaced{};
std::array<bool, kStopSignals.size()> caught{};

extern "C" void removeGuardedFiles(int signal) {
    for (Slot& slot : slots) {
        if (slot.used.load()) {
            unlinkat(slot.directory, slot.name, 0);
        }
    }
    // Ends the program as the signal would have: blocked inside this handler, it comes again
    // with the default action once the handler returns.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = removeGuardedFiles;
    sigemptyset(&action.sa_mask);
    for (const int signal : kStopSignals) {
        sigaddset(&action.sa_mask, signal);
    }
    for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
        struct sigaction current {};
        sigaction(kStopSignals[i], nullptr, &current);
        // An ignored signal stays ignored (nohup, trap '' INT), and a handler of the program's
        // own stays in place.
        caught[i] = current.sa_handler == SIG_DFL && !(current.sa_flags & SA_SIGINFO);
        if (caught[i]) {
            sigaction(kStopSignals[i], &action, &replaced[i]);
        }
    }
}

void restoreStopSignals() {
    for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
        if (caught[i]) {
            sigaction(kStopSignals[i], &replaced[i], nullptr);
            caught[i] = false;
        }
    }
}

sigset_t stopSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kStopSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

} // namespace

int SignalGuard::guard(int directory, std::string_view name) {
    if (name.size() >= sizeof(Slot::name)) {
        return -1;
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        Slot& slot = slots[i];
        if (slot.used.load()) {
            continue;
        }
        slot.directory = directory;
        std::memcpy(slot.name, name.data(), name.size());
        slot.name[name.size()] = '\0';
        slot.used.store(true);
        if (guarded++ == 0) {
            catchStopSignals();
        }
        return static_cast<int>(i);
    }
    return -1;
}

void SignalGuard::release(int slot) {
    if (slot < 0) {
        return;
    }
    const StopSignalsBlocked blocked;
    slots[static_cast<std::size_t>(slot)].used.store(false);
    if (--guarded == 0) {
        restoreStopSignals();
    }
}

StopSignalsBlocked::StopSignalsBlocked() {
    const sigset_t stops = stopSignalSet();
    pthread_sigmask(SIG_BLOCK, &stops, &previous_);
}

StopSignalsBlocked::~StopSignalsBlocked() {
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

} // namespace classifier::files
