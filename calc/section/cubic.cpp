// Roots of the cubic: closed form (Cardano and trigonometric), and a bracketed Newton search.
#include "calc/section/cubic.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// The monic cubic in Extended: its value, its slope, and the sum of the magnitudes of its terms,
// which bounds the rounding error of the value.
struct Cubic {
    long double A2, A1, A0;
    long double Value(long double y) const { return ((y + A2) * y + A1) * y + A0; }
    long double Slope(long double y) const { return (3 * y + 2 * A2) * y + A1; }
    long double Magnitude(long double y) const {
        const long double a = std::fabs(y);
        return ((a + std::fabs(A2)) * a + std::fabs(A1)) * a + std::fabs(A0);
    }
};

struct Bracket {
    long double low, high;
};

// A bracket [low, high] with f(low) <= 0 <= f(high) on which f rises: within the Cauchy bound
// of every root, narrowed by the turning points when the cubic has two. The largest root lies
// beyond the local minimum when f is not positive there, and below the local maximum
// otherwise.
Bracket BracketOf(const Cubic& c) {
    const long double bound = 1 + std::max({std::fabs(c.A2), std::fabs(c.A1), std::fabs(c.A0)});
    Bracket b{-bound, bound};
    const long double discriminant = c.A2 * c.A2 - 3 * c.A1;
    if (discriminant > 0) {
        // The turning points without cancellation: their product is A1/3.
        const long double t = -(c.A2 + std::copysign(std::sqrt(discriminant), c.A2));
        const long double first = t / 3, second = c.A1 / t;
        const long double minimum = std::max(first, second), maximum = std::min(first, second);
        if (c.Value(minimum) <= 0)
            b.low = minimum;
        else
            b.high = maximum;
    }
    return b;
}

// The bracket narrowed for Newton steps to home in from: every root lies within
// 2·max(|A2|, |A1|^(1/2), |A0/2|^(1/3)), a bound far closer than the Cauchy one where A0 is
// large. Each end moves only where the sign of the cubic there confirms it.
Bracket Narrowed(const Cubic& c, Bracket b) {
    const long double reach =
        2 * std::max({double(std::fabs(c.A2)), std::sqrt(double(std::fabs(c.A1))),
                      std::cbrt(double(std::fabs(c.A0)) / 2)});
    if (reach < b.high && c.Value(reach) > 0) b.high = reach;
    if (-reach > b.low && c.Value(-reach) < 0) b.low = -reach;
    return b;
}

// Newton steps that stay inside the bracket, a halving instead where a step would leave it,
// from `start` where that lies inside, else from the middle. The careful search also halves
// where the last step shrank the bracket by less than half, so that it always ends. The eager
// one ends where a step is below 2^-60 of y, relative, and gives up after a number of steps;
// near the root the rounding of the cubic would send its steps to and fro.
std::optional<long double> Search(const Cubic& c, Bracket b, bool eager, long double start) {
    constexpr int kEagerSteps = 100;
    long double y = start > b.low && start < b.high ? start : b.low + (b.high - b.low) / 2;
    long double lastWidth = b.high - b.low;
    for (int step = 0; !eager || step < kEagerSteps; ++step) {
        const long double value = c.Value(y);
        if (value == 0) return y;
        (value < 0 ? b.low : b.high) = y;
        const long double width = b.high - b.low;
        const long double rise = c.Slope(y);
        long double next = b.low + width / 2;
        // The step is formed only when it is shorter than the bracket, so it cannot overflow.
        if ((eager || width <= lastWidth / 2) && std::fabs(value) < std::fabs(rise) * width) {
            const long double newton = y - value / rise;
            if (eager && std::fabs(newton - y) <= 0x1p-60L * std::fabs(y)) return y;
            if (newton > b.low && newton < b.high) next = newton;
        }
        lastWidth = width;
        if (next == y || !(next > b.low && next < b.high)) return y;
        y = next;
    }
    return std::nullopt;
}

// Whether every search ends with the Single of y. Where the cubic rises steeply at y against
// the rounding error of its value, each end point of a search lies within 2^-54 of the root,
// relative; no Single changes within 2^-50 of y.
bool SingleIsSettled(const Cubic& c, long double y) {
    const long double margin = std::fabs(y) * 0x1p-50L;
    return margin > 0 && std::fabs(c.Slope(y) * y) >= 0x1p-6L * c.Magnitude(y) &&
           Single(y - margin) == Single(y + margin);
}

}  // namespace

int SignOf(double x) {
    return (x > 0) - (x < 0);
}

double SolveCubic(Single a2, Single a1, Single a0) {
    // Reduced to t^3 + p*t + q = 0 with y = t - a2/3. Every stored intermediate is a Single,
    // the angle in degrees; only the root slots are Doubles.
    const Single p = (3.0 * a1 - double(a2) * a2) / 3.0;
    const Single q = (2.0 * a2 * a2 * a2 - 9.0 * a2 * a1 + 27.0 * double(a0)) / 27.0;
    const Single D = double(q) * q / 4.0 + double(p) * p * p / 27.0;

    double roots[3];
    int count = 0;
    if (D > 0) {
        const Single u = -q / 2.0 + std::sqrt(double(D));
        const Single v = -q / 2.0 - std::sqrt(double(D));
        roots[count++] = SignOf(u) * std::cbrt(std::fabs(double(u))) +
                         SignOf(v) * std::cbrt(std::fabs(double(v)));
    } else if (D == 0) {
        const double s = std::sqrt(std::max(0.0, -p / 3.0));
        roots[count++] = SignOf(q) * s;
        roots[count++] = -2.0 * SignOf(q) * s;
    } else {
        // Rounding of the Single discriminant may put the cosine a hair beyond 1.
        const double cosine = std::clamp(
            -SignOf(q) * std::sqrt((double(q) * q / 4.0) / (-double(p) * p * p / 27.0)), -1.0, 1.0);
        const Single theta = std::acos(cosine) * 180.0 / std::numbers::pi;
        const double radius = 2.0 * std::sqrt(-p / 3.0);
        for (int k = 1; k <= 3; ++k)
            roots[count++] = radius * std::cos(Radians(k * 120.0 + theta / 3.0));
    }

    // Only the slots that the case fills are roots.
    double largest = 0;
    for (int k = 0; k < count; ++k) {
        const double root = roots[k] - a2 / 3.0;
        if (!std::isfinite(root)) return root;  // coefficients beyond the range of a Single
        largest = std::max(largest, root);
    }
    return largest;
}

// The eager search ends in a few steps where the careful one may take a hundred; where its
// Single could differ from the careful one's, the careful search decides.
long double LargestRealRoot(Single a2, Single a1, Single a0, double near) {
    const Cubic c{a2, a1, a0};
    const Bracket bracket = BracketOf(c);
    if (const auto y = Search(c, Narrowed(c, bracket), true, near); y && SingleIsSettled(c, *y))
        return *y;
    return *Search(c, bracket, false, bracket.low);
}
