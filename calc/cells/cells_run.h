// The run of a box of two or three cells: its own stages, which the run takes once the
// conditions have passed their checks.
#pragma once

#include <span>

#include "calc/run_stages.h"

std::span<const Stage> CellStages();
