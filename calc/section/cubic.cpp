// Roots of the cubic: closed form (Cardano and trigonometric), and a bracketed Newton search.
#include "calc/section/cubic.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

float Single(double value) {
    return static_cast<float>(value);
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace

int SignOf(double x) {
    return (x > 0) - (x < 0);
}

double SolveCubic(float a2, float a1, float a0) {
    // Reduced to t^3 + p*t + q = 0 with y = t - a2/3. Every stored intermediate is a Single,
    // the angle in degrees; only the root slots are Doubles.
    const float p = Single((3.0 * a1 - double(a2) * a2) / 3.0);
    const float q = Single((2.0 * a2 * a2 * a2 - 9.0 * a2 * a1 + 27.0 * double(a0)) / 27.0);
    const float D = Single(double(q) * q / 4.0 + double(p) * p * p / 27.0);

    double roots[3];
    int count = 0;
    if (D > 0) {
        const float u = Single(-q / 2.0 + std::sqrt(double(D)));
        const float v = Single(-q / 2.0 - std::sqrt(double(D)));
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
        const float theta = Single(std::acos(cosine) * 180.0 / std::numbers::pi);
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

long double LargestRealRoot(float a2, float a1, float a0) {
    const long double A2 = a2, A1 = a1, A0 = a0;
    const auto f = [&](long double y) { return ((y + A2) * y + A1) * y + A0; };
    const auto slope = [&](long double y) { return (3 * y + 2 * A2) * y + A1; };

    // A bracket [low, high] with f(low) <= 0 <= f(high) on which f rises: within the Cauchy
    // bound of every root, narrowed by the turning points when the cubic has two. The
    // largest root lies beyond the local minimum when f is not positive there, and below
    // the local maximum otherwise.
    const long double bound = 1 + std::max({std::fabs(A2), std::fabs(A1), std::fabs(A0)});
    long double low = -bound, high = bound;
    const long double discriminant = A2 * A2 - 3 * A1;
    if (discriminant > 0) {
        // The turning points without cancellation: their product is A1/3.
        const long double t = -(A2 + std::copysign(std::sqrt(discriminant), A2));
        const long double first = t / 3, second = A1 / t;
        const long double minimum = std::max(first, second), maximum = std::min(first, second);
        if (f(minimum) <= 0)
            low = minimum;
        else
            high = maximum;
    }

    // Newton steps that stay inside the bracket; a halving instead when a step would leave it
    // or the last step shrank the bracket by less than half, so that the search always ends.
    long double y = low + (high - low) / 2;
    long double lastWidth = high - low;
    for (;;) {
        const long double value = f(y);
        if (value == 0) return y;
        (value < 0 ? low : high) = y;
        const long double width = high - low;
        const long double rise = slope(y);
        long double next = low + width / 2;
        // The step is formed only when it is shorter than the bracket, so it cannot overflow.
        if (width <= lastWidth / 2 && std::fabs(value) < std::fabs(rise) * width) {
            const long double newton = y - value / rise;
            if (newton > low && newton < high) next = newton;
        }
        lastWidth = width;
        if (next == y || !(next > low && next < high)) return y;
        y = next;
    }
}
