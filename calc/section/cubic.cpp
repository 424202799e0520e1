// Closed-form (Cardano and trigonometric) solution of the cubic.
#include "calc/section/cubic.h"

#include <algorithm>
#include <cmath>
#include <numbers>

int SignOf(double x) {
    return (x > 0) - (x < 0);
}

double SolveCubic(float a2, float a1, float a0) {
    // Reduced to t^3 + p*t + q = 0 with y = t - a2/3; p, q and the discriminant are Singles.
    const float p = static_cast<float>((3.0 * a1 - double(a2) * a2) / 3.0);
    const float q =
        static_cast<float>((2.0 * a2 * a2 * a2 - 9.0 * a2 * a1 + 27.0 * double(a0)) / 27.0);
    const float D = static_cast<float>(double(q) * q / 4.0 + double(p) * p * p / 27.0);

    double roots[3];
    int count = 0;
    if (D > 0) {
        const double u = -q / 2.0 + std::sqrt(double(D));
        const double v = -q / 2.0 - std::sqrt(double(D));
        roots[count++] = SignOf(u) * std::cbrt(std::fabs(u)) + SignOf(v) * std::cbrt(std::fabs(v));
    } else if (D == 0) {
        const double s = std::sqrt(std::max(0.0, -p / 3.0));
        roots[count++] = SignOf(q) * s;
        roots[count++] = -2.0 * SignOf(q) * s;
    } else {
        // Rounding of the Single discriminant may put the cosine a hair beyond 1.
        const double cosine = std::clamp(
            -SignOf(q) * std::sqrt((double(q) * q / 4.0) / (-double(p) * p * p / 27.0)), -1.0, 1.0);
        const double theta = std::acos(cosine);
        const double radius = 2.0 * std::sqrt(-p / 3.0);
        for (int k = 1; k <= 3; ++k)
            roots[count++] = radius * std::cos(k * 2.0 * std::numbers::pi / 3.0 + theta / 3.0);
    }

    double largest = 0;
    for (int k = 0; k < count; ++k) {
        const double root = roots[k] - a2 / 3.0;
        if (!std::isfinite(root)) return root;  // coefficients beyond the range of a Single
        largest = std::max(largest, root);
    }
    return largest;
}
