// Chunks taken from one counter, so fast and slow items balance across threads.
#include "calc/study/parallel.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

bool ParallelFor(std::size_t count, const std::function<bool(std::size_t)>& work,
                 const StudyControl& control) {
    constexpr std::size_t kChunk = 8;
    unsigned threads = control.threads ? control.threads : std::thread::hardware_concurrency();
    threads = static_cast<unsigned>(
        std::clamp<std::size_t>((count + kChunk - 1) / kChunk, 1, std::max(threads, 1u)));

    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> end{count};  // items from here on are not needed
    std::atomic<bool> failed{false};
    std::mutex reporting;
    std::size_t done = 0;
    std::size_t reportedPercent = 0;
    std::exception_ptr failure;

    const auto lower = [&](std::size_t value) {
        std::size_t current = end.load();
        while (value < current && !end.compare_exchange_weak(current, value)) {
        }
    };
    const auto worker = [&] {
        try {
            for (;;) {
                if (failed.load(std::memory_order_relaxed) || control.Cancelled()) return;
                const std::size_t first = next.fetch_add(kChunk);
                if (first >= end.load()) return;
                const std::size_t last = std::min(first + kChunk, count);
                for (std::size_t i = first; i < last && i < end.load(); ++i)
                    if (!work(i)) lower(i + 1);
                const std::lock_guard lock(reporting);
                done += last - first;
                const std::size_t percent = done * 100 / count;
                if (control.progress && percent != reportedPercent) {
                    reportedPercent = percent;
                    control.progress(done, count);
                }
            }
        } catch (...) {
            const std::lock_guard lock(reporting);
            if (!failure) failure = std::current_exception();
            failed = true;
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t) {
        try {
            pool.emplace_back(worker);
        } catch (const std::system_error&) {
            break;  // no more threads to be had: those started share the work
        }
    }
    worker();
    for (auto& thread : pool) thread.join();
    if (failure) std::rethrow_exception(failure);
    // Chunks are taken in order and a taken chunk is finished: every item needed was done
    // when the chunk holding the last of them was taken.
    return next.load() >= end.load();
}
