// The values of the slope-deflection analysis that the sheet shows but the record does not
// keep: stiffness ratios, rotations and the check sums at the joints.
#pragma once

struct FrameSolution {
    float k1 = 0, k2 = 0, k3 = 0;  // stiffness ratios of the walls, top slab, bottom slab
    float thetaA = 0, thetaB = 0, thetaC = 0, thetaD = 0;  // joint rotations
    float R = 0;                                           // member rotation of the walls
    float sumA = 0, sumB = 0, sumC = 0, sumD = 0;          // moment sums at the joints
};
