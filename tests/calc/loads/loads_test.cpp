// Load values and load terms per load case. Expected values are the formulas evaluated by
// hand (in double precision) for the inputs of each row; the stage stores Singles, so values
// agree to float precision.
#include "calc/loads/loads.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "box_record.h"

namespace {

struct Expected {
    const char* field;
    double (*get)(const TKakou&);
    double value;
};
#define F(name, v)                                                 \
    Expected {                                                     \
#name, [](const TKakou& r) -> double { return r.name; }, v \
    }

struct LoadCaseRow {
    const char* name;
    BoxInputs inputs;
    int loadCase;
    std::vector<Expected> expected;
};

// T-20 (80 kN, axle 4.0 m) under 2.8 m of cover: the rear-wheel band is wider than the span
// (W1 = 6.2 m > Bo = 3.5 m) and the front wheel stands on the span (L1 = 0.85 m).
BoxInputs ShallowT20() {
    BoxInputs in;
    in.h1 = 2.8f;
    in.P1 = 80;
    in.axleDistance = 4.0;
    in.impactDepth = 3.5;
    return in;
}

// h1d = 1.5 m and Bo = 3.2 m: W1 = 2·1.5 + 0.2 equals Bo exactly; the front wheel is off
// the span (L1 = 0).
BoxInputs BandEqualsSpan() {
    BoxInputs in;
    in.h1 = 1.25f;
    in.Tu = 0.5f;
    in.B = 3.7f;
    return in;
}

BoxInputs WithQ(double q) {
    BoxInputs in;
    in.q = q;
    return in;
}

std::vector<LoadCaseRow> Rows() {
    return {
        {"case 1, wide band, front wheel on",
         ShallowT20(),
         1,
         {F(W1, 6.2),
          F(PL1, 75.6363636),
          F(PvL1, 10.9794721),
          F(PvL2, 2.74486804),
          F(PhL1, 5.48973607),
          F(PhL2, 1.37243402),
          F(Pvd, 50.4),
          F(Pv1, 61.88),
          F(Phd1, 27),
          F(Phd2, 58.05),
          F(Ph1, 33.8621701),
          F(Ph2, 64.9121701),
          F(Ph3, 32.4897361),
          F(Ph4, 63.5397361),
          F(Sp1, 170.385737),
          F(e1, 1.54424708),
          F(Sp2, 165.650839),
          F(e2, 1.53908052),
          F(Sp3, 257.34129),
          F(e3, 1.76201287),
          F(Sp4, 330.84129),
          F(e4, 1.73465642),
          F(Sp5, 4.73489736),
          F(Pv2L, 97.0124292),
          F(Pv2R, 92.0397367),
          F(Pv1Frame, 61.88),
          F(PvL1Frame, 10.9794721),
          F(PvL2Frame, 2.74486804),
          F(Cab, 50.7043882),
          F(Cba, 44.5448445),
          F(Cbc, 74.5086783),
          F(Ccb, 75.0771188),
          F(Ccd, 45.9061275),
          F(Cdc, 52.0656712),
          F(Cda, 95.9877473),
          F(Cad, 97.0030054),
          F(Astory, 2.72256598),
          F(Pv2, 0),
          F(Phd1q, 0),
          F(Phd2q, 0),
          F(qApplied, 0)}},
        {"case 2: the same wheels, no horizontal live load",
         ShallowT20(),
         2,
         {F(PvL1, 10.9794721), F(PvL2, 2.74486804), F(PhL1, 0), F(PhL2, 0), F(Ph1, 27),
          F(Ph2, 58.05), F(Ph3, 27), F(Ph4, 58.05), F(Sp5, 0), F(e4, 1.75934408),
          F(Pv2L, 93.0119241), F(Pv2R, 96.0402418), F(Astory, 0)}},
        {"case 1, W1 = Bo exactly, L1 = 0: PL1 form, no horizontal live load",
         BandEqualsSpan(),
         1,
         {F(W1, 3.2), F(L1, 0), F(PvL1, 26.5909091), F(PvL2, 0), F(PhL1, 0), F(PhL2, 0),
          F(Ph1, 13.5), F(Ph3, 13.5), F(Ph2, 44.1), F(Ph4, 44.1), F(Sp3, 212.850455), F(e3, 1.6),
          F(Sp4, 283.900455), F(e4, 1.6), F(Pv2L, 88.718892), F(Pv2R, 88.718892), F(PvL2Frame, 0),
          F(Cbc, 54.2389091), F(Ccb, 54.2389091)}},
        {"case 3: uniform load on the walls only",
         BoxInputs{},
         3,
         {F(Pv1, 87.08),      F(qApplied, 10),    F(Phd1q, 44.6),  F(Phd2q, 75.65),
          F(Pv2, 108.08),     F(Ph1, 44.6),       F(Ph2, 75.65),   F(Ph3, 44.6),
          F(Ph4, 75.65),      F(Pv2L, 108.08),    F(Pv2R, 108.08), F(Cab, 62.7162562),
          F(Cbc, 88.8941667), F(Cad, 110.331667), F(Astory, 0),    F(W1, 0),
          F(PL1, 0),          F(PvL1, 0),         F(Phd1, 0),      F(Sp1, 0),
          F(e3, 0),           F(Sp4, 0),          F(PvL1Frame, 0)}},
        {"case 4: uniform load on the top slab and the walls",
         BoxInputs{},
         4,
         {F(Pv1, 97.08),      F(qApplied, 10),    F(Phd1q, 44.6),     F(Phd2q, 75.65),
          F(Pv2, 118.08),     F(Ph1, 44.6),       F(Ph2, 75.65),      F(Ph3, 44.6),
          F(Ph4, 75.65),      F(Pv2L, 118.08),    F(Pv2R, 118.08),    F(Pv1Frame, 97.08),
          F(Cab, 62.7162562), F(Cba, 56.5567125), F(Ccd, 56.5567125), F(Cdc, 62.7162562),
          F(Cbc, 99.1025),    F(Ccb, 99.1025),    F(Cad, 120.54),     F(Cda, 120.54),
          F(Astory, 0)}},
        {"case 5 with q = 0: earth pressure and self weight only",
         WithQ(0),
         5,
         {F(Pv1, 87.08), F(qApplied, 0), F(Phd1q, 39.6), F(Phd2q, 70.65), F(Pv2, 108.08),
          F(Pv2L, 108.08), F(Cbc, 88.8941667), F(Astory, 0)}},
        {"case 5 with q = 5",
         WithQ(5),
         5,
         {F(Pv1, 92.08), F(qApplied, 5), F(Phd1q, 42.1), F(Phd2q, 73.15), F(Pv2, 113.08),
          F(Pv2L, 113.08), F(Pv2R, 113.08), F(Cbc, 93.9983333), F(Astory, 0)}},
    };
}

TEST(Loads, ValuesAndLoadTermsPerLoadCase) {
    for (const LoadCaseRow& row : Rows()) {
        TKakou record = MakeRecord(row.inputs);
        ComputeLoads(record, row.loadCase);
        for (const Expected& e : row.expected) {
            const double actual = e.get(record);
            // Single precision, and load terms that cancel to zero up to rounding.
            const double tolerance = 3e-6 * std::fabs(e.value) + 2e-5;
            EXPECT_NEAR(actual, e.value, tolerance) << row.name << ": " << e.field;
        }
    }
}

TEST(Loads, BandEqualToSpanIsExactInTheTestRecord) {
    // Guards the row above: the boundary W1 = Bo must hold in Single precision.
    TKakou record = MakeRecord(BandEqualsSpan());
    ComputeLoads(record, 1);
    EXPECT_EQ(record.W1, record.Bo);
}

TEST(Loads, ZeroResultantsHaveAFinitePointOfAction) {
    // No cover, no wheel load and no concrete weight: nothing rests on the slabs.
    BoxInputs in;
    in.h1 = 0;
    in.gammaC = 0;
    in.P1 = 0;
    TKakou record = MakeRecord(in);
    ComputeLoads(record, 1);
    ASSERT_EQ(record.Sp3, 0);
    ASSERT_EQ(record.Sp4, 0);
    for (float value : {record.e3, record.e4, record.Pv2L, record.Pv2R, record.Cad, record.Cda})
        EXPECT_EQ(value, 0);
}

}  // namespace
