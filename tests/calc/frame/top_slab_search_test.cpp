// The top-slab search tests the grid in blocks where the shear can only fall; whatever the
// loads, it must find the point the plain 1 mm stepping finds.
#include <gtest/gtest.h>

#include "calc/frame/max_position.h"
#include "calc/frame/member_model.h"

namespace {

// The search as a sequence of single steps: the first grid point with a negative shear.
float SteppingSearch(const FrameMember& slab) {
    const float span = static_cast<float>(slab.length);
    for (float x = 0; x < span;) {
        if (ShearAt(slab, x) < 0) return x;
        const float next = static_cast<float>(x + 0.001L);
        if (next <= x) break;
        x = next;
    }
    return 99.0f;
}

FrameMember TopSlab(long double span, long double startShear, long double uniform, long double rear,
                    long double front, long double L1, long double W1, long double L3) {
    FrameMember slab;
    slab.topSlab = true;
    slab.length = span;
    slab.startShear = startShear;
    slab.uniformLoad = uniform;
    slab.rearLoad = rear;
    slab.frontLoad = front;
    slab.bands.L1 = L1;
    slab.bands.W1 = W1;
    slab.bands.L3 = L3;
    return slab;
}

TEST(FindTopSlabMaxPosition, FindsThePointOfThePlainStepping) {
    int searched = 0;
    for (long double span : {0.35L, 2.6L, 4.1L})
        for (long double uniform : {0.0L, 9.5L, 86.0L})
            for (long double rear : {0.0L, 41.0L, -12.0L})
                for (long double front : {0.0L, 27.0L, -60.0L})
                    for (long double L1 : {-0.4L, 0.35L, 1.3L})
                        for (long double W1 : {0.6L, 2.7L}) {
                            // Start shears that put the zero before, inside and after the
                            // bands, and beyond the span.
                            const long double load = uniform + (rear > 0 ? rear : 0) + 1;
                            for (long double share : {-0.1L, 0.0L, 0.08L, 0.3L, 0.55L, 1.4L}) {
                                const FrameMember slab = TopSlab(span, share * load * span, uniform,
                                                                 rear, front, L1, W1, span / 5);
                                EXPECT_EQ(FindTopSlabMaxPosition(slab), SteppingSearch(slab))
                                    << "span " << static_cast<double>(span) << " uniform "
                                    << static_cast<double>(uniform) << " rear "
                                    << static_cast<double>(rear) << " front "
                                    << static_cast<double>(front) << " L1 "
                                    << static_cast<double>(L1) << " W1 " << static_cast<double>(W1)
                                    << " share " << static_cast<double>(share);
                                ++searched;
                            }
                        }
    EXPECT_EQ(searched, 2916);
}

TEST(FindTopSlabMaxPosition, LongSpansBeyondTheFirstSixteenMetres) {
    for (long double zeroAt : {12.3L, 15.999L, 16.02L, 18.7L, 25.0L}) {
        const FrameMember slab = TopSlab(20.0L, 40 * zeroAt, 40, 10, 5, 3.0L, 2.0L, 1.5L);
        EXPECT_EQ(FindTopSlabMaxPosition(slab), SteppingSearch(slab))
            << static_cast<double>(zeroAt);
    }
}

TEST(FindTopSlabMaxPosition, ShearReachingExactlyZeroIsNotNegative) {
    // The uniform load of 1000 makes the shear 0 exactly where x·1000 equals the start shear.
    const float x = static_cast<float>(static_cast<float>(0.0L + 0.001L) + 0.001L);
    const FrameMember slab = TopSlab(3.0L, x * 1000.0L, 1000, 0, 0, 0.5L, 1.0L, 0);
    ASSERT_EQ(ShearAt(slab, x), 0);
    EXPECT_EQ(FindTopSlabMaxPosition(slab), static_cast<float>(x + 0.001L));
}

}  // namespace
