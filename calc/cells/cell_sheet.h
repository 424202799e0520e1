// Chapters I to IV of a box of two or three cells, in components of their own that a design
// of one cell never has, and its frame for a reviewer: the load cases without wheels and
// every sub-case that governs a design section.
#pragma once

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/run_work.h"

inline constexpr const char* kCellConditionSheet = "CellListBox1";  // Ⅰ．設計条件
inline constexpr const char* kCellLoadSheet = "CellListBox2";       // Ⅱ．荷重値
inline constexpr const char* kCellFrameSheet = "CellListBox3";      // Ⅲ．ﾗｰﾒﾝ解析
inline constexpr const char* kCellSectionGrid = "CellStringGrid1";  // Ⅳ．部材断面計算

// Whether the table holds the chapters of a box of cells.
bool HasCellChapters(const CalcTable& table);

// Takes the chapters of a box of cells out of the table.
void ClearCellChapters(CalcTable& table);

void WriteCellChapters(const RunWork& work, const DesignConditions& conditions, CalcTable& table);

// The place of the wheels of a sub-case as the sheets name it, "x=1.25m(前輪右)"; "-" without
// wheels.
std::string WheelPlaceText(const WheelPosition& wheels);
