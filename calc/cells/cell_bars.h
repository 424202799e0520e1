// Bending and cutting dimensions of the main bars of a box of cells, in mm. The outer bars ①
// and ② go round the whole box, the inner bars ③ and ④ run across its whole width through
// the middle walls and the bars ⑤ stand in the outer walls, all as in a box of one cell with
// the box's outer B and H. Over each middle wall the top slab has the straight bar ⑥ at its
// upper face and the bottom slab ⑦ at its lower face. Each middle wall has the bars ⑧ on both
// faces, anchored into both slabs.
#pragma once

#include <array>

#include "calc/cells/box_frame.h"
#include "calc/cells/cell_sections.h"
#include "calc/record.h"
#include "calc/section/rebar_lengths.h"
#include "calc/work_arrays.h"

// The bar schedule of a box of cells: stress type, common pitch, bars ② ① ⑤ ③ ④ ⑥ ⑦ ⑧.
using CellBarSchedule = std::array<int, kCellBarEntries>;

// The entries a box of one cell has, for the bars ① to ⑤.
BarSchedule OuterBarSchedule(const CellBarSchedule& bars);

// A straight bar over a middle wall: from the wall's axis `reach` to either side.
struct OverWallBar {
    Single La = 0;      // anchorage beyond the quarter span
    Single reach = 0;   // Bu/4 + La
    Single length = 0;  // Tm + 2·reach
};

// The bars ⑧ of a middle wall: straight from the lower bars of the bottom slab to the upper
// bars of the top slab; where the anchorage does not fit in a slab's depth, the rest is bent
// along that slab into the cell.
struct MiddleWallBar {
    Single La = 0;
    Single straight = 0;                   // H − dTop − dBottomLower
    Single depthTop = 0, depthBottom = 0;  // into the slabs past their inner faces
    Single hookTop = 0, hookBottom = 0;    // the bent rests; 0 where the anchorage fits
    Single length = 0;
};

struct CellBarLengths {
    RebarLengths outer;       // ① to ⑤
    OverWallBar top, bottom;  // ⑥ and ⑦
    MiddleWallBar wall;       // ⑧
};

CellBarLengths ComputeCellBarLengths(const TData& record, const CellBox& box,
                                     const CellBarSchedule& bars);
