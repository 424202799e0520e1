// Time of one calculation run on the default design conditions.
#include <benchmark/benchmark.h>

#include "calc/run.h"

namespace {

void RunDefaults(benchmark::State& state) {
    const DesignConditions conditions;
    CalcTable table;
    for (auto _ : state) {
        RecordingMessenger messenger;
        benchmark::DoNotOptimize(RunCalculation(conditions, table, messenger));
    }
}
BENCHMARK(RunDefaults)->Unit(benchmark::kMicrosecond);

}  // namespace
