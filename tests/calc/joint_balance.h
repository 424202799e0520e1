// The joint moments of a solved frame balance at every joint, up to the rounding of 4-byte
// floats at the size of its moments and load terms.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/record.h"

namespace joint_balance {

inline constexpr double kSingleEpsilon = 1.1920929e-7;

// The size of the joint moments and load terms: the scale of a 4-byte rounding.
inline double MomentScale(const TLamen& r) {
    double scale = 1e-3;
    for (float m : {r.Mab, r.Mba, r.Mbc, r.Mcb, r.Mcd, r.Mdc, r.Mda, r.Mad, r.Cab, r.Cba, r.Cbc,
                    r.Ccb, r.Ccd, r.Cdc, r.Cda, r.Cad})
        scale = std::max(scale, std::fabs(static_cast<double>(m)));
    return scale;
}

inline void ExpectJointsBalance(const TLamen& r) {
    const double tolerance = 64 * kSingleEpsilon * MomentScale(r);
    EXPECT_NEAR(static_cast<double>(r.Mab) + r.Mad, 0, tolerance) << "joint A";
    EXPECT_NEAR(static_cast<double>(r.Mba) + r.Mbc, 0, tolerance) << "joint B";
    EXPECT_NEAR(static_cast<double>(r.Mcb) + r.Mcd, 0, tolerance) << "joint C";
    EXPECT_NEAR(static_cast<double>(r.Mdc) + r.Mda, 0, tolerance) << "joint D";
}

}  // namespace joint_balance
