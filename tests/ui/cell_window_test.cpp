// The cell entries in the window: the dialog hands over only what the run accepts with the
// page's other entries, the page shows them beside the dialog's button, they count as edits,
// and a run that stops on them takes the cursor into the dialog.
#include <QLabel>

#include "calc/cells/cell_sheet.h"
#include "tests/ui/window_test_support.h"
#include "ui/calc_table_window.h"

namespace {

class CellWindowTest : public testing::Test {
  protected:
    CalcTable table;
    RecordingMessenger messenger;
    CalcTableWindow window{table, messenger, nullptr};
    const CellDialog& dialog = window.Cells();

    void SetUp() override { window.show(); }

    std::string Lines() const {
        return Find<QLabel>(window.Input(), "CellLines")->text().toStdString();
    }
    void Transfer(int cellItem, const char* tm) {
        Click(window.Input(), "SpeedButtonCells");
        ASSERT_TRUE(dialog.isVisible());
        Choose(dialog, "RadioGroupCells", cellItem);
        Type(dialog, "EditTm", tm);
        Click(dialog, "CellsTransfer");
    }
};

TEST_F(CellWindowTest, TransferredEntriesReachThePageAndCountAsAnEdit) {
    EXPECT_EQ(Lines(), "");
    ASSERT_EQ(window.Run(), RunResult::Completed);
    int edits = 0;
    QObject::connect(&window, &CalcTableWindow::conditionsEdited, [&edits] { ++edits; });
    Transfer(1, "０．３５");  // full-width digits, as typed in Japanese input
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Lines(), "セル数 2\n中壁厚 0.35m");
    EXPECT_EQ(window.Conditions().cells, 2);
    EXPECT_EQ(window.Conditions().Tm, "0.35");
    EXPECT_GE(edits, 1);
    EXPECT_TRUE(window.ResultsStale());

    messenger.messages.clear();
    EXPECT_EQ(window.Run(), RunResult::Completed);
    EXPECT_EQ(messenger.messages, std::vector<std::string>{});

    window.SetConditions(DesignConditions{});
    EXPECT_EQ(Lines(), "");
    EXPECT_EQ(window.Conditions(), DesignConditions{});
}

TEST_F(CellWindowTest, TabsOfTheCellsShowInPlaceOfTheDocumentedOnes) {
    const auto shown = [&](QWidget* tab) {
        return window.Pages()->isTabVisible(window.Pages()->indexOf(tab));
    };
    const auto cellTabs = window.Results().CellTabs();
    ASSERT_EQ(cellTabs.size(), 5u);
    QWidget* documented = window.Pages()->findChild<QWidget*>("TabSheet11");
    ASSERT_EQ(window.Run(), RunResult::Completed);
    for (QWidget* tab : cellTabs) EXPECT_FALSE(shown(tab));
    EXPECT_TRUE(shown(documented));

    Transfer(2, "0.40");
    ASSERT_EQ(window.Run(), RunResult::Completed);
    for (QWidget* tab : cellTabs) EXPECT_TRUE(shown(tab));
    EXPECT_FALSE(shown(documented));
    EXPECT_GT(window.Results().List(kCellFrameSheet)->count(), 10);
    // The section grid with its governing positions: 3 outer-wall sections a wall, 2 a middle
    // wall, 3 a span of each slab.
    EXPECT_EQ(window.Results().GridView(kCellSectionGrid)->rowCount(), 1 + 6 + 2 * 2 + 2 * 3 * 3);
    EXPECT_EQ(window.Results().GridView(kCellSectionGrid)->item(0, 15)->text(), "位置(M)");

    Transfer(0, "0.40");
    ASSERT_EQ(window.Run(), RunResult::Completed);
    for (QWidget* tab : cellTabs) EXPECT_FALSE(shown(tab));
    EXPECT_TRUE(shown(documented));
    EXPECT_EQ(window.Results().GridView(kCellSectionGrid)->rowCount(), 0);
}

TEST_F(CellWindowTest, EntriesTheRunRefusesStayInTheDialog) {
    const struct {
        const char* tm;
        std::vector<std::string> messages;
    } cases[] = {
        {"0",
         {"中壁厚がおかしいです。\n訂正して下さい。",
          "中壁のかぶりがおかしいです。\n訂正して下さい。"}},
        // (4.0 − 1.0 − 2.0) / 2 = 0.5 m leaves 0.1 m between the haunches.
        {"2.0",
         {"セルの内空幅がおかしいです（外形幅、側壁厚、中壁厚、ﾊﾝﾁ幅）。\n訂正して下さい。"}},
    };
    for (const auto& c : cases) {
        messenger.messages.clear();
        Transfer(1, c.tm);
        EXPECT_TRUE(dialog.isVisible()) << c.tm;
        EXPECT_EQ(messenger.messages, c.messages) << c.tm;
        EXPECT_EQ(dialog.focusWidget(), dialog.FieldNamed("中壁厚")) << c.tm;
    }
    messenger.messages.clear();
    Type(dialog, "EditTm", "abc");
    Click(dialog, "CellsTransfer");
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messenger.messages.size(), 1u);
    EXPECT_NE(messenger.messages[0].find("中壁厚"), std::string::npos) << messenger.messages[0];
    // One cell has no middle wall to refuse.
    Choose(dialog, "RadioGroupCells", 0);
    Click(dialog, "CellsTransfer");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Lines(), "セル数 1\n中壁厚 abcm");
    Click(window.Input(), "SpeedButtonCells");
    Click(dialog, "CellsCancel");
    EXPECT_FALSE(dialog.isVisible());
}

// A run that stops on a cell entry, set from a file, takes the cursor into the dialog's field.
TEST_F(CellWindowTest, RunStoppedByACellEntryOpensTheDialogAtIt) {
    DesignConditions conditions;
    conditions.cells = 3;
    conditions.Tm = "0,4";
    window.SetConditions(conditions);
    EXPECT_EQ(window.Run(), RunResult::ConversionError);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.FieldNamed("中壁厚"));
    window.Cells().hide();

    conditions.Tm = "0.1";  // thinner than both covers
    window.SetConditions(conditions);
    EXPECT_EQ(window.Run(), RunResult::CheckFailed);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.FieldNamed("中壁厚"));
}

}  // namespace
