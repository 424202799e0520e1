// Reading the design conditions: conversion order and field names, the live-load table, the
// derived geometry, outlines, self weights and coefficients, worked by hand.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/decimal.h"
#include "tests/calc/read_record.h"

namespace {

using Edit = std::function<void(DesignConditions&)>;

DesignConditions With(const Edit& edit) {
    DesignConditions conditions;
    edit(conditions);
    return conditions;
}

}  // namespace

// The defaults: h1 4.20, H 3.90, B 4.00, Tu 0.40, TL = Tb 0.50, haunches 0.20, γc 24.5.
TEST(ReadDesignConditions, DefaultsGiveTheWorkedGeometryAndLoads) {
    const auto r = ReadRecord(DesignConditions{});
    EXPECT_DOUBLE_EQ(r->gammaS, 18.0);
    EXPECT_DOUBLE_EQ(r->gammaC, 24.5);
    EXPECT_DOUBLE_EQ(r->gammaA, 23.0);
    EXPECT_DOUBLE_EQ(r->Ko, 0.5);
    EXPECT_DOUBLE_EQ(r->q, 0.0);
    EXPECT_DOUBLE_EQ(r->sigmaCk, 24.0);
    EXPECT_DOUBLE_EQ(r->sigmaCa, 8.0);
    EXPECT_DOUBLE_EQ(r->tauA, 0.39);
    EXPECT_DOUBLE_EQ(r->tauOa, 1.6);
    EXPECT_DOUBLE_EQ(r->sigmaSa, 160.0);
    EXPECT_DOUBLE_EQ(r->sigmaSaJoint, 200.0);
    EXPECT_FLOAT_EQ(r->dTop, 0.10f);
    EXPECT_FLOAT_EQ(r->dWall, 0.10f);
    EXPECT_FLOAT_EQ(r->dBottomUpper, 0.11f);
    EXPECT_FLOAT_EQ(r->dBottomLower, 0.11f);
    EXPECT_FLOAT_EQ(r->Ho, 3.45f);  // 3.90 - (0.40 + 0.50) / 2
    EXPECT_FLOAT_EQ(r->Bo, 3.50f);
    EXPECT_FLOAT_EQ(r->Bu, 3.00f);
    EXPECT_FLOAT_EQ(r->Hu, 3.00f);
    EXPECT_FLOAT_EQ(r->h1d, 4.40f);
    EXPECT_FLOAT_EQ(r->h2d, 7.85f);
    EXPECT_FLOAT_EQ(r->D1, 40.18f);  // 24.5 (4.0 * 0.4 + 0.2 * 0.2)
    EXPECT_FLOAT_EQ(r->D2, 73.5f);   // 24.5 * 1.0 * 3.0
    EXPECT_FLOAT_EQ(r->D3, 49.0f);   // 24.5 * 4.0 * 0.5, no lower haunches
    // 1.75 - (6.0 - 4.5); h1d is stored as 4.3999996, which L1 reads.
    EXPECT_NEAR(r->L1, 0.25f, 1e-6);
    EXPECT_NEAR(r->L2, 3.25f, 1e-6);
    EXPECT_EQ(r->i, 0.0f);  // 4.20 m of cover is beyond the 4.0 m impact depth
    EXPECT_DOUBLE_EQ(r->alpha, 1.0);
    EXPECT_DOUBLE_EQ(r->beta, 0.9);
}

TEST(ReadDesignConditions, LiveLoadTable) {
    struct Case {
        int item;
        std::string weight, axle, depth;  // the T-load dialog
        double P1, axleDistance, impactDepth;
    } cases[] = {
        {0, "25", "6.0", "4.0", 100.0, 6.0, 4.0},
        {0, "20", "4.5", "3.0", 80.0, 4.5, 3.0},  // a customised T load
        {0, "0", "6.0", "4.0", 0.0, 6.0, 4.0},
        // Only the first item reads the dialog, so its texts may be anything for the others.
        {1, "x", "x", "x", 80.0, 4.0, 3.5},
        {2, "x", "x", "x", 56.0, 4.0, 3.5},
        {3, "x", "x", "x", 0.0, 4.0, 3.5},
        {-1, "x", "x", "x", 0.0, 0.0, 0.0},  // no item selected
    };
    for (const auto& c : cases) {
        const auto r = ReadRecord(With([&](DesignConditions& d) {
            d.liveLoad = c.item;
            d.liveLoadCaption0 = "Ｔ－" + c.weight;
            d.tWeight = c.weight;
            d.tAxleDistance = c.axle;
            d.tImpactDepth = c.depth;
        }));
        EXPECT_DOUBLE_EQ(r->P1, c.P1) << c.item << " " << c.weight;
        EXPECT_DOUBLE_EQ(r->axleDistance, c.axleDistance) << c.item;
        EXPECT_DOUBLE_EQ(r->impactDepth, c.impactDepth) << c.item;
    }
}

TEST(ReadDesignConditions, ImpactCoefficientActsBelowTheImpactDepth) {
    struct Case {
        int item;
        const char* h1;
        float i;
    } cases[] = {
        {0, "4.0", 0.0f},  {0, "3.99", 0.3f}, {1, "3.5", 0.0f},
        {1, "3.49", 0.3f}, {3, "3.6", 0.0f},  {3, "1.0", 0.3f},
    };
    for (const auto& c : cases) {
        const auto r = ReadRecord(With([&](DesignConditions& d) {
            d.liveLoad = c.item;
            d.h1 = c.h1;
        }));
        EXPECT_EQ(r->i, c.i) << c.item << " " << c.h1;
    }
}

TEST(ReadDesignConditions, VerticalEarthPressureCoefficient) {
    struct Case {
        int foundation;
        const char *h1, *H, *B;  // Tu 0.40 and Tb 0.50, so Hu = H - 0.90
        double alpha;
    } cases[] = {
        {1, "4.2", "3.90", "4.0", 1.2},    // r = 1.05
        {0, "4.2", "3.90", "4.0", 1.0},    // cover below 10 m
        {0, "12", "4.10", "4.0", 1.5},     // Hu 3.2, r = 3.0
        {0, "12", "3.90", "4.0", 1.0},     // Hu 3.0 is not above 3.0
        {0, "9.99", "4.10", "4.0", 1.0},   // cover just below 10 m
        {0, "10", "4.10", "2.0", 1.6},     // r = 5
        {2, "12", "4.10", "4.0", 1.0},     // other foundations
        {-1, "4.2", "3.90", "4.0", 0.0},   // no item
        {1, "3.9", "3.90", "4.0", 1.0},    // r below 1
        {1, "4.0", "3.90", "4.0", 1.2},    // r = 1
        {1, "8.0", "3.90", "4.0", 1.35},   // r = 2
        {1, "15.99", "3.90", "4.0", 1.5},  // r just below 4
        {1, "16", "3.90", "4.0", 1.6},     // r = 4
        {1, "2.1", "3.90", "0.7", 1.5},    // 2.1 / 0.7 lies just below 3 until rounded
    };
    for (const auto& c : cases) {
        const auto r = ReadRecord(With([&](DesignConditions& d) {
            d.foundation = c.foundation;
            d.h1 = c.h1;
            d.H = c.H;
            d.B = c.B;
        }));
        EXPECT_DOUBLE_EQ(r->alpha, c.alpha) << c.foundation << " h1 " << c.h1 << " B " << c.B;
    }
}

TEST(ReadDesignConditions, ReductionCoefficient) {
    struct Case {
        const char *h1, *B;  // TL 0.50, so Bu = B - 1.0
        double beta;
    } cases[] = {
        {"1.0", "5.0", 1.0},
        {"1.01", "5.0", 0.9},
        {"1.0", "4.9", 0.9},
        {"0", "6.0", 1.0},
    };
    for (const auto& c : cases) {
        const auto r = ReadRecord(With([&](DesignConditions& d) {
            d.h1 = c.h1;
            d.B = c.B;
        }));
        EXPECT_DOUBLE_EQ(r->beta, c.beta) << c.h1 << " " << c.B;
    }
}

TEST(ReadDesignConditions, FrontWheelSpanNeverNegative) {
    struct Case {
        const char* h1;  // Tu 0.40, Bo 3.50, T-20 with its 4.0 m axle distance
        float L1, L2;
    } cases[] = {
        {"4.2", 2.25f, 1.25f},  // h1d 4.4: 1.75 - (4.0 - 4.5)
        {"0.3", 0.0f, 3.5f},    // h1d 0.5: 1.75 - 3.4 is below zero
        {"1.95", 0.0f, 3.5f},   // h1d 2.15: 1.75 - 1.75
    };
    for (const auto& c : cases) {
        const auto r = ReadRecord(With([&](DesignConditions& d) {
            d.liveLoad = 1;
            d.h1 = c.h1;
        }));
        EXPECT_NEAR(r->L1, c.L1, 1e-6) << c.h1;
        EXPECT_NEAR(r->L2, c.L2, 1e-6) << c.h1;
    }
}

TEST(ReadDesignConditions, BottomSlabWeightIncludesLowerHaunchesOnlyWhenPresent) {
    const auto without = ReadRecord(DesignConditions{});
    const auto with = ReadRecord(With([](DesignConditions& d) { d.lowerHaunch = true; }));
    EXPECT_FLOAT_EQ(without->D3, 49.0f);
    EXPECT_FLOAT_EQ(with->D3, 49.98f);  // 24.5 (4.0 * 0.5 + 0.2 * 0.2), the form of D1
    EXPECT_FLOAT_EQ(with->D1, without->D1);
}

namespace {

struct Point {
    double x, y;
};

void ExpectPolygon(const BoxPolygon& polygon, const std::vector<Point>& corners, const char* name) {
    ASSERT_EQ(polygon.n, static_cast<int>(corners.size())) << name;
    for (int k = 1; k <= polygon.n + 1; ++k) {
        const Point& p = corners[(k - 1) % corners.size()];  // n+1 repeats the first corner
        EXPECT_NEAR(polygon.X[k], p.x, 1e-6) << name << " corner " << k;
        EXPECT_NEAR(polygon.Y[k], p.y, 1e-6) << name << " corner " << k;
    }
}

}  // namespace

TEST(ReadDesignConditions, OutlinesOfTheDefaultBox) {
    const auto r = ReadRecord(DesignConditions{});
    ExpectPolygon(r->roadOutline, {{-2, -8.1}, {-2, -4.2}, {2, -4.2}, {2, -8.1}}, "roadOutline");
    ExpectPolygon(r->roadAxes, {{-1.75, -7.85}, {-1.75, -4.4}, {1.75, -4.4}, {1.75, -7.85}},
                  "roadAxes");
    ExpectPolygon(r->boxOutline, {{-2, -1.95}, {-2, 1.95}, {2, 1.95}, {2, -1.95}}, "boxOutline");
    ExpectPolygon(r->boxAxes, {{-1.75, -1.725}, {-1.75, 1.725}, {1.75, 1.725}, {1.75, -1.725}},
                  "boxAxes");
    // Opening top at -(h1 + Tu) = -4.6, bottom 3.0 lower; upper haunches 0.2 by 0.2.
    ExpectPolygon(r->roadOpening,
                  {{-1.5, -7.6}, {-1.5, -4.8}, {-1.3, -4.6}, {1.3, -4.6}, {1.5, -4.8}, {1.5, -7.6}},
                  "roadOpening");
    ExpectPolygon(r->boxOpening,
                  {{-1.5, -1.5}, {-1.5, 1.3}, {-1.3, 1.5}, {1.3, 1.5}, {1.5, 1.3}, {1.5, -1.5}},
                  "boxOpening");
}

TEST(ReadDesignConditions, OpeningsWithLowerHaunchesHaveEightCorners) {
    const auto r = ReadRecord(With([](DesignConditions& d) { d.lowerHaunch = true; }));
    ExpectPolygon(r->roadOpening,
                  {{-1.3, -7.6},
                   {-1.5, -7.4},
                   {-1.5, -4.8},
                   {-1.3, -4.6},
                   {1.3, -4.6},
                   {1.5, -4.8},
                   {1.5, -7.4},
                   {1.3, -7.6}},
                  "roadOpening");
    ExpectPolygon(r->boxOpening,
                  {{-1.3, -1.5},
                   {-1.5, -1.3},
                   {-1.5, 1.3},
                   {-1.3, 1.5},
                   {1.3, 1.5},
                   {1.5, 1.3},
                   {1.5, -1.3},
                   {1.3, -1.5}},
                  "boxOpening");

    // Without haunches the corners coincide but their count stays.
    const auto flat = ReadRecord(With([](DesignConditions& d) {
        d.lowerHaunch = true;
        d.Hab = "0";
        d.Hah = std::string("0");  // a string: GCC 12 sees a false overlap in "0"
    }));
    ExpectPolygon(flat->boxOpening,
                  {{-1.5, -1.5},
                   {-1.5, -1.5},
                   {-1.5, 1.5},
                   {-1.5, 1.5},
                   {1.5, 1.5},
                   {1.5, 1.5},
                   {1.5, -1.5},
                   {1.5, -1.5}},
                  "boxOpening without haunches");
}

// Every entry made unreadable: each reading names the first bad one left, in reading order.
TEST(ReadDesignConditions, ConversionErrorNamesTheFirstBadEntryInReadingOrder) {
    struct Entry {
        std::string DesignConditions::*text;
        const char* field;
    } order[] = {
        {&DesignConditions::gammaS, "γs"},
        {&DesignConditions::Ko, "Ko"},
        {&DesignConditions::q, "ｑ（kN/m2）"},
        {&DesignConditions::tWeight, "重量（ｔ）"},
        {&DesignConditions::tAxleDistance, "軸間距離（ｍ）"},
        {&DesignConditions::tImpactDepth, "衝撃係数作用深さ（ｍ）"},
        {&DesignConditions::sigmaCk, "σck"},
        {&DesignConditions::sigmaCa, "σca"},
        {&DesignConditions::tauA, "τa"},
        {&DesignConditions::tauOa, "τoa"},
        {&DesignConditions::sigmaSa, "σsa"},
        {&DesignConditions::sigmaSaJoint, "継ぎ手算出時許容引張応力度"},
        {&DesignConditions::h1, "土かぶり"},
        {&DesignConditions::ha, "舗装厚"},
        {&DesignConditions::Tu, "頂版厚"},
        {&DesignConditions::Tb, "底版厚"},
        {&DesignConditions::TL, "側壁厚"},
        {&DesignConditions::Hab, "ﾊﾝﾁ幅"},
        {&DesignConditions::Hah, "ﾊﾝﾁ高"},
        {&DesignConditions::H, "外形高"},
        {&DesignConditions::B, "外形幅"},
        {&DesignConditions::dWall, "ｄ’（側壁）"},
        {&DesignConditions::dTop, "ｄ’（頂版）"},
        {&DesignConditions::dBottomUpper, "ｄ’（底版上面）"},
        {&DesignConditions::dBottomLower, "ｄ’（底版下面）"},
        {&DesignConditions::gammaC, "γc"},
        {&DesignConditions::gammaA, "γa"},
    };
    const DesignConditions defaults;
    DesignConditions conditions;
    for (const auto& entry : order) conditions.*entry.text = std::string("?") + entry.field;
    for (const auto& entry : order) {
        try {
            ReadRecord(conditions);
            ADD_FAILURE() << "no error for " << entry.field;
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.field(), entry.field);
            EXPECT_EQ(error.text(), std::string("?") + entry.field);
        }
        conditions.*entry.text = defaults.*entry.text;
    }
    EXPECT_NO_THROW(ReadRecord(conditions));
}

TEST(ReadDesignConditions, ConversionErrorKeepsWhatWasReadBefore) {
    TKakou record;
    const DesignConditions conditions = With([](DesignConditions& d) { d.B = "4,0"; });
    EXPECT_THROW(ReadDesignConditions(conditions, record), ConversionError);
    EXPECT_FLOAT_EQ(record.H, 3.90f);
    EXPECT_EQ(record.Bo, 0.0f);
    EXPECT_EQ(record.gammaC, 0.0);
}

TEST(ReadDesignConditions, ValuesBeyondTheRangeOfTheirFieldAreConversionErrors) {
    EXPECT_THROW(ReadRecord(With([](DesignConditions& d) { d.h1 = "1e39"; })), ConversionError);
    EXPECT_NO_THROW(ReadRecord(With([](DesignConditions& d) { d.q = "1e39"; })));
    // Four times the largest Double is no load either.
    EXPECT_THROW(ReadRecord(With([](DesignConditions& d) { d.tWeight = "1e308"; })),
                 ConversionError);
}

// A derived quantity that cannot be formed does not stop the reading: the rest is read for
// the checks, and the result names the first such quantity with its entries as typed.
TEST(ReadDesignConditions, QuantityThatCannotBeComputedIsNamedWithItsEntries) {
    struct Case {
        const char* name;
        Edit edit;
        std::optional<std::string> what;
    } cases[] = {
        {"defaults", [](DesignConditions&) {}, std::nullopt},
        {"piles without a width",
         [](DesignConditions& d) {
             d.foundation = 1;
             d.B = "0 ";
         },
         "鉛直土圧係数 α：土かぶり h1 = 4.20、ボックス全幅 B = 0"},
        {"an opening wider than a Single, then a width of zero",
         [](DesignConditions& d) {
             d.foundation = 1;
             d.TL = "3e38";
             d.B = std::string("0");
         },
         "内空幅 Bu：ボックス全幅 B = 0、側壁厚 TL = 3e38"},
    };
    for (const auto& c : cases) {
        TKakou record;
        EXPECT_EQ(ReadDesignConditions(With(c.edit), record), c.what) << c.name;
        EXPECT_FLOAT_EQ(record.gammaA, 23) << c.name;  // read after the quantities
    }
}
