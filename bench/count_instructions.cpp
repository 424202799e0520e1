// Runs the calculation of the default design a given number of times, for instruction counts
// under callgrind: `count_instructions run|evaluate|wet|cells N`; wet evaluates the defaults
// with the water table 1.00 m below the road and the box full, both extra load cases; cells
// evaluates the defaults as three cells under 1.00 m of cover, the wheels at every position.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/run.h"
#include "calc/study/design_result.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: count_instructions run|evaluate|wet|cells N\n");
        return 64;
    }
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
