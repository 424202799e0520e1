// Timing of the calculation: the whole run and the numbers-only evaluation on two designs, and
// the number formatting of the report lines alone.
#include <benchmark/benchmark.h>

#include <memory>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/run.h"
#include "calc/sheet/format_line.h"
#include "calc/study/design_result.h"

namespace {

// The run into a table as a new window holds it; building and destroying the table are not
// part of the run and are left out of the time, as callgrind's counts leave them out.
void RunDesign(benchmark::State& state, const DesignConditions& conditions) {
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<CalcTable>();
        RecordingMessenger messenger;
        state.ResumeTiming();
        const RunResult result = RunCalculation(conditions, *table, messenger);
        benchmark::DoNotOptimize(result);
        state.PauseTiming();
        benchmark::DoNotOptimize(*table);
        table.reset();
        state.ResumeTiming();
    }
}

// The input page as the program opens: T-25 under 4.20 m of cover (load case 4).
void BM_RunDefaults(benchmark::State& state) {
    RunDesign(state, DesignConditions{});
}
BENCHMARK(BM_RunDefaults);

// T-25 under 1.0 m of cover, standard combination (load case 1).
DesignConditions ShallowCover() {
    DesignConditions conditions;
    conditions.h1 = "1.00";
    conditions.combination = 0;
    return conditions;
}

void BM_RunShallowCover(benchmark::State& state) {
    RunDesign(state, ShallowCover());
}
BENCHMARK(BM_RunShallowCover);

// The window's case: one table, run again and again.
void BM_RunDefaultsIntoOneTable(benchmark::State& state) {
    CalcTable table;
    for (auto _ : state) {
        RecordingMessenger messenger;
        benchmark::DoNotOptimize(RunCalculation(DesignConditions{}, table, messenger));
    }
}
BENCHMARK(BM_RunDefaultsIntoOneTable);

void EvaluateOne(benchmark::State& state, const DesignConditions& conditions) {
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateDesign(conditions));
}

void BM_EvaluateDefaults(benchmark::State& state) {
    EvaluateOne(state, DesignConditions{});
}
BENCHMARK(BM_EvaluateDefaults);

void BM_EvaluateShallowCover(benchmark::State& state) {
    EvaluateOne(state, ShallowCover());
}
BENCHMARK(BM_EvaluateShallowCover);

void FormatOne(benchmark::State& state, const char* pattern, double value) {
    const std::string text = pattern;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(FormatLine(text, value));
    }
}

void BM_FormatLine_Moment(benchmark::State& state) {
    FormatOne(state, "+0.00kNm;-0.00kNm", -123.456);
}
BENCHMARK(BM_FormatLine_Moment);

void BM_FormatLine_Thousands(benchmark::State& state) {
    FormatOne(state, "#,0", 1234.5);
}
BENCHMARK(BM_FormatLine_Thousands);

void BM_FormatLine_SheetLine(benchmark::State& state) {
    FormatOne(state, "　　  Bo (ﾗｰﾒﾝ軸幅)          =0.00m", 3.5);
}
BENCHMARK(BM_FormatLine_SheetLine);

void BM_FormatLine_Small(benchmark::State& state) {
    FormatOne(state, "0.000", 0.0123);
}
BENCHMARK(BM_FormatLine_Small);

}  // namespace
