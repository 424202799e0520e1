// The water and ground entries in the window: the dialog hands over only what the run accepts,
// the page shows them in one line, a run shows the chapter's tab, and a dry run hides it.
#include <QLabel>

#include "calc/water/water_chapter.h"
#include "tests/ui/window_test_support.h"
#include "ui/calc_table_window.h"

namespace {

class WaterWindowTest : public testing::Test {
  protected:
    CalcTable table;
    RecordingMessenger messenger;
    CalcTableWindow window{table, messenger, nullptr};
    const WaterDialog& dialog = window.Water();

    void SetUp() override { window.show(); }

    std::string Line() const {
        return Find<QLabel>(window.Input(), "WaterLine")->text().toStdString();
    }
    bool TabShown() const {
        return window.Pages()->isTabVisible(window.Pages()->indexOf(window.Results().WaterTab()));
    }
};

TEST_F(WaterWindowTest, TransferredEntriesReachThePageItsLineAndTheRun) {
    EXPECT_EQ(Line(), "水位・地盤：なし");
    Click(window.Input(), "SpeedButtonWater");
    ASSERT_TRUE(dialog.isVisible());
    Type(dialog, "ComboBoxHw", "１．００");  // full-width digits, as typed in Japanese input
    Choose(dialog, "RadioGroupInnerWater", 1);
    Type(dialog, "EditQa", "200");
    Click(dialog, "WaterTransfer");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Line(),
              "水位・地盤：地下水位 1.00m　内水 満水　γw=9.8　γ’=9.0　qa=200　浮上り安全率 1.2");
    const DesignConditions conditions = window.Conditions();
    EXPECT_EQ(conditions.hw, "1.00");
    EXPECT_EQ(conditions.innerWater, 1);
    EXPECT_EQ(conditions.qa, "200");

    EXPECT_FALSE(TabShown());
    ASSERT_EQ(window.Run(), RunResult::Completed);
    EXPECT_TRUE(TabShown());
    EXPECT_GT(window.Results().List("ListBox11")->count(), 0);
    EXPECT_EQ(window.Results().GridView(kCaseTable)->columnCount(), 12);

    window.SetConditions(DesignConditions{});
    EXPECT_EQ(Line(), "水位・地盤：なし");
    ASSERT_EQ(window.Run(), RunResult::Completed);
    EXPECT_FALSE(TabShown());
    EXPECT_EQ(window.Results().List("ListBox11")->count(), 0);
}

TEST_F(WaterWindowTest, EntriesTheRunRefusesStayInTheDialog) {
    Click(window.Input(), "SpeedButtonWater");
    Type(dialog, "ComboBoxHw", "-1");
    Click(dialog, "WaterTransfer");
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messenger.messages.size(), 1u);
    EXPECT_EQ(messenger.messages[0], "地下水位がおかしいです。\n訂正して下さい。");
    Type(dialog, "ComboBoxHw", "なし");
    Type(dialog, "EditUpliftFactor", "abc");
    Click(dialog, "WaterTransfer");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Line(), "水位・地盤：なし");
    Click(dialog, "WaterCancel");
    EXPECT_FALSE(dialog.isVisible());
}

// A conversion error in a water entry the page has takes the cursor into the dialog's field.
TEST_F(WaterWindowTest, ConversionErrorOpensTheDialogAtItsField) {
    DesignConditions conditions;
    conditions.gammaSub = "9,0";
    window.SetConditions(conditions);
    EXPECT_EQ(window.Run(), RunResult::ConversionError);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.FieldNamed("γ'"));
}

}  // namespace
