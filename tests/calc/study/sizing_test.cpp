// Sizing against evaluating every box at every cover.
#include "calc/study/sizing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "calc/decimal.h"
#include "calc/study/numeric_inputs.h"

namespace {

bool PassesEverywhere(const DesignConditions& box, const std::vector<std::string>& covers) {
    for (const auto& cover : covers) {
        DesignConditions at = box;
        at.h1 = cover;
        if (!EvaluateDesign(at).passed) return false;
    }
    return true;
}

}  // namespace

TEST(Sizing, AgreesWithEvaluatingEveryBoxAtEveryCover) {
    const ThicknessBounds bounds{200, 500, 50};
    DesignConditions narrow;
    narrow.B = "2.60";
    narrow.H = "2.40";
    DesignConditions t20;
    t20.liveLoad = 1;
    t20.Hah = t20.Hab = "0.15";
    const std::vector<std::string> covers = {"0.50", "2.00", "6.00"};
    for (const DesignConditions& base : {DesignConditions{}, narrow, t20}) {
        const Opening opening = OpeningOf(base);
        std::optional<Thicknesses> best;
        auto key = [&](const Thicknesses& t) {
            return std::tuple(std::round(ConcreteArea(opening, t) * 1e7), t.Tu + t.TL + t.Tb, t.Tu,
                              t.TL);
        };
        for (int tu = 200; tu <= 500; tu += 50)
            for (int tl = 200; tl <= 500; tl += 50)
                for (int tb = 200; tb <= 500; tb += 50) {
                    const Thicknesses t{tu, tl, tb};
                    if ((!best || key(t) < key(*best)) &&
                        PassesEverywhere(WithThicknesses(base, opening, t), covers))
                        best = t;
                }
        std::string error;
        const auto sized = SizeBox(base, covers, StudyControl{}, error, bounds);
        ASSERT_TRUE(sized) << error;
        ASSERT_EQ(sized->found, best.has_value()) << base.B;
        if (best) {
            EXPECT_EQ(sized->thicknesses, *best) << base.B;
            EXPECT_LT(sized->evaluations, 343u * covers.size());
        }
    }
}

// Two cells of 1.50 m under a middle wall a metre thick: the middle wall is sized with the
// rest, the box is the least concrete of every box of the range that passes (by brute force),
// each cell keeps its opening, and B·H less the two openings is the area the order went by.
TEST(Sizing, TwoCellsSizeTheMiddleWallAndKeepEachCellsOpening) {
    DesignConditions base;
    base.cells = 2;
    base.B = "5.00";
    base.Tm = "1.00";
    const ThicknessBounds bounds{200, 500, 100};
    const std::vector<std::string> covers = {"2.00", "6.00"};
    const Opening opening{1.5, 3.0, 2};
    const auto key = [&](const Thicknesses& t) {
        return std::tuple(std::round(ConcreteArea(opening, t) * 1e7), t.Tu + t.TL + t.Tb + t.Tm,
                          t.Tu, t.TL, t.Tb);
    };
    std::optional<Thicknesses> best;
    for (int tu = 200; tu <= 500; tu += 100)
        for (int tl = 200; tl <= 500; tl += 100)
            for (int tb = 200; tb <= 500; tb += 100)
                for (int tm = 200; tm <= 500; tm += 100) {
                    const Thicknesses t{tu, tl, tb, tm};
                    if ((!best || key(t) < key(*best)) &&
                        PassesEverywhere(WithThicknesses(base, opening, t), covers))
                        best = t;
                }
    ASSERT_TRUE(best);

    std::string error;
    const auto sized = SizeBox(base, covers, StudyControl{}, error, bounds);
    ASSERT_TRUE(sized && sized->found) << error;
    EXPECT_EQ(sized->thicknesses, *best);
    const DesignConditions& box = sized->sized;
    EXPECT_EQ(box.Tm, DecimalText(best->Tm / 1000.0));
    const double B = ParseDouble(box.B, "B"), H = ParseDouble(box.H, "H");
    const double TL = ParseDouble(box.TL, "TL"), Tm = ParseDouble(box.Tm, "Tm");
    EXPECT_NEAR((B - 2 * TL - Tm) / 2, 1.5, 1e-9);
    EXPECT_NEAR(H - ParseDouble(box.Tu, "Tu") - ParseDouble(box.Tb, "Tb"), 3.0, 1e-9);
    EXPECT_NEAR(ConcreteArea(opening, sized->thicknesses), B * H - 2 * 1.5 * 3.0, 1e-9);
    EXPECT_TRUE(PassesEverywhere(box, covers));
}

// The progress runs over the boxes that come into question, so that it reaches its end with
// the search rather than stopping short.
TEST(Sizing, TheDefaultBoxPassesEverywhereAndNoThinnerMemberDoes) {
    std::vector<std::string> covers;
    for (int k = 1; k <= 20; ++k) covers.push_back(DecimalText(0.5 * k));
    std::string error;
    StudyControl control;
    double progress = 0;
    control.progress = [&](std::size_t done, std::size_t total) {
        progress = std::max(progress, static_cast<double>(done) / total);
    };
    const auto sized = SizeBox(DesignConditions{}, covers, control, error);
    ASSERT_TRUE(sized && sized->found) << error;
    EXPECT_GT(progress, 0.75);
    const DesignConditions& box = sized->sized;
    EXPECT_TRUE(PassesEverywhere(box, covers));
    // The opening stays: B − 2·TL and H − Tu − Tb are those of the defaults.
    EXPECT_NEAR(ParseDouble(box.B, "B") - 2 * ParseDouble(box.TL, "TL"), 3.0, 1e-9);
    EXPECT_NEAR(ParseDouble(box.H, "H") - ParseDouble(box.Tu, "Tu") - ParseDouble(box.Tb, "Tb"),
                3.0, 1e-9);
    EXPECT_TRUE(sized->governing.passed);
    EXPECT_GE(sized->governing.maxUtilisation, 0.0);

    const Thicknesses t = sized->thicknesses;
    for (const Thicknesses& thinner :
         {Thicknesses{t.Tu - 50, t.TL, t.Tb}, Thicknesses{t.Tu, t.TL - 50, t.Tb},
          Thicknesses{t.Tu, t.TL, t.Tb - 50}}) {
        if (std::min({thinner.Tu, thinner.TL, thinner.Tb}) < 200) continue;
        EXPECT_FALSE(
            PassesEverywhere(WithThicknesses(DesignConditions{}, {3.0, 3.0}, thinner), covers))
            << thinner.Tu << " " << thinner.TL << " " << thinner.Tb;
    }
}

TEST(Sizing, ABaseWithoutNumbersOrACancelledSearchGivesNoBox) {
    DesignConditions broken;
    broken.B = "4,00";
    std::string error;
    EXPECT_FALSE(SizeBox(broken, {}, StudyControl{}, error));
    EXPECT_NE(error.find("4,00"), std::string::npos);

    std::atomic<bool> cancel{true};
    StudyControl control;
    control.cancel = &cancel;
    EXPECT_FALSE(SizeBox(DesignConditions{}, {}, control, error));
}
