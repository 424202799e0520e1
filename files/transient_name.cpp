// The names live in a fixed table that a signal handler can read without taking a lock or
// allocating; the handler removes them and ends the process as the signal would have.
#include "files/transient_name.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>

namespace {

constexpr int kFree = -1;
constexpr int kFilling = -2;

struct Slot {
    std::atomic<int> folder{kFree};  // the open folder once the name is complete
    char name[NAME_MAX + 1];
};
static_assert(std::atomic<int>::is_always_lock_free);

Slot slots[64];

// Signals whose default action ends the process (SIGKILL and SIGSTOP cannot be caught).
constexpr int kEndingSignals[] = {SIGHUP,  SIGINT,  SIGQUIT,   SIGILL,  SIGTRAP,   SIGABRT,
                                  SIGBUS,  SIGFPE,  SIGUSR1,   SIGSEGV, SIGUSR2,   SIGPIPE,
                                  SIGALRM, SIGTERM, SIGXCPU,   SIGXFSZ, SIGVTALRM, SIGPROF,
                                  SIGIO,   SIGPWR,  SIGSTKFLT, SIGSYS};

extern "C" void RemoveNamesAndEnd(int signal) {
    for (Slot& slot : slots) {
        const int folder = slot.folder.load(std::memory_order_acquire);
        if (folder >= 0) unlinkat(folder, slot.name, 0);
    }
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    raise(signal);  // delivered as the handler returns
}

// Every signal that would end the process as things stand removes the names first; a
// signal the program handles or ignores is left to it.
void CoverEndingSignals() {
    for (const int signal : kEndingSignals) {
        struct sigaction current {};
        if (sigaction(signal, nullptr, &current) != 0) continue;
        if ((current.sa_flags & SA_SIGINFO) || current.sa_handler != SIG_DFL) continue;
        struct sigaction action {};
        action.sa_handler = RemoveNamesAndEnd;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

}  // namespace

void TransientName::Hold(int folder, const std::string& name) {
    Remove();
    folder_ = folder;
    name_ = name;
    CoverEndingSignals();
    if (name.size() > NAME_MAX) return;
    for (int k = 0; k < static_cast<int>(std::size(slots)); ++k) {
        int expected = kFree;
        if (!slots[k].folder.compare_exchange_strong(expected, kFilling)) continue;
        std::memcpy(slots[k].name, name.c_str(), name.size() + 1);
        slots[k].folder.store(folder, std::memory_order_release);
        slot_ = k;
        return;
    }
}

void TransientName::Release() {
    if (slot_ >= 0) slots[slot_].folder.store(kFree, std::memory_order_release);
    slot_ = -1;
    folder_ = -1;
}

void TransientName::Remove() {
    if (Held()) unlinkat(folder_, name_.c_str(), 0);
    Release();
}
