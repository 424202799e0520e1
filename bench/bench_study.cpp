// Timing of the design studies on every core: a sweep of 1,000 covers, the sizing over covers
// of 0.5 m to 10 m in 0.5 m steps, and the sizing of the default box as three cells over the
// study tab's default range. Wall-clock time, since the work runs on threads.
#include <benchmark/benchmark.h>

#include "calc/study/numeric_inputs.h"
#include "calc/study/sizing.h"
#include "calc/study/study_table.h"

namespace {

// 1,000 covers of the defaults, 0.50 m to 10.49 m in 0.01 m steps.
void BM_Sweep1000Covers(benchmark::State& state) {
    std::string error;
    const std::vector<SweepRange> ranges = {*ParseSweepRange("h1=0.5:10.49:0.01", error)};
    StudyControl control;
    control.threads = static_cast<unsigned>(state.range(0));
    std::size_t designs = 0;
    for (auto _ : state) {
        StudyTable table(ranges);
        EvaluateRows(DesignConditions{}, table, control);
        designs += table.size();
        benchmark::DoNotOptimize(table);
    }
    state.counters["designs/s"] =
        benchmark::Counter(static_cast<double>(designs), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Sweep1000Covers)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The thinnest box of the defaults passing at 0.5, 1.0, … 10.0 m of cover.
void BM_SizingCovers05To10(benchmark::State& state) {
    std::vector<std::string> covers;
    for (int k = 1; k <= 20; ++k) covers.push_back(DecimalText(0.5 * k));
    StudyControl control;
    control.threads = static_cast<unsigned>(state.range(0));
    std::size_t evaluations = 0;
    for (auto _ : state) {
        std::string error;
        const auto sized = SizeBox(DesignConditions{}, covers, control, error);
        evaluations = sized ? sized->evaluations : 0;
        benchmark::DoNotOptimize(sized);
    }
    state.counters["designs evaluated"] = static_cast<double>(evaluations);
}
BENCHMARK(BM_SizingCovers05To10)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The default box as three cells, Tu, TL, Tb and Tm sized over the covers the study tab offers
// for its cover of 4.20 m: 0.50, 0.60, … 8.40 m.
void BM_SizingThreeCells(benchmark::State& state) {
    std::vector<std::string> covers;
    for (int k = 5; k <= 84; ++k) covers.push_back(DecimalText(0.1 * k));
    DesignConditions base;
    base.cells = 3;
    std::size_t evaluations = 0;
    for (auto _ : state) {
        std::string error;
        const auto sized = SizeBox(base, covers, StudyControl{}, error);
        evaluations = sized ? sized->evaluations : 0;
        benchmark::DoNotOptimize(sized);
    }
    state.counters["designs evaluated"] = static_cast<double>(evaluations);
}
BENCHMARK(BM_SizingThreeCells)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
