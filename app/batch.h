// The batch mode: one calculation without a window.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "calc/run.h"

using CalculationRun = std::function<RunResult(const DesignConditions&, CalcTable&, Messenger&)>;

// Runs with the command-line arguments; returns the exit status (0 the design passes, 3 it
// completed without passing, 2 a check failed, 1 a conversion or file error, arguments it
// does not know or too little memory, 130 interrupted before anything was written).
int RunBatch(int argc, char** argv);

// The same with the arguments after the program name, the streams for what is written where
// and the calculation to run. Ctrl-C, SIGTERM and SIGHUP stop it while it runs.
int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             const CalculationRun& run = RunCalculation);
