// Work spread over every core with std::thread, with progress and cancelling.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>

struct StudyControl {
    // Set from anywhere (a signal handler, another thread) to stop soon.
    const std::atomic<bool>* cancel = nullptr;
    // Told how many of how many items are done, at most once a percent; called on a worker
    // thread, one call at a time.
    std::function<void(std::size_t done, std::size_t total)> progress;
    unsigned threads = 0;  // 0: one a core

    bool Cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
};

// Calls work(i) for the items i below count, on several threads in small chunks taken in
// increasing order. When work(i) returns false, the items after i are no longer needed and
// are skipped; every item before it is still done. False when cancelled before the end. An
// exception thrown by work is thrown again here once every thread has stopped.
bool ParallelFor(std::size_t count, const std::function<bool(std::size_t)>& work,
                 const StudyControl& control);
