// Uplift and ground pressure of a box of two or three cells, by the rules of one cell: the
// concrete and the inner space of every cell, the bottom slab's weight with a haunch under
// each cell, and the largest ground reaction at each outer wall over the wheel positions.
#pragma once

#include "calc/cells/cell_design.h"
#include "calc/water/stability.h"

Stability CellStability(const TKakou& record, const CellDesign& design, const WaterInputs& water,
                        int foundation);
