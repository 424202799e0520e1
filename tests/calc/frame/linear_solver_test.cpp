// The equilibrium solver: pivoting, zero pivots and the caller's arrays.
#include "calc/frame/linear_solver.h"

#include <gtest/gtest.h>

namespace {

struct System {
    SolverVector rows[5] = {};
    SolverVector rhs = {};
};

SolverVector Solve(int n, const System& s, RecordingMessenger& messenger,
                   SolverVector solution = {}) {
    SolveLinearSystem(n, s.rows[0], s.rows[1], s.rows[2], s.rows[3], s.rows[4], s.rhs, solution,
                      messenger);
    return solution;
}

TEST(SolveLinearSystem, IdentityReturnsTheRightHandSide) {
    System s;
    for (int i = 1; i <= 5; ++i) s.rows[i - 1][i] = 1;
    s.rhs = {0, 1.5f, -2, 3.25f, 0, 7};
    RecordingMessenger messenger;
    EXPECT_EQ(Solve(5, s, messenger), s.rhs);
    EXPECT_TRUE(messenger.messages.empty());
}

// Which row becomes the pivot shows in the rounding: with the pivot [1, 0] the first unknown
// keeps its 1e-8, with the pivot [a, a] it is lost to 1 − 1 = 0.
TEST(SolveLinearSystem, PivotIsTheStrictlyLargestWithTiesKeepingTheUpperRow) {
    struct Case {
        const char* name;
        float lowerFirst;  // a[2][1]; the lower row is [a, a | a]
        float expectedFirst;
    } cases[] = {
        {"tie keeps the upper row", 1, 1e-8f},
        {"larger lower row is swapped up", 2, 0},
    };
    for (const auto& c : cases) {
        System s;
        s.rows[0] = {0, 1, 0};
        s.rows[1] = {0, c.lowerFirst, c.lowerFirst};
        s.rhs = {0, 1e-8f, c.lowerFirst};
        RecordingMessenger messenger;
        const SolverVector x = Solve(2, s, messenger);
        EXPECT_EQ(x[1], c.expectedFirst) << c.name;
        EXPECT_EQ(x[2], 1.0f) << c.name;
        EXPECT_TRUE(messenger.messages.empty()) << c.name;
    }
}

TEST(SolveLinearSystem, ZeroInTheFirstPivotIsRemovedByTheRowExchange) {
    System s;
    s.rows[0] = {0, 0, 1};
    s.rows[1] = {0, 1, 0};
    s.rhs = {0, 2, 3};
    RecordingMessenger messenger;
    const SolverVector x = Solve(2, s, messenger);
    EXPECT_EQ(x[1], 3.0f);
    EXPECT_EQ(x[2], 2.0f);
    EXPECT_TRUE(messenger.messages.empty());
}

TEST(SolveLinearSystem, ZeroPivotIsToldWithItsIndexAndLeavesTheSolution) {
    struct Case {
        const char* name;
        System system;
        const char* message;
    };
    Case zeroColumn{"all-zero first column", {}, "Matrix[1] Error\n平衡方程式が解けません。"};
    for (int i = 0; i < 5; ++i) zeroColumn.system.rows[i] = {0, 0, 1, 2, 3, float(i)};
    // Rows 1 to 4 are unit rows; row 5 is their sum without its own unknown, so elimination
    // passes and the last diagonal element is zero.
    Case lastRow{"singular last row", {}, "Matrix[5] Error\n平衡方程式が解けません。"};
    for (int i = 1; i <= 4; ++i) lastRow.system.rows[i - 1][i] = 1;
    lastRow.system.rows[4] = {0, 1, 1, 1, 1, 0};
    lastRow.system.rhs = {0, 1, 2, 3, 4, 5};

    for (const Case& c : {zeroColumn, lastRow}) {
        RecordingMessenger messenger;
        const SolverVector prefilled = {9, 8, 7, 6, 5, 4};
        EXPECT_EQ(Solve(5, c.system, messenger, prefilled), prefilled) << c.name;
        ASSERT_EQ(messenger.messages.size(), 1u) << c.name;
        EXPECT_EQ(messenger.messages[0], c.message) << c.name;
    }
}

TEST(SolveLinearSystem, LeavesTheCallersRowsAndRightHandSideUnchanged) {
    System s;
    s.rows[0] = {5, 1, 2, 0, 1, 3};
    s.rows[1] = {5, 4, 1, 2, 0, 1};
    s.rows[2] = {5, 0, 3, 5, 1, 2};
    s.rows[3] = {5, 2, 0, 1, 6, 1};
    s.rows[4] = {5, 1, 1, 1, 1, -4};
    s.rhs = {5, 1, 2, 3, 4, 5};
    const System before = s;
    RecordingMessenger messenger;
    const SolverVector x = Solve(5, s, messenger);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(s.rows[i], before.rows[i]);
    EXPECT_EQ(s.rhs, before.rhs);
    // The solution satisfies the system to 4-byte rounding.
    for (int i = 0; i < 5; ++i) {
        double sum = 0;
        for (int j = 1; j <= 5; ++j) sum += double(s.rows[i][j]) * x[j];
        EXPECT_NEAR(sum, s.rhs[i + 1], 1e-5) << "row " << i + 1;
    }
    EXPECT_TRUE(messenger.messages.empty());
}

}  // namespace
