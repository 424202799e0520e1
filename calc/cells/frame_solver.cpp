// The bordered stiffness system of the frame: bending stiffness of the members, one row per
// member length and per support. It is factored once (LU with partial pivoting) and turned
// into the response to a unit load on each joint unknown, so that a case costs one small
// matrix-vector product.
#include "calc/cells/frame_solver.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// A member's local unknowns: transverse displacement (to the left of the member) and rotation
// (counterclockwise) at `from`, then at `to`.
using Local = std::array<double, 4>;
using LocalMatrix = std::array<Local, 4>;

LocalMatrix BendingStiffness(double EI, double L) {
    const double k = EI / (L * L * L);
    return {{{12 * k, 6 * L * k, -12 * k, 6 * L * k},
             {6 * L * k, 4 * L * L * k, -6 * L * k, 2 * L * L * k},
             {-12 * k, -6 * L * k, 12 * k, -6 * L * k},
             {6 * L * k, 2 * L * L * k, -6 * L * k, 4 * L * L * k}}};
}

// The cubic shape functions of the member at distance x.
Local Shape(double x, double L) {
    const double e = x / L, e2 = e * e, e3 = e2 * e;
    return {1 - 3 * e2 + 2 * e3, L * (e - 2 * e2 + e3), 3 * e2 - 2 * e3, L * (e3 - e2)};
}

// The joint loads equivalent to a member load (work-equivalent through the shape functions;
// three Gauss points integrate a linear load times a cubic exactly).
void AddEquivalentLoads(const MemberLoad& load, double L, Local& f) {
    if (load.point) {
        const Local n = Shape(load.a, L);
        for (int i = 0; i < 4; ++i) f[i] += load.P * n[i];
        return;
    }
    if (!(load.b > load.a)) return;
    static constexpr double kNodes[] = {-0.7745966692414834, 0.0, 0.7745966692414834};
    static constexpr double kWeights[] = {5.0 / 9, 8.0 / 9, 5.0 / 9};
    const double half = (load.b - load.a) / 2, middle = (load.a + load.b) / 2;
    for (int g = 0; g < 3; ++g) {
        const double t = kNodes[g];
        const double q = load.qa + (load.qb - load.qa) * (t + 1) / 2;
        const Local n = Shape(middle + half * t, L);
        for (int i = 0; i < 4; ++i) f[i] += kWeights[g] * half * q * n[i];
    }
}

// The bordered system: joint unknowns (x, y, rotation of each joint), then the length
// constraints of the members, then the supports. The constraint rows are scaled to the size
// of the stiffness for a well balanced pivoting; their unknowns are the constraint forces
// divided by that scale.
struct Bordered {
    int n = 0;
    double scale = 1;
    std::array<double, kMaxFrameUnknowns * kMaxFrameUnknowns> a{};
    std::array<int, kMaxFrameUnknowns> pivots{};

    double& at(int row, int column) { return a[std::size_t(row * n + column)]; }
    double at(int row, int column) const { return a[std::size_t(row * n + column)]; }
};

void Assemble(const FrameGeometry& g, const std::array<FrameMemberAxes, kMaxFrameMembers>& axes,
              Bordered& system) {
    const int joints = g.jointCount, members = g.memberCount;
    int supportRows = 0;
    for (const FrameSupport& s : g.Supports()) supportRows += s.x + s.y + s.rotation;
    system.n = 3 * joints + members + supportRows;
    for (int m = 0; m < members; ++m) {
        const FrameBar& bar = g.members[std::size_t(m)];
        const FrameMemberAxes& a = axes[std::size_t(m)];
        const LocalMatrix k = BendingStiffness(a.EI, a.length);
        // Each local unknown as a combination of the joint unknowns.
        const int index[4][2] = {{3 * bar.from, 3 * bar.from + 1},
                                 {3 * bar.from + 2, -1},
                                 {3 * bar.to, 3 * bar.to + 1},
                                 {3 * bar.to + 2, -1}};
        const double weight[4][2] = {{-a.s, a.c}, {1, 0}, {-a.s, a.c}, {1, 0}};
        for (int i = 0; i < 4; ++i)
            for (int ii = 0; ii < 2 && index[i][ii] >= 0; ++ii)
                for (int j = 0; j < 4; ++j)
                    for (int jj = 0; jj < 2 && index[j][jj] >= 0; ++jj)
                        system.at(index[i][ii], index[j][jj]) +=
                            weight[i][ii] * k[i][j] * weight[j][jj];
    }
    double scale = 0;
    for (int i = 0; i < 3 * joints; ++i) scale = std::max(scale, system.at(i, i));
    system.scale = scale > 0 ? scale : 1;
    auto constrain = [&](int row, int column, double value) {
        system.at(row, column) += system.scale * value;
        system.at(column, row) += system.scale * value;
    };
    for (int m = 0; m < members; ++m) {
        const FrameBar& bar = g.members[std::size_t(m)];
        const FrameMemberAxes& a = axes[std::size_t(m)];
        const int row = 3 * joints + m;
        constrain(row, 3 * bar.to, a.c);
        constrain(row, 3 * bar.to + 1, a.s);
        constrain(row, 3 * bar.from, -a.c);
        constrain(row, 3 * bar.from + 1, -a.s);
    }
    int row = 3 * joints + members;
    for (const FrameSupport& s : g.Supports()) {
        if (s.x) constrain(row++, 3 * s.joint, 1);
        if (s.y) constrain(row++, 3 * s.joint + 1, 1);
        if (s.rotation) constrain(row++, 3 * s.joint + 2, 1);
    }
}

// False for a mechanism: joints or supports that leave the frame free to move.
bool Factor(Bordered& s) {
    const int n = s.n;
    double largest = 0;
    for (int i = 0; i < n * n; ++i) largest = std::max(largest, std::fabs(s.a[std::size_t(i)]));
    const double tiny = 1e-12 * largest;
    for (int k = 0; k < n; ++k) {
        int pivot = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(s.at(i, k)) > std::fabs(s.at(pivot, k))) pivot = i;
        s.pivots[std::size_t(k)] = pivot;
        if (!(std::fabs(s.at(pivot, k)) > tiny)) return false;
        if (pivot != k)
            for (int j = 0; j < n; ++j) std::swap(s.at(k, j), s.at(pivot, j));
        const double inverse = 1 / s.at(k, k);
        for (int i = k + 1; i < n; ++i) {
            const double factor = s.at(i, k) *= inverse;
            if (factor == 0) continue;
            for (int j = k + 1; j < n; ++j) s.at(i, j) -= factor * s.at(k, j);
        }
    }
    return true;
}

void SolveFactored(const Bordered& s, std::array<double, kMaxFrameUnknowns>& x) {
    const int n = s.n;
    for (int k = 0; k < n; ++k)
        std::swap(x[std::size_t(k)], x[std::size_t(s.pivots[std::size_t(k)])]);
    for (int k = 0; k < n; ++k) {
        const double xk = x[std::size_t(k)];
        if (xk != 0)
            for (int i = k + 1; i < n; ++i) x[std::size_t(i)] -= s.at(i, k) * xk;
    }
    for (int k = n - 1; k >= 0; --k) {
        double sum = x[std::size_t(k)];
        for (int j = k + 1; j < n; ++j) sum -= s.at(k, j) * x[std::size_t(j)];
        x[std::size_t(k)] = sum / s.at(k, k);
    }
}

}  // namespace

FrameSolver::FrameSolver(const FrameGeometry& geometry) : geometry_(geometry) {
    for (int m = 0; m < geometry_.memberCount; ++m) {
        const FrameBar& bar = geometry_.members[std::size_t(m)];
        const FrameJoint& p = geometry_.joints[std::size_t(bar.from)];
        const FrameJoint& q = geometry_.joints[std::size_t(bar.to)];
        FrameMemberAxes& a = axes_[std::size_t(m)];
        a.length = std::hypot(q.x - p.x, q.y - p.y);
        if (!(a.length > 0)) return;  // a member of no length: not solvable
        a.c = (q.x - p.x) / a.length;
        a.s = (q.y - p.y) / a.length;
        a.EI = bar.t * bar.t * bar.t / 12;
    }
    if (geometry_.memberCount == 0) return;
    Bordered system;
    Assemble(geometry_, axes_, system);
    if (!Factor(system)) return;
    const int unknowns = 3 * geometry_.jointCount, results = unknowns + geometry_.memberCount;
    for (int j = 0; j < unknowns; ++j) {
        std::array<double, kMaxFrameUnknowns> x{};
        x[std::size_t(j)] = 1;
        SolveFactored(system, x);
        double* column = &influence_[std::size_t(j * results)];
        for (int i = 0; i < unknowns; ++i) column[i] = x[std::size_t(i)];
        // A member's constraint force pulls its `to` joint along it: a tension.
        for (int m = 0; m < geometry_.memberCount; ++m)
            column[unknowns + m] = -system.scale * x[std::size_t(unknowns + m)];
    }
    solvable_ = true;
}

FrameResponse FrameSolver::Solve(const FrameLoads& loads) const {
    FrameResponse response;
    if (!solvable_) return response;
    std::array<Local, kMaxFrameMembers> equivalent{};
    for (const MemberLoad& load : loads.All())
        AddEquivalentLoads(load, axes_[std::size_t(load.member)].length,
                           equivalent[std::size_t(load.member)]);
    const int unknowns = 3 * geometry_.jointCount, results = unknowns + geometry_.memberCount;
    std::array<double, kMaxJointUnknowns> b{};
    for (int m = 0; m < geometry_.memberCount; ++m) {
        const FrameBar& bar = geometry_.members[std::size_t(m)];
        const FrameMemberAxes& a = axes_[std::size_t(m)];
        const Local& f = equivalent[std::size_t(m)];
        b[std::size_t(3 * bar.from)] -= a.s * f[0];
        b[std::size_t(3 * bar.from + 1)] += a.c * f[0];
        b[std::size_t(3 * bar.from + 2)] += f[1];
        b[std::size_t(3 * bar.to)] -= a.s * f[2];
        b[std::size_t(3 * bar.to + 1)] += a.c * f[2];
        b[std::size_t(3 * bar.to + 2)] += f[3];
    }
    std::array<double, kMaxResults> x{};
    for (int j = 0; j < unknowns; ++j) {
        const double bj = b[std::size_t(j)];
        if (bj == 0) continue;
        const double* column = &influence_[std::size_t(j * results)];
        for (int i = 0; i < results; ++i) x[std::size_t(i)] += column[i] * bj;
    }
    for (int m = 0; m < geometry_.memberCount; ++m) {
        const FrameBar& bar = geometry_.members[std::size_t(m)];
        const FrameMemberAxes& a = axes_[std::size_t(m)];
        auto u = [&x](int i) { return x[std::size_t(i)]; };
        const Local d = {-a.s * u(3 * bar.from) + a.c * u(3 * bar.from + 1), u(3 * bar.from + 2),
                         -a.s * u(3 * bar.to) + a.c * u(3 * bar.to + 1), u(3 * bar.to + 2)};
        const LocalMatrix k = BendingStiffness(a.EI, a.length);
        Local end{};
        for (int i = 0; i < 4; ++i) {
            end[i] = -equivalent[std::size_t(m)][i];
            for (int j = 0; j < 4; ++j) end[i] += k[i][j] * d[j];
        }
        // end[] are the forces of the joints on the member: counterclockwise moments.
        response.endMoments[std::size_t(m)] = {-end[1], -end[3]};
        response.startShear[std::size_t(m)] = end[0];
        response.axial[std::size_t(m)] = x[std::size_t(unknowns + m)];
    }
    return response;
}
