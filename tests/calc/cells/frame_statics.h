// The resultant of a frame's loads: the force and its moment about the origin, from the
// loads' definitions alone, to hold the loads of a case to equilibrium.
#pragma once

#include <cmath>

#include "calc/cells/plane_frame.h"

struct Resultant {
    double Fx = 0, Fy = 0, M = 0;  // kN, kN, kN·m counter-clockwise about (0, 0)
};

inline Resultant ResultantOf(const FrameGeometry& frame, const FrameLoads& loads) {
    Resultant total;
    for (const MemberLoad& load : loads.All()) {
        const FrameBar& bar = frame.members[load.member];
        const FrameJoint& from = frame.joints[bar.from];
        const FrameJoint& to = frame.joints[bar.to];
        const double L = std::hypot(to.x - from.x, to.y - from.y);
        const double ux = (to.x - from.x) / L, uy = (to.y - from.y) / L;
        const double nx = -uy, ny = ux;  // to the left walking from→to
        // The load's force along the normal and its first moment along the member.
        double force, moment;
        if (load.point) {
            force = load.P, moment = load.P * load.a;
        } else {
            const double length = load.b - load.a;
            force = (load.qa + load.qb) * length / 2;
            moment =
                length * (load.qa * (2 * load.a + load.b) + load.qb * (load.a + 2 * load.b)) / 6;
        }
        total.Fx += force * nx;
        total.Fy += force * ny;
        total.M += force * (from.x * ny - from.y * nx) + moment * (ux * ny - uy * nx);
    }
    return total;
}
