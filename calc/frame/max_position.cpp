// Zeros of the member shears.
#include "calc/frame/max_position.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
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

Single SideWallMaxPosition(const FrameMember& wall, const ShearQuadratic& shear, bool fromEnd) {
    const Extended length = wall.length;
    auto fromStart = [&](Extended zero) { return fromEnd ? length - zero : zero; };
    auto inWall = [&](Extended zero) { return zero >= 0 && zero <= length; };

    const std::vector<Extended> zeros = ShearZeros(shear);
    if (!zeros.empty()) {
        const Extended first = *std::min_element(zeros.begin(), zeros.end());
        if (inWall(first)) return Single(fromStart(first));
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
    return Single(best);
}

Single BottomSlabMaxPosition(const FrameMember& slab, const ShearQuadratic& shear,
                             bool equalLoads) {
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
    return Single(length - fromA);
}

namespace {

// The 1 mm step of the search grid, taken in extended precision and rounded to a 4-byte x.
constexpr Single GridStep(Single x) {
    return Single(x + 0.001L);
}

// Every 64th point of the grid from 0 up to 16 m. The grid is the same for every slab, so it
// is stepped through once, by the compiler.
constexpr int kBlock = 64;
constexpr Single kBlocksEnd = 16;

constexpr std::size_t BlockCount() {
    std::size_t count = 0;
    Single x = 0;
    for (int k = 0; x < kBlocksEnd; ++k, x = GridStep(x))
        if (k % kBlock == 0) ++count;
    return count;
}

constexpr auto kBlockStarts = [] {
    std::array<Single, BlockCount()> starts{};
    std::size_t n = 0;
    Single x = 0;
    for (int k = 0; x < kBlocksEnd; ++k, x = GridStep(x))
        if (k % kBlock == 0) starts[n++] = x;
    return starts;
}();

// Where no load on the top slab pulls upwards and the rear band has a width, the shear only
// falls along the span. Its computed value then stays within rounding of a falling function,
// and a computed shear above the returned slack at some point means a computed shear of at
// least 0 at every point before it. Infinite when the shear may rise.
Extended FallingShearSlack(const FrameMember& slab) {
    const TopSlabBands& b = slab.bands;
    if (!slab.topSlab || slab.uniformLoad < 0 || slab.rearLoad < 0 || slab.frontLoad < 0 ||
        b.W1 < 0)
        return std::numeric_limits<Extended>::infinity();
    // Every term of the shear is at most this large; each of its few operations rounds by a
    // relative 2^-64, far below the 2^-40 allowed here.
    const Extended size =
        std::fabs(slab.startShear) +
        (slab.uniformLoad + slab.rearLoad + slab.frontLoad) *
            (2 * std::fabs(slab.length) + std::fabs(b.L1) + b.W1 + std::fabs(b.L3) + 1);
    return std::isfinite(size) ? std::ldexp(size, -40) : std::numeric_limits<Extended>::infinity();
}

}  // namespace

Single FindTopSlabMaxPosition(const FrameMember& slab) {
    const Single span = slab.length;
    Single x = 0;
    // A clearly positive shear at a later block start vouches for every point up to it.
    const Extended slack = FallingShearSlack(slab);
    if (std::isfinite(slack)) {
        const auto& starts = kBlockStarts;
        for (std::size_t k = 1;
             k < starts.size() && starts[k] < span && ShearAt(slab, starts[k]) > slack; ++k)
            x = starts[k];
    }
    while (x < span) {
        if (ShearAt(slab, x) < 0) return x;
        const Single next = GridStep(x);
        if (next <= x) break;  // far out a 4-byte x no longer grows by 1 mm
        x = next;
    }
    return 99;
}
