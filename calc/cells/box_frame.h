// The frame of a box of one to three equal cells: joints on the slab axes over every wall
// axis, the walls, and the top and bottom slab spans between them. x is measured from the
// left outer wall axis, y from the bottom slab axis, both in m.
#pragma once

#include <array>

#include "calc/cells/plane_frame.h"
#include "calc/design_conditions.h"
#include "calc/record.h"

struct CellBox {
    int cells = 1;
    double Tu = 0, TL = 0, Tb = 0, Tm = 0;     // top slab, outer walls, bottom slab, middle walls
    double Ho = 0;                             // between the slab axes
    double span = 0;                           // between the outer wall axes
    double Bu = 0;                             // inner width of each cell
    std::array<double, kMaxCells + 1> axis{};  // wall axes, left to right; axis[0] = 0

    int Walls() const { return cells + 1; }

    // Joints: the bottom joints left to right, then the top joints left to right.
    int BottomJoint(int wall) const { return wall; }
    int TopJoint(int wall) const { return cells + 1 + wall; }

    // Members in the order of the outer circuit (left wall bottom to top, top spans left to
    // right, right wall top to bottom, bottom spans right to left), then the middle walls top
    // to bottom. Spans and walls are numbered left to right.
    int LeftWall() const { return 0; }
    int TopSpan(int span) const { return 1 + span; }
    int RightWall() const { return cells + 1; }
    int BottomSpan(int span) const { return cells + 2 + (cells - 1 - span); }
    int MiddleWall(int wall) const { return 2 * cells + 1 + wall; }  // wall 1 .. cells − 1
    int WallMember(int wall) const {
        return wall == 0 ? LeftWall() : wall == cells ? RightWall() : MiddleWall(wall);
    }
    double SpanLength(int span) const { return axis[span + 1] - axis[span]; }
};

// The box of a record read from conditions that passed their checks.
CellBox CellBoxOf(const TData& record);

FrameGeometry BoxFrame(const CellBox& box);
