// The closed-form cubic gives the largest real root in each of its three cases, never a
// negative one; the bracketed search gives the largest real root whatever its sign.
#include "calc/section/cubic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

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

namespace {

// The careful search alone, as the root was once found: halving wherever the last Newton step
// shrank the bracket by less than half.
long double CarefulRoot(float a2, float a1, float a0) {
    const long double A2 = a2, A1 = a1, A0 = a0;
    const auto f = [&](long double y) { return ((y + A2) * y + A1) * y + A0; };
    const auto slope = [&](long double y) { return (3 * y + 2 * A2) * y + A1; };
    const long double bound = 1 + std::max({std::fabs(A2), std::fabs(A1), std::fabs(A0)});
    long double low = -bound, high = bound;
    const long double discriminant = A2 * A2 - 3 * A1;
    if (discriminant > 0) {
        const long double t = -(A2 + std::copysign(std::sqrt(discriminant), A2));
        const long double first = t / 3, second = A1 / t;
        if (f(std::max(first, second)) <= 0)
            low = std::max(first, second);
        else
            high = std::min(first, second);
    }
    long double y = low + (high - low) / 2, lastWidth = high - low;
    for (;;) {
        const long double value = f(y);
        if (value == 0) return y;
        (value < 0 ? low : high) = y;
        const long double width = high - low, rise = slope(y);
        long double next = low + width / 2;
        if (width <= lastWidth / 2 && std::fabs(value) < std::fabs(rise) * width) {
            const long double newton = y - value / rise;
            if (newton > low && newton < high) next = newton;
        }
        lastWidth = width;
        if (next == y || !(next > low && next < high)) return y;
        y = next;
    }
}

}  // namespace

// The stresses take the Single of the root: the quick search must give the careful one's
// Single for the cubics of real sections, for arbitrary ones and for those with a double or
// triple root, where the rounding of the cubic blurs where the root lies.
TEST(Cubic, LargestRealRootKeepsTheSingleOfTheCarefulSearch) {
    std::mt19937 random(97);
    std::uniform_real_distribution<float> unit(0, 1);
    const auto wide = [&] {
        return (random() % 2 ? 1 : -1) * std::pow(10.0f, unit(random) * 16 - 8);
    };
    for (int k = 0; k < 200000; ++k) {
        float a2 = 0, a1 = 0, a0 = 0;
        if (k % 3 == 0) {  // a section: depth, eccentricity, steel, cover
            const float h = 200 + 1800 * unit(random), e = 20000 * unit(random) * unit(random);
            const float As = 100 + 8000 * unit(random), c = h / 2 - 30 - 100 * unit(random);
            a2 = -3 * (h / 2 - e);
            a1 = 6 * 15 * As * (e + c) / 1000;
            a0 = -6 * 15 * As * (e + c) * (h / 2 + c) / 1000;
        } else if (k % 3 == 1) {
            a2 = wide(), a1 = wide(), a0 = wide();
        } else {  // (y - r)^2 (y - s) with small integers, exact in a Single
            const float r = static_cast<float>(random() % 41) - 20;
            const float t = static_cast<float>(random() % 41) - 20;
            a2 = -(2 * r + t), a1 = r * r + 2 * r * t, a0 = -r * r * t;
        }
        // Started from the closed form as the stresses start it, or from anywhere.
        const double near = k % 2 ? SolveCubic(a2, a1, a0) : wide();
        ASSERT_EQ(static_cast<float>(LargestRealRoot(a2, a1, a0, near)),
                  static_cast<float>(CarefulRoot(a2, a1, a0)))
            << a2 << " " << a1 << " " << a0 << " from " << near;
    }
}
