// The direct-stiffness analysis of a plane frame: three unknowns a joint (x, y, rotation),
// Euler–Bernoulli members with EI from I = t³/12 (E = 1: it cancels out of every force).
//
// Members do not change length, as in the slope-deflection method: there is no axial
// stiffness; instead each member's length is held by a constraint, and the constraint's
// multiplier is the member's axial force. Supports are constraints too. The frame is factored
// once (one LU decomposition of the bordered system) and each case costs two triangular
// solves, without heap.
//
// Signs, on every member walking from its `from` joint to its `to` joint:
// - end moments clockwise positive on the member's end (a downward-loaded fixed slab walked
//   left to right: −wL²/12 at `from`, +wL²/12 at `to`);
// - section moment M positive with tension on the right-hand side, M(0) = M_from,
//   M(L) = −M_to; shear S = dM/dx; dS/dx = q (loads positive to the left);
// - axial force N positive in compression, constant along the member (loads are
//   perpendicular to it).
#pragma once

#include <array>

#include "calc/cells/plane_frame.h"

inline constexpr int kMaxFrameUnknowns =
    3 * kMaxFrameJoints + kMaxFrameMembers + 3 * kMaxFrameSupports;

// The forces of one solved case.
struct FrameResponse {
    struct Ends {
        double from = 0, to = 0;
        bool operator==(const Ends&) const = default;
    };
    std::array<Ends, kMaxFrameMembers> endMoments{};    // clockwise positive on the member's end
    std::array<double, kMaxFrameMembers> startShear{};  // S just after the `from` joint
    std::array<double, kMaxFrameMembers> axial{};       // N, compression positive
};

// A member's length, direction cosines and bending stiffness (E = 1).
struct FrameMemberAxes {
    double length = 0, c = 0, s = 0, EI = 0;
};

class FrameSolver {
  public:
    // Factors the frame; Solvable() tells whether the supports and joints make it stable.
    explicit FrameSolver(const FrameGeometry& geometry);

    bool Solvable() const { return solvable_; }
    const FrameGeometry& Geometry() const { return geometry_; }

    // The forces of a case; all zero when the frame is not solvable.
    FrameResponse Solve(const FrameLoads& loads) const;

  private:
    static constexpr int kMaxJointUnknowns = 3 * kMaxFrameJoints;
    static constexpr int kMaxResults = kMaxJointUnknowns + kMaxFrameMembers;

    FrameGeometry geometry_;
    std::array<FrameMemberAxes, kMaxFrameMembers> axes_{};
    // The joint displacements and the axial forces per unit joint load: column j holds the
    // response to a unit load on joint unknown j (3·joints rows, then one row a member).
    std::array<double, kMaxResults * kMaxJointUnknowns> influence_{};
    bool solvable_ = false;
};
