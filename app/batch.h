// The batch mode: one calculation without a window.
#pragma once

// Runs with the command-line arguments; returns the exit status (0 completed, 2 a check
// failed, 1 a conversion or file error).
int RunBatch(int argc, char** argv);
