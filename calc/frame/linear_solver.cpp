// Gaussian elimination with partial pivoting; the multipliers stay in the lower triangle.
#include "calc/frame/linear_solver.h"

#include <cmath>
#include <string>
#include <utility>

namespace {

constexpr int kMaxOrder = 5;

void ReportZeroPivot(int index, Messenger& messenger) {
    messenger.Inform("Matrix[" + std::to_string(index) + "] Error\n平衡方程式が解けません。");
}

}  // namespace

void SolveLinearSystem(int n, const SolverVector& row1, const SolverVector& row2,
                       const SolverVector& row3, const SolverVector& row4, const SolverVector& row5,
                       const SolverVector& rightHandSide, SolverVector& solution,
                       Messenger& messenger) {
    if (n < 1 || n > kMaxOrder) return;
    const SolverVector* rows[kMaxOrder + 1] = {nullptr, &row1, &row2, &row3, &row4, &row5};
    Single a[kMaxOrder + 1][kMaxOrder + 1] = {};
    Single b[kMaxOrder + 1] = {};
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) a[i][j] = (*rows[i])[j];
        b[i] = rightHandSide[i];
    }

    for (int k = 1; k < n; ++k) {
        int pivotRow = k;
        double largest = std::fabs(a[k][k]);
        for (int i = k + 1; i <= n; ++i) {
            if (std::fabs(a[i][k]) > largest) {
                largest = std::fabs(a[i][k]);
                pivotRow = i;
            }
        }
        if (pivotRow != k) {
            for (int j = 1; j <= n; ++j) std::swap(a[pivotRow][j], a[k][j]);
            std::swap(b[pivotRow], b[k]);
        }
        if (a[k][k] == 0) {
            ReportZeroPivot(k, messenger);
            return;
        }
        const double inverse = 1.0 / a[k][k];
        for (int i = k + 1; i <= n; ++i) {
            if (a[i][k] == 0) continue;
            a[i][k] = Single(static_cast<long double>(a[i][k]) * inverse);
            for (int j = k + 1; j <= n; ++j) {
                if (a[k][j] == 0) continue;
                a[i][j] = Single(a[i][j] - static_cast<long double>(a[k][j]) * a[i][k]);
            }
        }
    }

    for (int i = 2; i <= n; ++i)
        for (int j = 1; j < i; ++j) b[i] = Single(b[i] - static_cast<long double>(a[i][j]) * b[j]);

    for (int i = n; i >= 1; --i) {
        for (int j = n; j > i; --j) b[i] = Single(b[i] - static_cast<long double>(a[i][j]) * b[j]);
        if (a[i][i] == 0) {
            ReportZeroPivot(i, messenger);
            return;
        }
        b[i] = Single(static_cast<long double>(b[i]) / a[i][i]);
    }

    for (int i = 1; i <= n; ++i) solution[i] = b[i];
}
