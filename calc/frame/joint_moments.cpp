// Slope-deflection analysis of the closed frame: stiffness ratios, the four joint equations
// and the storey equation, joint moments and their check at each joint.
#include "calc/frame/joint_moments.h"

#include <cmath>

#include "calc/frame/joint_moment_sheet.h"
#include "calc/frame/linear_solver.h"
#include "calc/frame/load_term_sheet.h"

namespace {

using Extended = long double;

// Side walls are the reference member: k1 = 1.
void ComputeStiffnessRatios(const TLamen& r, FrameSolution& s) {
    const Extended spanRatio = static_cast<Extended>(r.Ho) / r.Bo;
    s.k1 = 1;
    s.k2 = spanRatio * std::pow(static_cast<Extended>(r.Tu) / r.TL, 3.0L);
    s.k3 = spanRatio * std::pow(static_cast<Extended>(r.Tb) / r.TL, 3.0L);
}

// Unknowns in the order Θa, Θb, Θc, Θd, R; a failed solve leaves them zero.
void SolveRotations(const TLamen& r, FrameSolution& s, Messenger& messenger) {
    const Extended k1 = s.k1, k2 = s.k2, k3 = s.k3;
    const SolverVector rowA = {0, Single(2 * (k1 + k3)), s.k1, 0, s.k3, Single(-3 * k1)};
    const SolverVector rowB = {0, s.k1, Single(2 * (k1 + k2)), s.k2, 0, Single(-3 * k1)};
    const SolverVector rowC = {0, 0, s.k2, Single(2 * (k1 + k2)), s.k1, Single(-3 * k1)};
    const SolverVector rowD = {0, s.k3, 0, s.k1, Single(2 * (k1 + k3)), Single(-3 * k1)};
    const SolverVector rowStorey = {0, s.k1, s.k1, s.k1, s.k1, Single(-4 * k1)};
    const SolverVector rightHandSide = {0,
                                        Single(static_cast<Extended>(r.Cab) - r.Cad),
                                        Single(static_cast<Extended>(r.Cbc) - r.Cba),
                                        Single(static_cast<Extended>(r.Ccd) - r.Ccb),
                                        Single(static_cast<Extended>(r.Cda) - r.Cdc),
                                        r.Astory};
    SolverVector unknowns = {};
    SolveLinearSystem(5, rowA, rowB, rowC, rowD, rowStorey, rightHandSide, unknowns, messenger);
    s.thetaA = unknowns[1];
    s.thetaB = unknowns[2];
    s.thetaC = unknowns[3];
    s.thetaD = unknowns[4];
    s.R = unknowns[5];
}

void ComputeMoments(TLamen& r, const FrameSolution& s) {
    const Extended a = s.thetaA, b = s.thetaB, c = s.thetaC, d = s.thetaD, R = s.R;
    r.Mab = s.k1 * (2 * a + b - 3 * R) - r.Cab;
    r.Mba = s.k1 * (a + 2 * b - 3 * R) + r.Cba;
    r.Mbc = s.k2 * (2 * b + c) - r.Cbc;
    r.Mcb = s.k2 * (b + 2 * c) + r.Ccb;
    r.Mcd = s.k1 * (2 * c + d - 3 * R) - r.Ccd;
    r.Mdc = s.k1 * (c + 2 * d - 3 * R) + r.Cdc;
    r.Mda = s.k3 * (2 * d + a) - r.Cda;
    r.Mad = s.k3 * (2 * a + d) + r.Cad;
}

void ComputeCheckSums(const TLamen& r, FrameSolution& s) {
    s.sumA = static_cast<Extended>(r.Mab) + r.Mad;
    s.sumB = static_cast<Extended>(r.Mba) + r.Mbc;
    s.sumC = static_cast<Extended>(r.Mcb) + r.Mcd;
    s.sumD = static_cast<Extended>(r.Mdc) + r.Mda;
}

}  // namespace

FrameSolution ComputeJointMoments(TLamen& record, Messenger& messenger) {
    FrameSolution solution;
    ComputeStiffnessRatios(record, solution);
    SolveRotations(record, solution, messenger);
    ComputeMoments(record, solution);
    ComputeCheckSums(record, solution);
    return solution;
}

void WriteJointMoments(const TKakou& record, const FrameSolution& solution, CalcTable& table) {
    WriteLoadTermSheet(record, table.List("ListBox3"));
    WriteJointMomentSheet(record, solution, table.List("ListBox5"));
}
