// The cross-section of a box of cells with every main bar as a full-size CAD drawing in mm,
// origin at the lower left outer corner: the outline with each cell's opening and haunches,
// the bars ① to ⑤ as in a box of one cell, over each middle wall the bars ⑥ and ⑦ and the
// wall's bars ⑧ on both faces, the marks and the dimensions.
#pragma once

#include "calc/calc_table.h"
#include "calc/cells/cell_bars.h"
#include "calc/cells/cell_design.h"
#include "calc/drawing/cad_drawing.h"
#include "calc/record.h"

CadDrawing DrawCellSectionCad(const TData& record, const CellDesign& design,
                              const CellBarLengths& lengths);

// The stage: keeps the drawing with its load case and materials in the table.
void DrawCellSection(const TData& record, const CellDesign& design, const CellBarLengths& lengths,
                     int loadCase, const std::string& steelGrade, CalcTable& table);
