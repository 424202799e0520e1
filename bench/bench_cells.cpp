// Timing of the numbers-only evaluation of a box of three cells on one core: the default box
// (load case 4, one sub-case) and the same box under 1.00 m of cover, where the wheels take
// every position across the top.
#include <benchmark/benchmark.h>

#include "calc/study/design_result.h"

namespace {

void BM_EvaluateThreeCells(benchmark::State& state) {
    DesignConditions conditions;
    conditions.cells = 3;
    if (state.range(0) == 1) conditions.h1 = "1.00";
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateDesign(conditions));
}
BENCHMARK(BM_EvaluateThreeCells)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
