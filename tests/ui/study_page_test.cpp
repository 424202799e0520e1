// The study tab in the calculation table: a study and its figure and table, cancelling,
// sizing that reaches the input page only when asked, and a range that is no range.
#include "ui/study_page.h"

#include <QApplication>
#include <QElapsedTimer>

#include "tests/files/temp_folder.h"
#include "tests/ui/window_test_support.h"
#include "ui/calc_table_window.h"

namespace {

struct StudyWindow {
    CalcTable table;
    RecordingMessenger messenger;
    CalcTableWindow window{table, messenger, nullptr};
    StudyPage& study = window.Study();

    StudyWindow() {
        window.show();
        window.Pages()->setCurrentWidget(&study);
    }
    void Range(const char* from, const char* to, const char* step) {
        Type(study, "StudyFrom", from);
        Type(study, "StudyTo", to);
        Type(study, "StudyStep", step);
    }
    void Press(const char* name) { Find<QPushButton>(study, name)->click(); }
    // Lets the window run until the study has ended.
    void WaitForEnd() {
        QElapsedTimer timer;
        timer.start();
        while (study.Busy() && timer.elapsed() < 300'000) QApplication::processEvents();
        ASSERT_FALSE(study.Busy());
    }
    std::string Cell(int column, int row) {
        return Find<QTableWidget>(study, "StudyTable")->item(row, column)->text().toStdString();
    }
};

}  // namespace

TEST(StudyPage, StudyDrawsTheCoversAndCancellingKeepsIt) {
    StudyWindow w;
    EXPECT_EQ(Text(w.study, "StudyTo"), "8.40");  // 2·h1 of the defaults
    EXPECT_FALSE(w.study.HasStudy());
    w.Range("3.0", "4.5", "0.5");
    w.Press("StudyStart");
    EXPECT_TRUE(w.study.Busy());
    w.WaitForEnd();
    ASSERT_TRUE(w.study.HasStudy());
    const Chart figure = w.study.Figure();
    ASSERT_TRUE(figure.Find("最大"));
    EXPECT_EQ(figure.Find("最大")->points.size(), 4u);
    EXPECT_DOUBLE_EQ(figure.Find("入力")->points[0].x, 4.2);
    EXPECT_EQ(w.Cell(0, 5), "最大");
    const std::string governingCover = w.Cell(2, 5);
    EXPECT_NE(governingCover, "-");

    // A long study cancelled at once leaves the figure of the last one.
    w.Range("0.5", "10", "0.001");
    w.Press("StudyStart");
    w.Press("StudyCancel");
    w.WaitForEnd();
    // (Gaps in a curve are NaN, so the charts are compared by their covers.)
    const auto covers = [](const Chart& chart) {
        std::vector<double> xs;
        for (const auto& p : chart.Find("最大")->points) xs.push_back(p.x);
        return xs;
    };
    EXPECT_EQ(covers(w.study.Figure()), covers(figure));
    EXPECT_EQ(w.Cell(2, 5), governingCover);

    TempFolder folder;
    w.study.SetCsvPathPrompt([&] { return folder / "study.csv"; });
    w.Press("StudySaveCsv");
    EXPECT_TRUE(ReadBytes(folder / "study.csv").starts_with("h1,"));
}

TEST(StudyPage, SizedThicknessesReachTheInputPageOnlyWhenApplied) {
    StudyWindow w;
    w.Range("1", "3", "1");
    EXPECT_FALSE(Find<QPushButton>(w.study, "StudyApply")->isEnabled());
    w.Press("StudySize");
    w.WaitForEnd();
    ASSERT_TRUE(w.study.Sizing() && w.study.Sizing()->found);
    const DesignConditions before = w.window.Conditions();
    EXPECT_EQ(before, DesignConditions{});
    EXPECT_NE(Find<QLabel>(w.study, "StudySizeResult")
                  ->text()
                  .toStdString()
                  .find("Tu=" + w.study.Sizing()->sized.Tu),
              std::string::npos);

    w.Press("StudyApply");
    DesignConditions expected = before;
    const DesignConditions& sized = w.study.Sizing()->sized;
    expected.Tu = sized.Tu;
    expected.TL = sized.TL;
    expected.Tb = sized.Tb;
    expected.B = sized.B;
    expected.H = sized.H;
    EXPECT_EQ(w.window.Conditions(), expected);

    // Back on the tab with the page changed, the sizing of other conditions is put away.
    w.window.Pages()->setCurrentIndex(0);
    w.window.Pages()->setCurrentWidget(&w.study);
    EXPECT_FALSE(w.study.Sizing());
    EXPECT_FALSE(Find<QPushButton>(w.study, "StudyApply")->isEnabled());
    EXPECT_TRUE(Find<QLabel>(w.study, "StudySizeResult")->text().isEmpty());
}

// A cover shallower than the range's usual start is inside the range it gets.
TEST(StudyPage, TheDefaultRangeHoldsAShallowCover) {
    StudyWindow w;
    w.window.Pages()->setCurrentIndex(0);
    Type(w.window, "Edit2", "0.30");
    w.window.Pages()->setCurrentWidget(&w.study);
    EXPECT_EQ(Text(w.study, "StudyFrom"), "0.30");
    EXPECT_EQ(Text(w.study, "StudyTo"), "0.60");
}

TEST(StudyPage, ARangeThatIsNoRangeSaysSoAndStartsNothing) {
    for (const auto& range : std::vector<std::array<const char*, 3>>{
             {"4", "1", "0.1"}, {"1", "4", "0"}, {"1", "4,5", "0.1"}, {"-1", "4", "0.1"}}) {
        StudyWindow w;
        w.Range(range[0], range[1], range[2]);
        w.Press("StudyStart");
        EXPECT_FALSE(w.study.Busy());
        EXPECT_EQ(w.messenger.messages,
                  std::vector<std::string>{"検討範囲がおかしいです。\n訂正して下さい。"});
    }
}
