// The bordered stiffness system of the frame: bending stiffness of the members, one row per
// member length and per support; LU with partial pivoting, factored once per geometry.
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

}  // namespace

FrameSolver::FrameSolver(const FrameGeometry& geometry) : geometry_(geometry) {
    Assemble();
    Factor();
}

void FrameSolver::Assemble() {
    const int joints = geometry_.jointCount, members = geometry_.memberCount;
    int supportRows = 0;
    for (const FrameSupport& s : geometry_.Supports()) supportRows += s.x + s.y + s.rotation;
    size_ = 3 * joints + members + supportRows;
    std::fill(lu_.begin(), lu_.end(), 0.0);
    auto at = [this](int row, int column) -> double& {
        return lu_[std::size_t(row * size_ + column)];
    };

    for (int m = 0; m < members; ++m) {
        const FrameBar& bar = geometry_.members[std::size_t(m)];
        const FrameJoint& p = geometry_.joints[std::size_t(bar.from)];
        const FrameJoint& q = geometry_.joints[std::size_t(bar.to)];
        MemberAxes& a = axes_[std::size_t(m)];
        a.length = std::hypot(q.x - p.x, q.y - p.y);
        if (!(a.length > 0)) return;  // solvable_ stays false
        a.c = (q.x - p.x) / a.length;
        a.s = (q.y - p.y) / a.length;
        a.EI = bar.t * bar.t * bar.t / 12;
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
                        at(index[i][ii], index[j][jj]) += weight[i][ii] * k[i][j] * weight[j][jj];
    }
    // Constraint rows scaled to the size of the stiffness, for a well balanced pivoting.
    double scale = 0;
    for (int i = 0; i < 3 * joints; ++i) scale = std::max(scale, at(i, i));
    constraintScale_ = scale > 0 ? scale : 1;
    auto constrain = [&](int row, int column, double value) {
        at(row, column) += constraintScale_ * value;
        at(column, row) += constraintScale_ * value;
    };
    for (int m = 0; m < members; ++m) {
        const FrameBar& bar = geometry_.members[std::size_t(m)];
        const MemberAxes& a = axes_[std::size_t(m)];
        const int row = 3 * joints + m;
        constrain(row, 3 * bar.to, a.c);
        constrain(row, 3 * bar.to + 1, a.s);
        constrain(row, 3 * bar.from, -a.c);
        constrain(row, 3 * bar.from + 1, -a.s);
    }
    int row = 3 * joints + members;
    for (const FrameSupport& s : geometry_.Supports()) {
        if (s.x) constrain(row++, 3 * s.joint, 1);
        if (s.y) constrain(row++, 3 * s.joint + 1, 1);
        if (s.rotation) constrain(row++, 3 * s.joint + 2, 1);
    }
    solvable_ = true;
}

void FrameSolver::Factor() {
    if (!solvable_ || size_ == 0) {
        solvable_ = false;
        return;
    }
    const int n = size_;
    auto at = [this, n](int row, int column) -> double& {
        return lu_[std::size_t(row * n + column)];
    };
    double largest = 0;
    for (int i = 0; i < n * n; ++i) largest = std::max(largest, std::fabs(lu_[std::size_t(i)]));
    const double tiny = 1e-12 * largest;
    for (int k = 0; k < n; ++k) {
        int pivot = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(at(i, k)) > std::fabs(at(pivot, k))) pivot = i;
        pivots_[std::size_t(k)] = pivot;
        if (!(std::fabs(at(pivot, k)) > tiny)) {
            solvable_ = false;  // a mechanism: joints or supports leave the frame free to move
            return;
        }
        if (pivot != k)
            for (int j = 0; j < n; ++j) std::swap(at(k, j), at(pivot, j));
        const double inverse = 1 / at(k, k);
        for (int i = k + 1; i < n; ++i) {
            const double factor = at(i, k) *= inverse;
            if (factor == 0) continue;
            for (int j = k + 1; j < n; ++j) at(i, j) -= factor * at(k, j);
        }
    }
}

void FrameSolver::SolveFactored(Vector& x) const {
    const int n = size_;
    auto at = [this, n](int row, int column) { return lu_[std::size_t(row * n + column)]; };
    for (int k = 0; k < n; ++k)
        std::swap(x[std::size_t(k)], x[std::size_t(pivots_[std::size_t(k)])]);
    for (int k = 0; k < n; ++k) {
        const double xk = x[std::size_t(k)];
        if (xk != 0)
            for (int i = k + 1; i < n; ++i) x[std::size_t(i)] -= at(i, k) * xk;
    }
    for (int k = n - 1; k >= 0; --k) {
        double sum = x[std::size_t(k)];
        for (int j = k + 1; j < n; ++j) sum -= at(k, j) * x[std::size_t(j)];
        x[std::size_t(k)] = sum / at(k, k);
    }
}

FrameResponse FrameSolver::Solve(const FrameLoads& loads) const {
    FrameResponse response;
    if (!solvable_) return response;
    std::array<Local, kMaxFrameMembers> equivalent{};
    for (const MemberLoad& load : loads.All())
        AddEquivalentLoads(load, axes_[std::size_t(load.member)].length,
                           equivalent[std::size_t(load.member)]);
    Vector x{};
    for (int m = 0; m < geometry_.memberCount; ++m) {
        const FrameBar& bar = geometry_.members[std::size_t(m)];
        const MemberAxes& a = axes_[std::size_t(m)];
        const Local& f = equivalent[std::size_t(m)];
        x[std::size_t(3 * bar.from)] -= a.s * f[0];
        x[std::size_t(3 * bar.from + 1)] += a.c * f[0];
        x[std::size_t(3 * bar.from + 2)] += f[1];
        x[std::size_t(3 * bar.to)] -= a.s * f[2];
        x[std::size_t(3 * bar.to + 1)] += a.c * f[2];
        x[std::size_t(3 * bar.to + 2)] += f[3];
    }
    SolveFactored(x);
    for (int m = 0; m < geometry_.memberCount; ++m) {
        const FrameBar& bar = geometry_.members[std::size_t(m)];
        const MemberAxes& a = axes_[std::size_t(m)];
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
        // The length constraint's force pulls `to` along the member: a tension.
        response.axial[std::size_t(m)] =
            -constraintScale_ * x[std::size_t(3 * geometry_.jointCount + m)];
    }
    return response;
}
