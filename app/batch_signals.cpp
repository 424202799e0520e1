// Signal handlers that only set a lock-free flag, which the study threads and the file
// commit read.
#include "app/batch_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

namespace {

std::atomic<bool> stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void OnStopRequest(int) {
    stopRequested = true;
}

}  // namespace

StopRequests::StopRequests() {
    stopRequested = false;
    struct sigaction action {};
    action.sa_handler = OnStopRequest;
    sigemptyset(&action.sa_mask);
    for (int k = 0; k < 3; ++k) sigaction(kStopSignals[k], &action, &previous_[k]);
}

StopRequests::~StopRequests() {
    for (int k = 0; k < 3; ++k) sigaction(kStopSignals[k], &previous_[k], nullptr);
}

const std::atomic<bool>& StopRequests::Flag() const {
    return stopRequested;
}

void PrepareStandardStreams() {
    signal(SIGPIPE, SIG_IGN);
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int opened = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            dup2(opened, fd);
            close(opened);
        }
        if (fd == STDOUT_FILENO) std::cout.setstate(std::ios::badbit);
        if (fd == STDERR_FILENO) std::cerr.setstate(std::ios::badbit);
    }
}
