// Runs the calculation of the default design a given number of times, for instruction counts
// under callgrind: `count_instructions run|evaluate|wet|cells|frame N`; wet evaluates the
// defaults with the water table 1.00 m below the road and the box full, both extra load cases;
// cells evaluates the defaults as three cells under 1.00 m of cover, the wheels at every
// position; frame solves N wheel positions of a three-cell frame factored once, with every
// member's largest moment.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/three_cell_frame.h"
#include "calc/calc_table.h"
#include "calc/cells/frame_solver.h"
#include "calc/cells/member_sections.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/run.h"
#include "calc/study/design_result.h"

// The wheel positions solved one after another, each with every member's largest moment.
[[gnu::noinline]] double SolveWheelPositions(const FrameSolver& solver,
                                             const std::vector<FrameLoads>& positions) {
    double sum = 0;
    for (const FrameLoads& loads : positions) {
        const FrameResponse response = solver.Solve(loads);
        for (int m = 0; m < solver.Geometry().memberCount; ++m)
            sum += MemberMomentExtremes(solver.Geometry(), loads, response, m).largest.M;
    }
    return sum;
}

int CountFrame(int times) {
    const auto box = three_cell_frame::ThreeCells();
    const FrameSolver solver(box.geometry);
    std::vector<FrameLoads> positions;
    for (int k = 0; k < times; ++k)
        positions.push_back(three_cell_frame::WheelPosition(box, -1.5 + 0.1 * (k % 105)));
    return std::isfinite(SolveWheelPositions(solver, positions)) ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: count_instructions run|evaluate|wet|cells|frame N\n");
        return 64;
    }
    if (std::strcmp(argv[1], "frame") == 0) return CountFrame(std::atoi(argv[2]));
    const bool run = std::strcmp(argv[1], "run") == 0;
    const int times = std::atoi(argv[2]);
    DesignConditions defaults;
    if (std::strcmp(argv[1], "wet") == 0) {
        defaults.hw = "1.00";
        defaults.innerWater = 1;
    }
    if (std::strcmp(argv[1], "cells") == 0) {
        defaults.cells = 3;
        defaults.h1 = "1.00";
    }
    int completed = 0;
    for (int k = 0; k < times; ++k) {
        if (run) {
            CalcTable table;
            RecordingMessenger messenger;
            completed += RunCalculation(defaults, table, messenger) == RunResult::Completed;
        } else {
            completed += EvaluateDesign(defaults).status == RunResult::Completed;
        }
    }
    return completed == times ? 0 : 1;
}
