// Whatever a page holds, its saved .dat file loads back identical: seeded random pages with
// texts of every kind the fields accept, choices anywhere in their ranges, the haunch box
// either way, and the T load, pitch, figure controls and cells of the extension lines.
#include <gtest/gtest.h>

#include <random>

#include "files/design_file.h"
#include "tests/files/temp_folder.h"

namespace {

std::string RandomText(std::mt19937& random) {
    static const char* const pieces[] = {"0",   "1", "4.20",   "-0.5",  "1e3", " 7 ", ",",   "ab",
                                         "ｶﾗｰ", "①", "全角　", "SD345", "+",   ".",   "E-2", ""};
    std::uniform_int_distribution<int> count(0, 4), piece(0, std::size(pieces) - 1);
    std::string text;
    for (int n = count(random); n > 0; --n) text += pieces[piece(random)];
    return text;
}

DesignConditions RandomPage(std::mt19937& random) {
    DesignConditions page;
    auto choice = [&](int last) { return std::uniform_int_distribution<int>(0, last)(random); };
    page.soilType = choice(2);
    page.foundation = choice(2);
    page.liveLoad = choice(3);
    page.combination = choice(2);
    page.lowerHaunch = random() % 2 == 0;
    for (std::string* text : {&page.gammaS,
                              &page.gammaC,
                              &page.gammaA,
                              &page.h1,
                              &page.ha,
                              &page.Tu,
                              &page.TL,
                              &page.Tb,
                              &page.Hah,
                              &page.Hab,
                              &page.H,
                              &page.B,
                              &page.Ko,
                              &page.q,
                              &page.sigmaCk,
                              &page.sigmaCa,
                              &page.tauA,
                              &page.steelGrade,
                              &page.sigmaSa,
                              &page.sigmaSaJoint,
                              &page.tauOa,
                              &page.dTop,
                              &page.dWall,
                              &page.dBottomUpper,
                              &page.dBottomLower,
                              &page.tWeight,
                              &page.tAxleDistance,
                              &page.tImpactDepth,
                              &page.liveLoadCaption0,
                              &page.Tm})
        *text = RandomText(random);
    page.pitchMode = static_cast<int>(random() % 2);
    page.pitch = page.pitchMode == 0 ? "-" : PitchItems().at(1 + random() % 5);
    page.figureColours = random() % 2;
    page.figureFontSize = std::uniform_int_distribution<int>(5, 12)(random);
    page.cells = 1 + choice(2);
    return page;
}

}  // namespace

TEST(DesignFileProperty, EverySavedPageLoadsBackIdentical) {
    TempFolder folder;
    const std::string path = folder / "page.dat";
    std::mt19937 random(20261209);
    for (int n = 0; n < 300; ++n) {
        const DesignConditions page = RandomPage(random);
        ASSERT_TRUE(SaveDesignConditions(path, page).ok()) << n;
        DesignConditions loaded;
        ASSERT_TRUE(LoadDesignConditions(path, loaded).ok()) << n;
        EXPECT_EQ(loaded, page) << "page " << n;
    }
}
