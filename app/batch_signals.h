// Batch mode and the signals and standard streams it meets: a request to stop is honoured
// where the run can leave nothing behind, and standard output may be a pipe that closes.
#pragma once

#include <signal.h>

#include <atomic>

// While one lives, Ctrl-C (SIGINT), SIGTERM and SIGHUP set the flag instead of ending the
// process; the run stops at its next point and writes nothing, until its outputs are being
// put in place.
class StopRequests {
  public:
    StopRequests();
    ~StopRequests();
    StopRequests(const StopRequests&) = delete;
    StopRequests& operator=(const StopRequests&) = delete;

    const std::atomic<bool>& Flag() const;

  private:
    struct sigaction previous_[3];
};

// A write to a closed pipe fails (EPIPE) instead of ending the process. A standard stream
// closed at the start is opened on /dev/null, so that no file the program opens takes its
// number, and its C++ stream then fails every write.
void PrepareStandardStreams();
