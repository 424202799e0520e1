// The figures of a box of two or three cells, in charts of their own that a design of one cell
// never has: the outline with every cell, middle wall and haunch and its dimensions, the loads
// of the dry case without wheels, and its M, N and S diagrams over every member.
#pragma once

#include <array>

#include "calc/calc_table.h"
#include "calc/run_work.h"

inline constexpr const char* kCellOutlineFigure = "CellChart1";  // Box外形図
inline constexpr const char* kCellLoadFigure = "CellChart2";     // 作用荷重図
inline constexpr const char* kCellMomentFigure = "CellChart3";   // 曲げﾓｰﾒﾝﾄ図
inline constexpr const char* kCellAxialFigure = "CellChart4";    // 軸力図
inline constexpr const char* kCellShearFigure = "CellChart5";    // せん断力図

inline constexpr std::array<const char*, 5> kCellFigures = {
    kCellOutlineFigure, kCellLoadFigure, kCellMomentFigure, kCellAxialFigure, kCellShearFigure};

// outline is the one-cell outline figure of the same conditions; its road line, style and
// vertical chains are kept, its box and horizontal chains redrawn for every cell.
void DrawCellFigures(const RunWork& work, const Chart& outline, CalcTable& table);
