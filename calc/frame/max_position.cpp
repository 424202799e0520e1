// Zeros of the member shears.
#include "calc/frame/max_position.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Extended = long double;

// The real roots of the quadratic (the single root of a linear one), closed-form order:
// r1 with +√, r2 with −√.
std::vector<Extended> ShearZeros(const ShearQuadratic& q) {
    const Extended a = q.a, b = q.b, c = q.c;
    if (a == 0) {
        if (b == 0) return {};
        return {-c / b};
    }
    const Extended discriminant = b * b - 4 * a * c;
    if (discriminant < 0) return {};
    const Extended root = std::sqrt(discriminant);
    return {(-b + root) / (2 * a), (-b - root) / (2 * a)};
}

}  // namespace

float SideWallMaxPosition(const FrameMember& wall, const ShearQuadratic& shear, bool fromEnd) {
    const Extended length = wall.length;
    auto fromStart = [&](Extended zero) { return fromEnd ? length - zero : zero; };
    auto inWall = [&](Extended zero) { return zero >= 0 && zero <= length; };

    const std::vector<Extended> zeros = ShearZeros(shear);
    if (!zeros.empty()) {
        const Extended first = *std::min_element(zeros.begin(), zeros.end());
        if (inWall(first)) return static_cast<float>(fromStart(first));
    }
    // The usual zero is missing or outside the wall: take the largest moment over the wall.
    Extended best = 0;
    for (Extended x : {static_cast<Extended>(0), length}) {
        if (MomentAt(wall, x) > MomentAt(wall, best)) best = x;
    }
    for (Extended zero : zeros) {
        if (inWall(zero) && MomentAt(wall, fromStart(zero)) > MomentAt(wall, best))
            best = fromStart(zero);
    }
    return static_cast<float>(best);
}

float BottomSlabMaxPosition(const FrameMember& slab, const ShearQuadratic& shear, bool equalLoads) {
    const Extended length = slab.length;
    Extended fromA = 0;
    if (equalLoads) {
        fromA = length / 2;
    } else {
        const std::vector<Extended> zeros = ShearZeros(shear);
        const bool firstUsable = zeros.size() == 2 && zeros[0] >= 0;
        const bool secondUsable = zeros.size() == 2 && zeros[1] >= 0;
        if (firstUsable && secondUsable)
            fromA = std::min(zeros[0], zeros[1]);
        else if (firstUsable)
            fromA = zeros[0];
        else if (secondUsable)
            fromA = zeros[1];
    }
    return static_cast<float>(length - fromA);
}

float FindTopSlabMaxPosition(const FrameMember& slab) {
    const float span = static_cast<float>(slab.length);
    float x = 0;
    while (x < span) {
        if (ShearAt(slab, x) < 0) return x;
        const float next = static_cast<float>(x + 0.001L);
        if (next <= x) break;  // far out a 4-byte x no longer grows by 1 mm
        x = next;
    }
    return 99.0f;
}
