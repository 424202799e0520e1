// Quantities per metre of a box of cells: its concrete, its formwork and every main bar.
#pragma once

#include "calc/cells/cell_bars.h"
#include "calc/cells/cell_design.h"
#include "calc/record.h"
#include "calc/section/quantities.h"

// The bar search found every bar of the box and every bar length is positive.
bool CellBarsFound(const CellDesign& design, const CellBarLengths& lengths);

// The formwork of the outer wall faces and of every cell as in a box of one cell.
double CellFormworkArea(const TData& record, const CellBox& box);

// The bars ① to ⑤ as in a box of one cell; per middle wall one bar ⑥, one ⑦ and two ⑧.
Quantities ComputeCellQuantities(const TData& record, const CellDesign& design,
                                 const CellBarLengths& lengths);
