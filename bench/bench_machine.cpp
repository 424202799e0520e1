// Probes of the machine itself, with none of the program's code in them. On a shared machine the
// caches go through slower and faster phases that last from seconds to minutes; run beside the
// calculation's benchmarks, these tell whether a slower launch was the program or the machine.
//   BM_CacheProbe/32    a chase through 32 KB, what the first-level data cache holds
//   BM_CacheProbe/1024  a chase through 1 MB, about what the second level holds
//   BM_CoreProbe        a chain of dependent integer steps, which touches no memory
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int kSteps = 4096;

// The time of one step, from the time of the kSteps in each iteration.
benchmark::Counter TimePerStep() {
    return benchmark::Counter(
        kSteps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// One element a cache line, each naming the next line of a random cycle through all of them, so
// that every step waits for a load the prefetchers cannot foresee.
std::vector<std::uint32_t> CacheLineCycle(std::size_t bytes) {
    constexpr std::size_t kLine = 64 / sizeof(std::uint32_t);
    const std::size_t lines = bytes / 64;
    std::vector<std::uint32_t> order(lines);
    std::iota(order.begin(), order.end(), 0u);
    std::shuffle(order.begin() + 1, order.end(), std::mt19937(1));
    std::vector<std::uint32_t> next(lines * kLine);
    for (std::size_t i = 0; i < lines; ++i)
        next[order[i] * kLine] = static_cast<std::uint32_t>(order[(i + 1) % lines] * kLine);
    return next;
}

void BM_CacheProbe(benchmark::State& state) {
    const std::vector<std::uint32_t> next =
        CacheLineCycle(static_cast<std::size_t>(state.range(0)) * 1024);
    std::uint32_t at = 0;
    for (auto _ : state) {
        for (int i = 0; i < kSteps; ++i) at = next[at];
        benchmark::DoNotOptimize(at);
    }
    state.counters["time_per_step"] = TimePerStep();
}
BENCHMARK(BM_CacheProbe)->Arg(32)->Arg(1024);

void BM_CoreProbe(benchmark::State& state) {
    std::uint64_t x = 88172645463325252u;
    for (auto _ : state) {
        for (int i = 0; i < kSteps; ++i) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
        }
        benchmark::DoNotOptimize(x);
    }
    state.counters["time_per_step"] = TimePerStep();
}
BENCHMARK(BM_CoreProbe);

}  // namespace
