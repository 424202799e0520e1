// Boxes of equal cells for the frame tests: bottom joints 0..n left to right, top joints
// n+1..2n+1; walls walked upwards, top slabs left to right, bottom slabs right to left, so
// that downward load on the top slab and upward load on the bottom slab are both negative.
// Held in its rigid-body modes only.
#pragma once

#include "calc/cells/plane_frame.h"

namespace box_frames {

struct Box {
    FrameGeometry geometry;
    int cells = 0;
    int Wall(int i) const { return i; }
    int TopSlab(int i) const { return cells + 1 + i; }
    int BottomSlab(int i) const { return 2 * cells + 1 + i; }  // the slab under cell i
};

inline Box EqualCells(int cells, double span, double height, double wall, double top, double bottom,
                      double middleWall) {
    Box box;
    box.cells = cells;
    FrameGeometry& g = box.geometry;
    for (int i = 0; i <= cells; ++i) g.AddJoint(i * span, 0);
    for (int i = 0; i <= cells; ++i) g.AddJoint(i * span, height);
    for (int i = 0; i <= cells; ++i)
        g.AddMember(i, cells + 1 + i, i == 0 || i == cells ? wall : middleWall);
    for (int i = 0; i < cells; ++i) g.AddMember(cells + 1 + i, cells + 2 + i, top);
    for (int i = 0; i < cells; ++i) g.AddMember(i + 1, i, bottom);
    g.AddSupport({0, true, true, false});
    g.AddSupport({cells, false, true, false});
    return box;
}

inline MemberLoad Line(int member, double a, double b, double qa, double qb) {
    return {member, a, b, qa, qb, false, 0};
}

}  // namespace box_frames
