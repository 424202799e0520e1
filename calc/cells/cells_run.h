// The run of a box of two or three cells, which the run takes once the conditions have passed
// their checks.
#pragma once

#include "calc/run_work.h"

// Computes the stages of a box of two or three cells, with each stage's writers when there is
// a table. This version has no such calculation: it stops with a message instead of computing
// one cell in its place.
RunResult ComputeCellsRun(const DesignConditions& conditions, RunWork& work, Messenger& messenger,
                          CalcTable* table);
