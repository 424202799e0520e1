// Chapter V of a box of cells: the processing dimensions of every main bar (the sheet and its
// dimension table) and the main-bar drawing showing every cell.
#pragma once

#include "calc/calc_table.h"
#include "calc/cells/cell_bars.h"
#include "calc/cells/cell_design.h"
#include "calc/record.h"

inline constexpr const char* kCellRebarSheet = "CellListBox6";  // 主鉄筋加工寸法
inline constexpr const char* kCellRebarGrid = "CellStringGrid2";
inline constexpr const char* kCellRebarChart = "CellChart13";  // 主鉄筋図

void WriteCellBars(const TData& record, const CellDesign& design, const CellBarLengths& lengths,
                   CalcTable& table);

void DrawCellMainRebar(const TData& record, const CellDesign& design, const CellBarLengths& lengths,
                       CalcTable& table);
