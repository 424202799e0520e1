// Section forces along a member of a solved frame, from its start-joint moment and shear and
// the loads on it; signs as in calc/cells/frame_solver.h.
#pragma once

#include "calc/cells/frame_solver.h"
#include "calc/cells/plane_frame.h"

// M, N and S at distance x from the member's `from` joint (0 ≤ x ≤ L). At a point load the
// shear is the one just before it.
struct SectionForces {
    double M = 0, N = 0, S = 0;
};
SectionForces SectionAt(const FrameGeometry& geometry, const FrameLoads& loads,
                        const FrameResponse& response, int member, double x);

// The largest and the smallest section moment of a member and where they occur: at an end,
// at a load discontinuity, or at an exact root of the shear (piecewise quadratic between
// load discontinuities). Of equal values the one nearer the `from` joint is kept.
struct MomentPeak {
    double x = 0, M = 0;
};
struct MomentExtremes {
    MomentPeak largest, smallest;
};
MomentExtremes MemberMomentExtremes(const FrameGeometry& geometry, const FrameLoads& loads,
                                    const FrameResponse& response, int member);

double MemberLength(const FrameGeometry& geometry, int member);
