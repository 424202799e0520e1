// The calculation run: the load case it chooses, and how it ends on a failed check or an
// unreadable entry.
#include "calc/run.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <string>

#include "calc/decimal.h"
#include "tests/calc/german_locale.h"
#include "tests/calc/read_record.h"

TEST(ChooseLoadCase, FromLiveLoadCombinationAndCover) {
    struct Case {
        const char* name;
        int liveLoad, combination;
        const char* h1;
        const char* impactDepth;  // of the T-load dialog
        int loadCase;
    } cases[] = {
        {"defaults: T-25 under 4.20 m", 0, 0, "4.20", "4.0", 4},
        {"T-25 standard", 0, 0, "3.9", "4.0", 1},
        {"T-25 combination (1)", 0, 1, "3.9", "4.0", 2},
        {"T-25 combination (2)", 0, 2, "3.9", "4.0", 3},
        {"cover exactly at the impact depth", 0, 2, "4.0", "4.0", 4},
        {"T-20 under 3.6 m", 1, 0, "3.6", "x", 4},
        {"T-25 under 3.6 m", 0, 1, "3.6", "4.0", 2},
        {"T-14 at its 3.5 m limit", 2, 1, "3.5", "x", 4},
        {"T-14 just above it", 2, 1, "3.49", "x", 2},
        {"customised T load, shallower depth", 0, 0, "3.6", "3.0", 4},
        {"customised T load, deeper depth", 0, 2, "4.5", "5.0", 3},
        {"no live load", 3, 0, "4.2", "x", 5},
        {"no live load, shallow, combination (2)", 3, 2, "0.5", "x", 5},
        {"no live-load item", -1, 2, "0.5", "x", 1},
        {"no combination item", 0, -1, "1.0", "4.0", 1},
    };
    for (const auto& c : cases) {
        DesignConditions conditions;
        conditions.liveLoad = c.liveLoad;
        conditions.combination = c.combination;
        conditions.h1 = c.h1;
        conditions.tImpactDepth = c.impactDepth;
        const auto record = ReadRecord(conditions);
        EXPECT_EQ(ChooseLoadCase(conditions, *record), c.loadCase) << c.name;
    }
}

namespace {

// A table that shows the results of an earlier run.
CalcTable PreviousResults() {
    CalcTable table;
    table.tabs = {2, 0, 0};
    table.List("ListBox1") = {"earlier load sheet"};
    table.GridOf("StringGrid1").Cell(1, 1) = "12.3";
    table.GridOf("StringGrid3").Cell(6, 2) = "1234";
    table.labels["Label97"].text = "earlier verdict";
    return table;
}

void ExpectPreviousResultsKept(const CalcTable& table) {
    EXPECT_EQ(table.tabs.page1, 0);  // the input page stays in front
    EXPECT_EQ(table.List("ListBox1"), std::vector<std::string>{"earlier load sheet"});
    EXPECT_EQ(table.GridOf("StringGrid3").Cell(6, 2), "1234");
    EXPECT_EQ(table.labels.at("Label97").text, "earlier verdict");
    const Grid& forces = table.GridOf("StringGrid1");
    EXPECT_EQ(forces.Cell(0, 0), "部材");
    EXPECT_EQ(forces.Cell(1, 0), "M(kN･m)");
    for (int column = 1; column < forces.columns; ++column)
        for (int row = 1; row < forces.rows; ++row)
            EXPECT_EQ(forces.Cell(column, row), "---") << column << "," << row;
}

}  // namespace

TEST(RunCalculation, FailedCheckStopsBeforeAnyStage) {
    DesignConditions conditions;
    conditions.ha = "-0.1";
    conditions.Ko = "0.2";
    CalcTable table = PreviousResults();
    RecordingMessenger messenger;
    EXPECT_EQ(RunCalculation(conditions, table, messenger), RunResult::CheckFailed);
    EXPECT_EQ(messenger.messages,
              (std::vector<std::string>{"舗装厚がおかしいです。\n訂正して下さい。",
                                        "土圧係数がおかしいです。\n訂正して下さい。"}));
    ExpectPreviousResultsKept(table);
}

TEST(RunCalculation, UnreadableEntryStopsWithOneMessageNamingTextAndField) {
    DesignConditions conditions;
    conditions.h1 = "4,2";
    conditions.B = "abc";  // read later: never reached
    CalcTable table = PreviousResults();
    RecordingMessenger messenger;
    EXPECT_EQ(RunCalculation(conditions, table, messenger), RunResult::ConversionError);
    ASSERT_EQ(messenger.messages.size(), 1u);
    EXPECT_NE(messenger.messages[0].find("4,2"), std::string::npos);
    EXPECT_NE(messenger.messages[0].find("土かぶり"), std::string::npos);
    EXPECT_EQ(messenger.messages[0].find("abc"), std::string::npos);
    ExpectPreviousResultsKept(table);
}

TEST(RunCalculation, CompletedRunShowsTheLoadTab) {
    CalcTable table;
    RecordingMessenger messenger;
    EXPECT_EQ(RunCalculation(DesignConditions{}, table, messenger), RunResult::Completed);
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(table.tabs.page1, 2);  // "Ⅱ．荷重値"
    EXPECT_EQ(table.tabs.page2, 0);  // "1．荷重値計算"
    EXPECT_EQ(table.tabs.page3, 0);  // "1．荷重項"
}

// Numbers are read and written with "." whatever the user's locale.
// The verdict label's text judges the sections alone; its colour, like the table's verdict, is
// the design's: a stage's message spoils it too.
TEST(RunCalculation, VerdictLabelColourIsTheDesignsVerdict) {
    const struct {
        const char *H, *B, *h1;
        const char* text;
        bool passed;
        std::vector<std::string> messages;
    } cases[] = {
        {"3.90", "4.00", "4.20", "許容応力度内", true, {}},
        {"5.00", "3.00", "2.00", "許容応力度内", false, {"応力分布タイプが普通ではありません。"}},
        {"6.00", "2.00", "0.50", "許容応力度を超えました。", false, {}},
    };
    for (const auto& c : cases) {
        DesignConditions conditions;
        conditions.H = c.H, conditions.B = c.B, conditions.h1 = c.h1;
        CalcTable table;
        RecordingMessenger messenger;
        ASSERT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed) << c.H;
        EXPECT_EQ(messenger.messages, c.messages) << c.H;
        EXPECT_EQ(table.passed, c.passed) << c.H;
        EXPECT_EQ(table.labels.at("Label97"),
                  (Label{c.text, c.passed ? colours::blue : colours::red}))
            << c.H;
    }
}

TEST(RunCalculation, GermanLocaleReadsAndWritesWithAPoint) {
    CalcTable expected;
    RecordingMessenger messenger;
    ASSERT_EQ(RunCalculation(DesignConditions{}, expected, messenger), RunResult::Completed);

    const GermanLocale german;
    ASSERT_TRUE(german.active()) << "no de_DE.UTF-8 locale: ./dev setup generates it";
    EXPECT_EQ(ParseDouble(" 4.20 ", "h1"), 4.2);
    EXPECT_THROW(ParseDouble("4,20", "h1"), ConversionError);
    CalcTable table;
    EXPECT_EQ(RunCalculation(DesignConditions{}, table, messenger), RunResult::Completed);
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(table.lists, expected.lists);
    EXPECT_EQ(table.grids, expected.grids);
    EXPECT_EQ(table.labels, expected.labels);
}

TEST(RunCalculation, SecondRunWithTheSameInputShowsTheSameResults) {
    CalcTable table;
    RecordingMessenger messenger;
    RunCalculation(DesignConditions{}, table, messenger);
    const auto lists = table.lists;
    const auto firstForces = table.GridOf("StringGrid1").cells;
    const auto firstSections = table.GridOf("StringGrid3").cells;
    RunCalculation(DesignConditions{}, table, messenger);
    EXPECT_EQ(table.lists, lists);
    EXPECT_EQ(table.GridOf("StringGrid1").cells, firstForces);
    EXPECT_EQ(table.GridOf("StringGrid3").cells, firstSections);
}

namespace {

bool ChartsHoldNoPoints(const CalcTable& table) {
    for (const auto& [name, chart] : table.charts)
        for (const Series& series : chart.series)
            if (!series.points.empty()) return false;
    return true;
}

}  // namespace

// Entries far outside any real box make a value too large for its type or divide by zero;
// once every check has passed, the run stops with a message that names the quantity and its
// entries, or the stage, instead of showing INF or NAN.
TEST(RunCalculation, ValueThatCannotBeComputedStopsTheRun) {
    struct Case {
        const char* name;
        void (*change)(DesignConditions&);
        const char* message;
        bool previousKept;  // stopped while reading; otherwise the results are cleared
    } cases[] = {
        {"self weight beyond a Single", [](DesignConditions& c) { c.B = " 1e38"; },
         "計算できない値があります（頂版の自重 D1：γc = 24.5、ボックス全幅 B = 1e38、"
         "頂版厚 Tu = 0.40、ﾊﾝﾁ幅 Hab = 0.20、ﾊﾝﾁ高 Hah = 0.20）。入力を確認して下さい。",
         true},
        {"earth pressure near the limit of a Single", [](DesignConditions& c) { c.Ko = "1e36"; },
         "部材断面計算で計算できない値があります。入力を確認して下さい。", false},
    };
    for (const auto& c : cases) {
        DesignConditions conditions;
        c.change(conditions);
        CalcTable table = PreviousResults();
        RecordingMessenger messenger;
        EXPECT_EQ(RunCalculation(conditions, table, messenger), RunResult::ConversionError)
            << c.name;
        EXPECT_EQ(messenger.messages, std::vector<std::string>{c.message}) << c.name;
        if (c.previousKept) {
            ExpectPreviousResultsKept(table);
            continue;
        }
        EXPECT_EQ(table.tabs.page1, 0) << c.name;
        EXPECT_TRUE(table.List("ListBox1").empty()) << c.name;
        EXPECT_EQ(table.GridOf("StringGrid1").Cell(1, 1), "---") << c.name;
        EXPECT_TRUE(ChartsHoldNoPoints(table)) << c.name;
    }
}

// The ratio h1/B of the earth-pressure coefficient cannot be formed without a width; the
// checks say what to correct, and nothing else is said.
TEST(RunCalculation, ZeroWidthShowsOnlyItsCheckMessages) {
    struct Case {
        const char* name;
        int foundation;
        const char *h1, *H;
    } cases[] = {
        {"piles", 1, "4.20", "3.90"},
        {"direct, under deep cover over a tall opening", 0, "12.0", "5.00"},
        {"direct", 0, "4.20", "3.90"},
    };
    for (const auto& c : cases) {
        DesignConditions conditions;
        conditions.B = "0";
        conditions.foundation = c.foundation;
        conditions.h1 = c.h1;
        conditions.H = c.H;
        CalcTable table = PreviousResults();
        RecordingMessenger messenger;
        EXPECT_EQ(RunCalculation(conditions, table, messenger), RunResult::CheckFailed) << c.name;
        EXPECT_EQ(messenger.messages,
                  (std::vector<std::string>{"ボックスの幅がおかしいです。\n訂正して下さい。",
                                            "ボックスのサイズがおかしいです。\n訂正して下さい。"}))
            << c.name;
        ExpectPreviousResultsKept(table);
    }
}

TEST(RunCalculation, RunAfterAStoppedRunCompletes) {
    DesignConditions huge;
    huge.Ko = "1e36";
    CalcTable table;
    RecordingMessenger messenger;
    RunCalculation(huge, table, messenger);
    EXPECT_EQ(RunCalculation(DesignConditions{}, table, messenger), RunResult::Completed);
}

namespace {

// A message box whose window system overflows while it paints.
class OverflowingMessenger : public RecordingMessenger {
  public:
    void Inform(const std::string& text) override {
        std::feraiseexcept(FE_OVERFLOW);
        RecordingMessenger::Inform(text);
    }
};

}  // namespace

TEST(RunCalculation, MessageBoxesDoNotStopTheRun) {
    DesignConditions conditions;
    conditions.h1 = "50";  // too deep for any bar: the bar search tells so and goes on
    CalcTable table;
    OverflowingMessenger messenger;
    EXPECT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
    EXPECT_FALSE(messenger.messages.empty());
}
