// SPDX-License-Identifier: Apache-2.0
#include "io/temporary_cleanup.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace korvanex {

namespace {

constexpr int Slots = 8;
constexpr std::size_t PathCapacity = 4096;
// Every signal that ends the program by default and can be caught, but those of a fault in the
// program itself (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS), after which nothing is
// to be trusted, and the profiling timers. SIGPIPE is among them: where it is not ignored it ends the
// program. SIGXFSZ is ignored instead, so that a write beyond the file-size limit fails (EFBIG) and
// the writer tells it.
constexpr std::array<int, 8> CleanedSignals = {SIGHUP,  SIGINT,  SIGQUIT, SIGTERM,
                                               SIGUSR1, SIGUSR2, SIGALRM, SIGPIPE};

// A signal handler may only read what is complete: a slot's path is written before it is marked in use.
struct Slot {
    std::atomic<bool> inUse{false};
    char path[PathCapacity] = {};
};

std::array<Slot, Slots> slots;
std::array<struct sigaction, CleanedSignals.size()> previousActions;

void removeTemporaries(int signal) {
    // The action raised below may be a handler that returns to the interrupted code.
    const int savedErrno = errno;
    for (Slot& slot : slots) {
        if (slot.inUse.load()) {
            ::unlink(slot.path);
        }
    }
    for (std::size_t index = 0; index < CleanedSignals.size(); ++index) {
        if (CleanedSignals[index] == signal) {
            ::sigaction(signal, &previousActions[index], nullptr);
        }
    }
    ::raise(signal);
    errno = savedErrno;
}

void installHandlers() {
    struct sigaction sizeLimit {};
    if (::sigaction(SIGXFSZ, nullptr, &sizeLimit) == 0 && sizeLimit.sa_handler == SIG_DFL) {
        ::signal(SIGXFSZ, SIG_IGN);
    }
    for (std::size_t index = 0; index < CleanedSignals.size(); ++index) {
        struct sigaction action {};
        action.sa_handler = removeTemporaries;
        ::sigemptyset(&action.sa_mask);
        ::sigaction(CleanedSignals[index], nullptr, &previousActions[index]);
        if (previousActions[index].sa_handler != SIG_IGN) {
            ::sigaction(CleanedSignals[index], &action, nullptr);
        }
    }
}

} // namespace

TemporaryFileRegistration::TemporaryFileRegistration(const std::string& path) : slot_(-1) {
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    if (path.size() >= PathCapacity) {
        return;
    }
    static std::mutex claiming;
    const std::lock_guard lock(claiming);
    for (int index = 0; index < Slots; ++index) {
        Slot& slot = slots[index];
        if (!slot.inUse.load()) {
            std::memcpy(slot.path, path.c_str(), path.size() + 1);
            slot.inUse.store(true);
            slot_ = index;
            return;
        }
    }
}

TemporaryFileRegistration::~TemporaryFileRegistration() {
    if (slot_ >= 0) {
        slots[slot_].inUse.store(false);
    }
}

} // namespace korvanex
