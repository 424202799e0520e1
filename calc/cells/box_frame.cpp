// The frame of a box of equal cells.
#include "calc/cells/box_frame.h"

#include "calc/cells/cell_geometry.h"

CellBox CellBoxOf(const TData& record) {
    const CellGeometry cells = CellGeometryOf(record);
    CellBox box;
    box.cells = cells.n;
    box.Tu = record.Tu, box.TL = record.TL, box.Tb = record.Tb, box.Tm = cells.Tm;
    box.Ho = record.Ho;
    box.Bu = cells.Bu;
    for (int wall = 0; wall <= cells.n; ++wall)
        box.axis[wall] = cells.wallAxes[wall] - cells.wallAxes[0];
    box.span = box.axis[cells.n];
    return box;
}

FrameGeometry BoxFrame(const CellBox& box) {
    FrameGeometry frame;
    const int walls = box.Walls();
    frame.jointCount = 2 * walls;
    for (int wall = 0; wall < walls; ++wall) {
        frame.joints[box.BottomJoint(wall)] = {box.axis[wall], 0};
        frame.joints[box.TopJoint(wall)] = {box.axis[wall], box.Ho};
    }
    frame.memberCount = 3 * box.cells + 1;
    frame.members[box.LeftWall()] = {box.BottomJoint(0), box.TopJoint(0), box.TL};
    frame.members[box.RightWall()] = {box.TopJoint(box.cells), box.BottomJoint(box.cells), box.TL};
    for (int span = 0; span < box.cells; ++span) {
        frame.members[box.TopSpan(span)] = {box.TopJoint(span), box.TopJoint(span + 1), box.Tu};
        frame.members[box.BottomSpan(span)] = {box.BottomJoint(span + 1), box.BottomJoint(span),
                                               box.Tb};
    }
    for (int wall = 1; wall < box.cells; ++wall)
        frame.members[box.MiddleWall(wall)] = {box.TopJoint(wall), box.BottomJoint(wall), box.Tm};
    // Held in its rigid-body modes only: the ground reaction balances the loads.
    frame.AddSupport({box.BottomJoint(0), true, true, false});
    frame.AddSupport({box.BottomJoint(box.cells), false, true, false});
    return frame;
}
