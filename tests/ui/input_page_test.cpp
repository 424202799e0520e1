// The input page: defaults, the handlers of the choices and the lower-haunch picture, and
// putting a whole set of conditions into the controls.
#include "ui/input_page.h"

#include <QCheckBox>
#include <QLabel>

#include "tests/ui/window_test_support.h"
#include "ui/box_picture.h"

namespace {

// Every page entry different from its default.
DesignConditions ChangedConditions() {
    DesignConditions c;
    c.soilType = 0;
    c.gammaS = "17.5";
    c.gammaC = "25.0";
    c.gammaA = "22";
    c.h1 = "1,5";  // not a number: the page keeps it as typed
    c.ha = "0.05";
    c.Tu = "0.45";
    c.TL = "0.55";
    c.Tb = "0.60";
    c.Hah = "0.25";
    c.Hab = "0.30";
    c.H = "4.10";
    c.B = "5.00";
    c.lowerHaunch = true;
    c.foundation = 1;
    c.Ko = "0.6";
    c.liveLoad = 3;
    c.combination = 2;
    c.q = "12.5";
    c.sigmaCk = "30";
    c.sigmaCa = "10.0";
    c.tauA = "0.45";
    c.steelGrade = "SD295A,B";
    c.sigmaSa = "180";
    c.sigmaSaJoint = "180";
    c.tauOa = "1.8";
    c.dTop = "0.07";
    c.dWall = "0.08";
    c.dBottomUpper = "0.05";
    c.dBottomLower = "0.10";
    c.pitchMode = 1;
    c.pitch = "150";
    c.liveLoadCaption0 = "活荷重（T-20）";
    return c;
}

QRgb PixelOf(const InputPage& page, int x, int y) {
    return Find<BoxPicture>(page, "Image1")->Visible().pixel(x, y);
}

class InputPageTest : public testing::Test {
  protected:
    InputPage page{nullptr};
};

TEST_F(InputPageTest, StartsWithTheDefaultConditions) {
    EXPECT_EQ(page.Read(), DesignConditions{});
    EXPECT_FALSE(Find<QLineEdit>(page, "Edit10")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>(page, "ComboBox10")->isEnabled());
}

TEST_F(InputPageTest, SoilTypeReplacesTypedUnitWeight) {
    const struct {
        int item;
        const char* gammaS;
    } cases[] = {{0, "20"}, {1, "19"}, {2, "18"}};
    for (const auto& c : cases) {
        Type(page, "ComboBox2", "16.3");
        Choose(page, "RadioGroup2", c.item);
        EXPECT_EQ(Text(page, "ComboBox2"), c.gammaS) << c.item;
    }
    Type(page, "ComboBox2", "21");
    EXPECT_EQ(page.Read().gammaS, "21");
}

TEST_F(InputPageTest, NoLiveLoadTakesSurchargeInsteadOfCombination) {
    Choose(page, "RadioGroup1", 3);
    EXPECT_TRUE(Find<QLineEdit>(page, "Edit10")->isEnabled());
    EXPECT_FALSE(Find<RadioGroup>(page, "RadioGroup4")->isEnabled());
    Type(page, "Edit10", "7.5");
    Choose(page, "RadioGroup1", 1);
    EXPECT_FALSE(Find<QLineEdit>(page, "Edit10")->isEnabled());
    EXPECT_TRUE(Find<RadioGroup>(page, "RadioGroup4")->isEnabled());
    EXPECT_EQ(page.Read().q, "7.5");  // still read by the run
}

TEST_F(InputPageTest, PitchSettingPreselects300AndBack) {
    Choose(page, "RadioGroup12", 1);
    EXPECT_TRUE(Find<QComboBox>(page, "ComboBox10")->isEnabled());
    EXPECT_EQ(Text(page, "ComboBox10"), "300");
    Choose(page, "RadioGroup12", 0);
    EXPECT_FALSE(Find<QComboBox>(page, "ComboBox10")->isEnabled());
    EXPECT_EQ(Text(page, "ComboBox10"), "-");
}

TEST_F(InputPageTest, LowerHaunchBoxSwapsThePictureEachTime) {
    const QRgb silver = qRgb(192, 192, 192);
    for (int round = 0; round < 2; ++round) {
        Find<QCheckBox>(page, "CheckBox1")->click();
        EXPECT_EQ(PixelOf(page, 87, 145), silver);  // the silver edge of the left mark
        EXPECT_EQ(PixelOf(page, 91, 144), qRgb(0, 0, 0));
        EXPECT_EQ(PixelOf(page, 214, 144), qRgb(255, 255, 255));
        Find<QCheckBox>(page, "CheckBox1")->click();
        EXPECT_NE(PixelOf(page, 87, 145), silver);
        EXPECT_NE(PixelOf(page, 91, 144), qRgb(0, 0, 0));
    }
}

TEST_F(InputPageTest, AppliedConditionsReadBackAndRunTheHandlers) {
    const DesignConditions changed = ChangedConditions();
    page.Apply(changed);
    EXPECT_EQ(page.Read(), changed);
    EXPECT_TRUE(Find<QLineEdit>(page, "Edit10")->isEnabled());
    EXPECT_FALSE(Find<RadioGroup>(page, "RadioGroup4")->isEnabled());
    EXPECT_TRUE(Find<QComboBox>(page, "ComboBox10")->isEnabled());
    EXPECT_EQ(PixelOf(page, 87, 145), qRgb(192, 192, 192));
    page.Apply(DesignConditions{});
    EXPECT_EQ(page.Read(), DesignConditions{});
    EXPECT_FALSE(Find<QLineEdit>(page, "Edit10")->isEnabled());
}

TEST_F(InputPageTest, ChoiceIndexBeyondTheItemsSelectsTheLastNegativeNone) {
    DesignConditions c;
    c.soilType = 7;
    c.liveLoad = -1;
    page.Apply(c);
    EXPECT_EQ(page.Read().soilType, 2);
    EXPECT_EQ(page.Read().liveLoad, -1);
}

}  // namespace
