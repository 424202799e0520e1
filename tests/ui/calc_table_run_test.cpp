// Runs from the calculation table that rely on the stages: messages of a failed check or a
// bad number with the cursor put into its field, the T load reaching the load sheet, the
// figure controls acting on charts, and the note on results that are no longer current.
#include <QSlider>
#include <algorithm>

#include "tests/calc/german_locale.h"
#include "tests/ui/window_test_support.h"
#include "ui/calc_table_window.h"
#include "ui/half_width.h"

namespace {

class CalcTableRunTest : public testing::Test {
  protected:
    CalcTable table;
    RecordingMessenger messenger;
    CalcTableWindow window{table, messenger, nullptr};

    void SetUp() override { window.show(); }

    bool ListsHold(const std::string& line) const {
        for (const char* name : {"ListBox4", "ListBox1"}) {
            const auto& lines = table.List(name);
            if (std::find(lines.begin(), lines.end(), line) != lines.end()) return true;
        }
        return false;
    }
};

TEST_F(CalcTableRunTest, DefaultsFillEveryListAndGrid) {
    EXPECT_EQ(window.Run(), RunResult::Completed);
    EXPECT_TRUE(messenger.messages.empty());
    for (const char* name : {"ListBox7", "ListBox4", "ListBox1", "ListBox3", "ListBox5", "ListBox2",
                             "ListBox9", "ListBox10", "ListBox6"})
        EXPECT_GT(window.Results().List(name)->count(), 0) << name;
    for (const char* name : {"StringGrid1", "StringGrid2", "StringGrid3"})
        EXPECT_FALSE(window.Results().GridView(name)->item(1, 1)->text().isEmpty()) << name;
    EXPECT_NE(window.Results().GridView("StringGrid1")->item(1, 1)->text(), QStringLiteral("---"));
    // The quantity grid grows by a row a bar diameter.
    const QTableWidget* quantities = window.Results().GridView("StringGrid4");
    ASSERT_GT(table.GridOf("StringGrid4").rows, 9);
    EXPECT_EQ(quantities->rowCount(), table.GridOf("StringGrid4").rows);
    EXPECT_EQ(quantities->item(quantities->rowCount() - 1, 0)->text(), QStringLiteral("鉄筋計"));
}

// The page's texts are read with "." under a locale whose decimal point is a comma.
TEST_F(CalcTableRunTest, GermanLocaleRunsTheDefaults) {
    const GermanLocale german;
    ASSERT_TRUE(german.active()) << "no de_DE.UTF-8 locale: ./dev setup generates it";
    EXPECT_EQ(window.Run(), RunResult::Completed);
    EXPECT_TRUE(messenger.messages.empty()) << messenger.messages.front();
}

TEST_F(CalcTableRunTest, FailedCheckShowsMessagesInOrderAndKeepsResults) {
    window.Run();
    ASSERT_GT(window.Results().List("ListBox7")->count(), 0);
    const QString kept = window.Results().List("ListBox7")->item(0)->text();
    Type(window.Input(), "Edit2", "-1");
    Type(window.Input(), "Edit18", "1.0");
    EXPECT_EQ(window.Run(), RunResult::CheckFailed);
    const std::vector<std::string> expected = {"土かぶりがおかしいです。\n訂正して下さい。",
                                               "土かぶりがおかしいです。\n訂正して下さい。",
                                               "ボックスの幅がおかしいです。\n訂正して下さい。"};
    EXPECT_EQ(messenger.messages, expected);
    EXPECT_EQ(window.Results().List("ListBox7")->item(0)->text(), kept);
    EXPECT_EQ(window.Results().GridView("StringGrid1")->item(3, 2)->text(), QStringLiteral("---"));
    EXPECT_EQ(window.Pages()->currentIndex(), 0);
}

TEST_F(CalcTableRunTest, ZeroWidthOnPilesShowsOnlyItsCheckMessages) {
    Choose(window.Input(), "RadioGroup3", 1);  // "杭基礎": the ratio h1/B is formed
    Type(window.Input(), "Edit18", "0");
    EXPECT_EQ(window.Run(), RunResult::CheckFailed);
    const std::vector<std::string> expected = {
        "ボックスの幅がおかしいです。\n訂正して下さい。",
        "ボックスのサイズがおかしいです。\n訂正して下さい。"};
    EXPECT_EQ(messenger.messages, expected);
}

TEST_F(CalcTableRunTest, TextThatIsNoNumberNamesItAndKeepsResults) {
    window.Run();
    ASSERT_GT(window.Results().List("ListBox2")->count(), 0);
    const QString kept = window.Results().List("ListBox2")->item(0)->text();
    Type(window.Input(), "Edit2", "4,20");
    EXPECT_EQ(window.Run(), RunResult::ConversionError);
    ASSERT_EQ(messenger.messages.size(), 1u);
    EXPECT_NE(messenger.messages[0].find("4,20"), std::string::npos);
    EXPECT_EQ(window.Results().List("ListBox2")->item(0)->text(), kept);
    EXPECT_EQ(window.Results().GridView("StringGrid1")->item(1, 1)->text(), QStringLiteral("---"));
}

TEST_F(CalcTableRunTest, CustomisedTLoadActsAtTheNextRun) {
    // A shallow cover keeps the wheels on the top slab (load case 1).
    Type(window.Input(), "Edit2", "2.00");
    Click(window.Input(), "SpeedButton3");
    Type(window.TLoad(), "Edit1", "20");
    Click(window.TLoad(), "SpeedButton2");
    window.Run();
    EXPECT_TRUE(ListsHold("　    P1(後輪荷重)            =80.00kN"));
}

TEST_F(CalcTableRunTest, FigureFontSizeReachesTheMomentDiagramOnly) {
    window.Run();
    const int outline = table.ChartOf("Chart1").Get("Series13").markFontSize;
    Find<QSlider>(window.Input(), "TrackBar1")->setValue(12);
    EXPECT_EQ(table.ChartOf("Chart9").Get("Series31").markFontSize, 12);
    EXPECT_EQ(table.ChartOf("Chart1").Get("Series13").markFontSize, outline);
}

// With "白黒" chosen, a run leaves its load and force lines black as the choice says, not in
// the colours its stages draw them in; "ｶﾗｰ" keeps those colours.
TEST_F(CalcTableRunTest, FigureColourChoiceHoldsAfterARun) {
    const std::pair<const char*, const char*> lines[] = {{"Chart1", "Series3"},
                                                         {"Chart1", "Series4"},
                                                         {"Chart5", "Series23"},
                                                         {"Chart9", "Series31"}};
    Choose(window.Input(), "RadioGroup5", 1);
    window.Run();
    for (const auto& [chart, series] : lines) {
        const Series& s = table.ChartOf(chart).Get(series);
        EXPECT_EQ(s.colour, colours::black) << series;
        for (const ChartPoint& p : s.points) EXPECT_EQ(p.colour, colours::black) << series;
    }
    EXPECT_EQ(table.ChartOf("Chart9").titleColour, colours::black);
    Choose(window.Input(), "RadioGroup5", 0);
    window.Run();
    EXPECT_EQ(table.ChartOf("Chart9").Get("Series31").colour, colours::red);
    EXPECT_EQ(table.ChartOf("Chart1").Get("Series3").colour, colours::green);
}

// The summary of the checks is a sub-tab of chapter V showing the run's summary grid.
TEST_F(CalcTableRunTest, SummaryOfTheChecksShowsTheRunsRows) {
    window.Run();
    const QTableWidget* grid = window.Results().GridView("StringGrid5");
    const Grid& model = table.GridOf("StringGrid5");
    ASSERT_EQ(grid->rowCount(), 13);
    ASSERT_EQ(grid->columnCount(), 17);
    EXPECT_EQ(grid->item(0, 7)->text(), QStringLiteral("σc/σca"));
    EXPECT_EQ(grid->item(5, 16)->text().toStdString(), model.Cell(16, 5));
    EXPECT_EQ(grid->item(4, 3)->text().toStdString(), model.Cell(3, 4));
    const auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("PageControl6"));
    ASSERT_TRUE(tabs);
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("4．照査一覧"));
    EXPECT_TRUE(tabs->widget(2)->isAncestorOf(grid));
}

TEST_F(CalcTableRunTest, FiveStepsRightMoveTheViewByOneWidth) {
    window.Run();
    const Axis before = table.ChartOf("Chart1").bottom;
    const double width = before.maximum - before.minimum;
    for (int k = 0; k < 5; ++k) Click(window, "SpeedButton14");
    EXPECT_NEAR(table.ChartOf("Chart1").bottom.minimum, before.minimum - width, 1e-9 * width);
    for (int k = 0; k < 5; ++k) Click(window, "SpeedButton13");
    EXPECT_NEAR(table.ChartOf("Chart1").bottom.minimum, before.minimum, 1e-9 * width);
}

// A conversion error puts the cursor into the field it names, on the page or in the T-load
// dialog, for every numeric field.
TEST_F(CalcTableRunTest, ConversionErrorPutsTheCursorIntoItsField) {
    const char* const pageFields[] = {"ComboBox2", "ComboBox3", "Edit28",    "ComboBox1", "Edit10",
                                      "Edit7",     "Edit2",     "Edit9",     "Edit4",     "Edit6",
                                      "Edit11",    "Edit12",    "Edit13",    "Edit18",    "Edit21",
                                      "Edit5",     "Edit1",     "Edit8",     "Edit17",    "Edit3",
                                      "ComboBox4", "ComboBox5", "ComboBox6", "ComboBox7"};
    const auto expectFocus = [&](const QWidget& owner, const char* name) {
        const QString before = QString::fromStdString(Text(owner, name));
        Type(owner, name, "x9");
        messenger.messages.clear();
        EXPECT_EQ(window.Run(), RunResult::ConversionError) << name;
        ASSERT_EQ(messenger.messages.size(), 1u) << name;
        EXPECT_NE(messenger.messages[0].find("x9"), std::string::npos) << name;
        const QWidget* field = owner.findChild<QWidget*>(QString::fromLatin1(name));
        const QWidget* focused = field->window()->focusWidget();
        EXPECT_TRUE(focused == field || field->isAncestorOf(focused)) << name;
        Type(owner, name, before.toUtf8().constData());
    };
    Choose(window.Input(), "RadioGroup1", 3);  // "なし": the q field takes input
    for (const char* name : pageFields) expectFocus(window.Input(), name);
    Choose(window.Input(), "RadioGroup1", 0);  // the T load of the dialog
    for (const char* name : {"Edit1", "Edit2", "Edit3"}) expectFocus(window.TLoad(), name);
    EXPECT_TRUE(window.TLoad().isVisible());
}

// A failed check puts the cursor into the entry it is about: of those it reads, the one typed
// into last, else the one its message names.
TEST_F(CalcTableRunTest, FailedCheckPutsTheCursorIntoItsField) {
    const auto focused = [&](const QWidget& owner, const char* name) {
        const QWidget* field = owner.findChild<QWidget*>(QString::fromLatin1(name));
        return field->window()->focusWidget() == field;
    };
    Type(window.Input(), "Edit2", "-1");
    EXPECT_EQ(window.Run(), RunResult::CheckFailed);
    EXPECT_TRUE(focused(window.Input(), "Edit2"));
    Type(window.Input(), "Edit2", "4.20");

    auto* haunch = Find<QLineEdit>(window.Input(), "Edit11");
    haunch->setText(QStringLiteral("2.0"));  // set, not typed: the message names the height
    EXPECT_EQ(window.Run(), RunResult::CheckFailed);
    EXPECT_EQ(messenger.messages.back(), "ボックスの高さがおかしいです。\n訂正して下さい。");
    EXPECT_TRUE(focused(window.Input(), "Edit4"));
    emit haunch->textEdited(haunch->text());  // typed
    EXPECT_EQ(window.Run(), RunResult::CheckFailed);
    EXPECT_TRUE(focused(window.Input(), "Edit11"));
    Type(window.Input(), "Edit11", "0.20");

    Type(window.TLoad(), "Edit2", "0");
    EXPECT_EQ(window.Run(), RunResult::CheckFailed);
    EXPECT_TRUE(window.TLoad().isVisible());
    EXPECT_TRUE(focused(window.TLoad(), "Edit2"));
}

// Full-width digits, period, minus and comma become half-width when the field is left, and
// before a run; the steel grade is no number and keeps what was typed.
TEST_F(CalcTableRunTest, FullWidthNumbersBecomeHalfWidth) {
    EXPECT_EQ(ToHalfWidthNumber(QStringLiteral("－１２３４５．６７８９０，−Ａ")),
              QStringLiteral("-12345.67890,-Ａ"));
    auto* cover = Find<QLineEdit>(window.Input(), "Edit2");
    cover->setText(QStringLiteral("１．０"));
    emit cover->editingFinished();
    EXPECT_EQ(cover->text(), QStringLiteral("1.0"));
    Type(window.Input(), "Edit2", "４．２０");
    Type(window.Input(), "ComboBox2", "１８");
    Type(window.TLoad(), "Edit1", "２５");
    Type(window.Input(), "Edit14", "ＳＤ３４５");
    EXPECT_EQ(window.Run(), RunResult::Completed);
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(Text(window.Input(), "Edit2"), "4.20");
    EXPECT_EQ(Text(window.Input(), "ComboBox2"), "18");
    EXPECT_EQ(window.TLoad().Weight(), "25");
    EXPECT_EQ(Text(window.Input(), "Edit14"), "ＳＤ３４５");
}

// The note shows on the result tabs while they hold the results of other conditions than the
// page's, or a later run stopped, and goes with the next run that completes.
TEST_F(CalcTableRunTest, StaleResultsNoteAppearsAndGoes) {
    const auto noted = [&] { return window.StaleNote().isVisible(); };
    Type(window.Input(), "Edit2", "3.00");
    window.Pages()->setCurrentIndex(3);
    EXPECT_FALSE(noted()) << "before any run the tabs hold no results to be stale";
    window.Run();
    window.Pages()->setCurrentIndex(3);
    EXPECT_FALSE(noted());
    Type(window.Input(), "Edit2", "3.10");
    EXPECT_TRUE(noted());
    Type(window.Input(), "Edit2", "3.00");
    EXPECT_FALSE(noted()) << "the page holds the run's conditions again";
    Type(window.TLoad(), "Edit2", "5.0");
    EXPECT_TRUE(noted());
    window.Pages()->setCurrentIndex(0);
    EXPECT_FALSE(noted()) << "only on the result tabs";
    window.Run();
    window.Pages()->setCurrentIndex(5);
    EXPECT_FALSE(noted());
    Find<QSlider>(window.Input(), "TrackBar1")->setValue(11);
    EXPECT_FALSE(noted()) << "a figure control changes no result";
    Type(window.Input(), "EditProject", "○○線函渠工");
    Type(window.Input(), "EditDesigner", "山田");
    EXPECT_FALSE(noted()) << "nor does the report's header";
    EXPECT_EQ(window.Conditions().projectName, "○○線函渠工");
    EXPECT_EQ(window.Conditions().designer, "山田");

    Type(window.Input(), "Edit18", "1.0");
    EXPECT_EQ(window.Run(), RunResult::CheckFailed);
    Type(window.Input(), "Edit18", "4.00");
    window.Pages()->setCurrentIndex(1);
    EXPECT_TRUE(noted()) << "the last run stopped";
    EXPECT_TRUE(
        window.Pages()->currentWidget()->geometry().intersects(window.StaleNote().geometry()));
    window.Run();
    window.Pages()->setCurrentIndex(1);
    EXPECT_FALSE(noted());
}

}  // namespace
