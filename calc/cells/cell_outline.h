// The outline of a box of cells in mm, origin at its lower left outer corner: the outer
// rectangle and each cell's opening with a haunch at its upper corners, and at its lower
// corners too where the record's opening has them.
#pragma once

#include <vector>

#include "calc/cells/box_frame.h"
#include "calc/drawing/cad_drawing.h"
#include "calc/record.h"

struct CellOutline {
    std::vector<CadPoint> outer;
    std::vector<std::vector<CadPoint>> openings;  // left to right, counter-clockwise
    std::vector<double> middleAxes;               // x of each middle wall's axis
};

CellOutline CellOutlineOf(const TData& record, const CellBox& box);
