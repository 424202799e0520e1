// The closed-form cubic gives the largest real root in each of its three cases, never a
// negative one; the bracketed search gives the largest real root whatever its sign.
#include "calc/section/cubic.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(Cubic, LargestRealRootWhereverItLies) {
    struct Case {
        const char* what;
        float a2, a1, a0;
        long double root;
    } cases[] = {
        {"three real roots, (y-1)(y-2)(y-3)", -6, 11, -6, 3},
        {"double root on top, (y-1)^2 (y+2)", 0, -3, 2, 1},
        {"double root below a simple one, (y+1)^2 (y-2)", 0, -3, -2, 2},
        {"all three negative, (y+1)(y+2)(y+3)", 6, 11, 6, -1},
        // A local minimum above the x-axis beyond the one real root: Newton from above stalls.
        {"(y+1)(y^2-6y+10)", -5, 4, 10, -1},
        {"one real root, y^3 - 8", 0, 0, -8, 2},
        {"no steel, y^2 (y - 300)", -300, 0, 0, 300},
        // Deep eccentricity: a large a2 and a small positive root.
        {"(y-128)(y^2+2^20 y+2^30)", 1048576 - 128, 1073741824 - 134217728, -137438953472.0f, 128},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(static_cast<double>(LargestRealRoot(c.a2, c.a1, c.a0)),
                    static_cast<double>(c.root), 1e-8 * std::max(1.0L, std::fabs(c.root)))
            << c.what;
}
