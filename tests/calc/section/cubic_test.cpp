// The closed-form cubic gives the largest real root in each of its three cases, never a
// negative one.
#include "calc/section/cubic.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Cubic, SignOf) {
    EXPECT_EQ(SignOf(2.5), 1);
    EXPECT_EQ(SignOf(0.0), 0);
    EXPECT_EQ(SignOf(-1e-30), -1);
}

TEST(Cubic, LargestNonNegativeRootInEveryCase) {
    struct Case {
        const char* what;
        float a2, a1, a0;
        double root;
    } cases[] = {
        {"one real root, y^3 - 8", 0, 0, -8, 2.0},
        {"one real root with a shift, (y-2)(y^2+y+1)", -1, -1, -2, 2.0},
        {"double root, (y-1)^2 (y+2)", 0, -3, 2, 1.0},
        {"double root below a simple one, (y+1)^2 (y-2)", 0, -3, -2, 2.0},
        {"three real roots, (y-1)(y-2)(y-3)", -6, 11, -6, 3.0},
        {"three real roots, (y+4)(y-1)(y-2)", 1, -10, 8, 2.0},
        {"all three negative, (y+1)(y+2)(y+3)", 6, 11, 6, 0.0},
        {"the one real root negative, y^3 + 8", 0, 0, 8, 0.0},
    };
    for (const auto& c : cases) EXPECT_NEAR(SolveCubic(c.a2, c.a1, c.a0), c.root, 1e-5) << c.what;
}

TEST(Cubic, OnlyRootsAreCandidates) {
    // (y - 1)(y^2 - 4y + 5) has the one real root 1; the shift -a2/3 = 5/3 of the reduced
    // cubic is larger but no root.
    EXPECT_NEAR(SolveCubic(-5, 9, -5), 1.0, 1e-5);
}

TEST(Cubic, OverflowIsNotMistakenForARoot) {
    // y^3 = 3e38 has the root 6.7e12, but q^2/4 overflows a Single: the result must not
    // pass for the root 0.
    EXPECT_FALSE(std::isfinite(SolveCubic(0, 0, -3e38f)));
}
