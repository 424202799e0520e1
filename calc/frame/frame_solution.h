// The values of the slope-deflection analysis that the sheet shows but the record does not
// keep: stiffness ratios, rotations and the check sums at the joints.
#pragma once

#include "calc/single.h"

struct FrameSolution {
    Single k1 = 0, k2 = 0, k3 = 0;  // stiffness ratios of the walls, top slab, bottom slab
    Single thetaA = 0, thetaB = 0, thetaC = 0, thetaD = 0;  // joint rotations
    Single R = 0;                                           // member rotation of the walls
    Single sumA = 0, sumB = 0, sumC = 0, sumD = 0;          // moment sums at the joints
};
