// The two support dialogs of the input page: what they transfer into the page, their
// cancels and where they open.
#include "tests/ui/window_test_support.h"
#include "ui/calc_table_window.h"

namespace {

class SupportDialogTest : public testing::Test {
  protected:
    CalcTable table;
    RecordingMessenger messenger;
    CalcTableWindow window{table, messenger, nullptr};
    const InputPage& page = window.Input();
    const AllowableStressDialog& stress = window.StressDialog();
    const TLoadDialog& tLoad = window.TLoad();

    void SetUp() override {
        window.show();
        window.move(100, 50);
    }
};

struct Stresses {
    const char *sigmaCk, *sigmaCa, *tauA, *sigmaSa, *sigmaSaJoint, *tauOa, *grade;
};

void ExpectPageStresses(const InputPage& page, const Stresses& s) {
    EXPECT_EQ(Text(page, "Edit21"), s.sigmaCk);
    EXPECT_EQ(Text(page, "Edit5"), s.sigmaCa);
    EXPECT_EQ(Text(page, "Edit1"), s.tauA);
    EXPECT_EQ(Text(page, "Edit17"), s.sigmaSa);
    EXPECT_EQ(Text(page, "Edit3"), s.sigmaSaJoint);
    EXPECT_EQ(Text(page, "Edit8"), s.tauOa);
    EXPECT_EQ(Text(page, "Edit14"), s.grade);
}

TEST_F(SupportDialogTest, StressSupportOpensBesideTheWindow) {
    Click(page, "SpeedButton2");
    EXPECT_TRUE(stress.isVisible());
    EXPECT_EQ(stress.pos(), window.frameGeometry().topLeft() + QPoint(20, 90));
}

TEST_F(SupportDialogTest, StressTransferWithoutChoicesCopiesInitialTexts) {
    Type(page, "Edit5", "9.9");
    Click(page, "SpeedButton2");
    Click(stress, "SpeedButton2");
    EXPECT_FALSE(stress.isVisible());
    ExpectPageStresses(page, {"24", "8", "0.39", "160", "200", "1.6", "SD345"});
}

TEST_F(SupportDialogTest, StressTransferAfterChoices) {
    const struct {
        int strength;
        int grade;
        Stresses expected;
    } cases[] = {
        {3, 0, {"30", "10.0", "0.45", "160", "180", "1.8", "SD295A,B"}},
        {0, 1, {"21", "7.0", "0.36", "160", "200", "1.4", "SD345"}},
        {2, 1, {"27", "9.0", "0.42", "160", "200", "1.7", "SD345"}},
    };
    for (const auto& c : cases) {
        Click(page, "SpeedButton2");
        Choose(stress, "RadioGroup1", c.strength);
        Choose(stress, "RadioGroup3", c.grade);
        Click(stress, "SpeedButton2");
        ExpectPageStresses(page, c.expected);
    }
}

TEST_F(SupportDialogTest, TypedStressIsTransferredUntilTheNextChoice) {
    Click(page, "SpeedButton2");
    Type(stress, "Edit2", "1.55");
    Type(stress, "Edit5", "190");
    Click(stress, "SpeedButton2");
    EXPECT_EQ(Text(page, "Edit8"), "1.55");
    EXPECT_EQ(Text(page, "Edit3"), "190");
    Click(page, "SpeedButton2");
    Choose(stress, "RadioGroup1", 1);
    EXPECT_EQ(Text(stress, "Edit2"), "1.6");
    EXPECT_EQ(Text(stress, "Edit5"), "200");
}

TEST_F(SupportDialogTest, StressCancelCopiesNothing) {
    Click(page, "SpeedButton2");
    Choose(stress, "RadioGroup1", 3);
    Click(stress, "SpeedButton1");
    EXPECT_FALSE(stress.isVisible());
    EXPECT_EQ(Text(page, "Edit21"), "24");
    EXPECT_EQ(Text(page, "Edit5"), "8.0");
}

TEST_F(SupportDialogTest, TLoadTransferRenamesFirstItemAndFeedsTheRun) {
    Choose(page, "RadioGroup1", 1);
    Click(page, "SpeedButton3");
    EXPECT_EQ(tLoad.windowTitle(), QStringLiteral("Ｔ荷重カスタマイズ"));
    EXPECT_EQ(tLoad.pos(), window.frameGeometry().topLeft() + QPoint(11, 225));
    const auto* tabs = tLoad.findChild<QTabWidget*>();
    EXPECT_TRUE(tabs->isTabVisible(0));
    EXPECT_FALSE(tabs->isTabVisible(1));
    Type(tLoad, "Edit1", "20");
    Click(tLoad, "SpeedButton2");
    EXPECT_FALSE(tLoad.isVisible());
    EXPECT_EQ(Find<RadioGroup>(page, "RadioGroup1")->Button(0)->text(),
              QStringLiteral("活荷重（T-20）"));
    EXPECT_EQ(Find<RadioGroup>(page, "RadioGroup1")->ItemIndex(), 1);  // selection unchanged
    const DesignConditions conditions = window.Conditions();
    EXPECT_EQ(conditions.tWeight, "20");
    EXPECT_EQ(conditions.tAxleDistance, "6.0");
    EXPECT_EQ(conditions.tImpactDepth, "4.0");
    EXPECT_EQ(conditions.liveLoadCaption0, "活荷重（T-20）");
}

TEST_F(SupportDialogTest, TLoadCancelRestoresDefaultsAfterATransfer) {
    Click(page, "SpeedButton3");
    Type(tLoad, "Edit1", "14");
    Type(tLoad, "Edit2", "5.0");
    Type(tLoad, "Edit3", "3.0");
    Click(tLoad, "SpeedButton2");
    Click(page, "SpeedButton3");
    Click(tLoad, "SpeedButton1");
    const DesignConditions conditions = window.Conditions();
    EXPECT_EQ(conditions.tWeight, "25");
    EXPECT_EQ(conditions.tAxleDistance, "6.0");
    EXPECT_EQ(conditions.tImpactDepth, "4.0");
    EXPECT_EQ(conditions.liveLoadCaption0, "活荷重（T-25）");
}

// What the run would refuse stays in the dialog, with the run's messages, and renames nothing.
TEST_F(SupportDialogTest, TLoadRefusesWhatTheRunWouldRefuse) {
    const struct {
        const char *weight, *axles, *depth;
        std::vector<std::string> messages;
    } cases[] = {
        {"-1", "6.0", "4.0", {"Ｔ荷重の重量がおかしいです。\n訂正して下さい。"}},
        {"25",
         "0",
         "-0.1",
         {"軸間距離がおかしいです。\n訂正して下さい。",
          "衝撃係数作用深さがおかしいです。\n訂正して下さい。"}},
        {"2t", "6.0", "4.0", {"'2t' は有効な数値ではありません。（重量（ｔ））"}},
        {"0", "6.0", "0", {}},  // no wheel load, impact at any cover: transferred
    };
    for (const auto& c : cases) {
        messenger.messages.clear();
        Click(page, "SpeedButton3");
        Type(tLoad, "Edit1", c.weight);
        Type(tLoad, "Edit2", c.axles);
        Type(tLoad, "Edit3", c.depth);
        Click(tLoad, "SpeedButton2");
        EXPECT_EQ(messenger.messages, c.messages) << c.weight;
        EXPECT_EQ(tLoad.isVisible(), !c.messages.empty()) << c.weight;
        EXPECT_EQ(
            Find<RadioGroup>(page, "RadioGroup1")->Button(0)->text(),
            c.messages.empty() ? QStringLiteral("活荷重（T-0）") : QStringLiteral("活荷重（T-25）"))
            << c.weight;
    }
}

TEST_F(SupportDialogTest, CombinationTransferAndCancel) {
    Click(page, "SpeedButton4");
    EXPECT_EQ(tLoad.windowTitle(), QStringLiteral("荷重組み合わせ"));
    const auto* tabs = tLoad.findChild<QTabWidget*>();
    EXPECT_FALSE(tabs->isTabVisible(0));
    EXPECT_TRUE(tabs->isTabVisible(1));
    Choose(tLoad, "RadioGroup1", 2);
    Click(tLoad, "SpeedButton4");
    EXPECT_EQ(Find<RadioGroup>(page, "RadioGroup4")->ItemIndex(), 2);
    // The tab keeps its own choice and does not read the page.
    Choose(page, "RadioGroup4", 0);
    Click(page, "SpeedButton4");
    EXPECT_EQ(Find<RadioGroup>(tLoad, "RadioGroup1")->ItemIndex(), 2);
    Choose(tLoad, "RadioGroup1", 1);
    Click(tLoad, "SpeedButton3");
    EXPECT_EQ(Find<RadioGroup>(page, "RadioGroup4")->ItemIndex(), 0);
}

}  // namespace
