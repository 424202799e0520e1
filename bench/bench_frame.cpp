// Timing of the general frame solver on a three-cell box: factoring the frame once, and one
// wheel position solved with the largest moment of every member, as the moving-load
// envelope repeats it for each position.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/three_cell_frame.h"
#include "calc/cells/frame_solver.h"
#include "calc/cells/member_sections.h"

namespace {

using three_cell_frame::kSpan;
using three_cell_frame::ThreeCells;
using three_cell_frame::WheelPosition;

void BM_FrameFactorThreeCells(benchmark::State& state) {
    const FrameGeometry geometry = ThreeCells().geometry;
    for (auto _ : state) {
        const FrameSolver solver(geometry);
        benchmark::DoNotOptimize(solver.Solvable());
    }
}
BENCHMARK(BM_FrameFactorThreeCells);

void BM_FrameSolveThreeCells(benchmark::State& state) {
    const auto box = ThreeCells();
    const FrameSolver solver(box.geometry);
    std::vector<FrameLoads> positions;
    for (double x = -1.5; x <= 3 * kSpan; x += 0.1) positions.push_back(WheelPosition(box, x));
    std::size_t k = 0;
    for (auto _ : state) {
        const FrameLoads& loads = positions[k++ % positions.size()];
        const FrameResponse response = solver.Solve(loads);
        for (int m = 0; m < box.geometry.memberCount; ++m)
            benchmark::DoNotOptimize(MemberMomentExtremes(box.geometry, loads, response, m));
    }
}
BENCHMARK(BM_FrameSolveThreeCells);

}  // namespace
