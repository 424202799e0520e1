// The one verdict on a design. The batch's exit status, the colour of the verdict label, the
// sweep's count and table and the sizing all take it from the run, which decides it here.
#pragma once

#include <optional>
#include <span>

#include "calc/section/section_design.h"
#include "calc/water/stability.h"

// A design passes when its run completed (a run that stopped never passes), every section is
// within its allowable stresses in every load case, the box is safe against uplift and within
// the allowable ground pressure where it is checked for them, and no stage had to show a
// message: an unusual stress distribution, no bar found, bars that cannot be bent as
// computed, a frame whose equations have no solution.
bool DesignPasses(std::span<const DesignedSection> sections,
                  const std::optional<Stability>& stability, int stageMessages);
