// The study tab in the calculation table: a study and its figure and table, cancelling,
// sizing that reaches the input page only when asked, and a range that is no range.
#include "ui/study_page.h"

#include <QApplication>
#include <QElapsedTimer>
#include <filesystem>

#include "files/cp932.h"
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
    EXPECT_EQ(Find<QLabel>(w.study, "StudyState")->text(), QStringLiteral("中止しました"));
    w.Range("3.0", "3.5", "0.5");
    w.Press("StudyStart");
    EXPECT_TRUE(Find<QLabel>(w.study, "StudyState")->isHidden()) << "the progress bar stands there";
    w.WaitForEnd();
    EXPECT_TRUE(Find<QLabel>(w.study, "StudyState")->text().isEmpty());
}

// A study belongs to the conditions it was run on: with other conditions on the page the tab
// says so, the PDF does not offer it and its table is not saved. The saved table opens with
// the lines naming the design.
TEST(StudyPage, AStudyOfOtherConditionsIsMarkedAndNotSaved) {
    StudyWindow w;
    TempFolder folder;
    const std::string path = folder / "study.csv";
    w.study.SetCsvPathPrompt([&] { return path; });
    w.study.SetDesignFileSource([] { return std::string("culvert.dat"); });
    w.Range("3.0", "4.5", "0.5");
    w.Press("StudyStart");
    w.WaitForEnd();
    const QLabel& note = w.study.StaleNote();
    EXPECT_TRUE(w.study.HasCurrentStudy());
    EXPECT_FALSE(note.isVisibleTo(&w.window));

    Type(w.window.Input(), "Edit2", "0.30");
    EXPECT_FALSE(w.study.HasCurrentStudy());
    EXPECT_TRUE(note.isVisibleTo(&w.window));
    w.Press("StudySaveCsv");
    ASSERT_EQ(w.messenger.messages.size(), 1u);
    EXPECT_TRUE(w.messenger.messages[0].starts_with("入力が変更されています。"));
    EXPECT_FALSE(std::filesystem::exists(path));

    Type(w.window.Input(), "Edit2", "4.20");  // the study's own conditions again
    EXPECT_FALSE(note.isVisibleTo(&w.window));
    w.Press("StudySaveCsv");
    const std::string text = FromCp932(ReadBytes(path));
    EXPECT_TRUE(
        text.starts_with("設計条件ファイル,culvert.dat\r\n外形幅 B(m),4.00\r\n"
                         "外形高 H(m),3.90\r\n頂版厚 Tu(m),0.40\r\n側壁厚 TL(m),0.50\r\n"
                         "底版厚 Tb(m),0.50\r\nσck(N/mm2),24\r\n鉄筋,SD345\r\n作成日,"))
        << text;
    EXPECT_NE(text.find("\r\n\r\nh1(m),荷重ケース,"), std::string::npos);
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

// A box of two cells: the sizing names the middle walls, and applied they reach the page too.
TEST(StudyPage, SizingTwoCellsNamesAndAppliesTheMiddleWalls) {
    StudyWindow w;
    DesignConditions cells;
    cells.cells = 2;
    w.window.Input().Apply(cells);
    w.Range("5", "6", "1");
    w.Press("StudySize");
    w.WaitForEnd();
    ASSERT_TRUE(w.study.Sizing() && w.study.Sizing()->found);
    const DesignConditions sized = w.study.Sizing()->sized;
    EXPECT_NE(Find<QLabel>(w.study, "StudySizeResult")
                  ->text()
                  .toStdString()
                  .find("中壁 Tm=" + sized.Tm + " m\n外形 B=" + sized.B),
              std::string::npos);
    w.Press("StudyApply");
    EXPECT_EQ(w.window.Conditions().Tm, sized.Tm);
    EXPECT_EQ(w.window.Conditions().B, sized.B);
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

// Cancelled, the sizing shows nothing new and says so.
TEST(StudyPage, CancelStopsTheSizing) {
    StudyWindow w;
    w.Range("0.5", "12", "0.01");
    w.Press("StudySize");
    w.Press("StudyCancel");
    w.WaitForEnd();
    EXPECT_FALSE(w.study.Sizing());
    EXPECT_TRUE(Find<QLabel>(w.study, "StudySizeResult")->text().isEmpty());
    EXPECT_EQ(Find<QLabel>(w.study, "StudyState")->text(), QStringLiteral("中止しました"));
}

// A range that is no range, or holds more covers than a study takes, says so and starts
// nothing.
TEST(StudyPage, ARangeThatIsNoRangeSaysSoAndStartsNothing) {
    const std::string wrong = "検討範囲がおかしいです。\n訂正して下さい。";
    const std::string tooMany = "検討範囲は10,000点までです。\n訂正して下さい。";
    const struct {
        const char *from, *to, *step;
        const std::string& message;
    } ranges[] = {
        {"4", "1", "0.1", wrong},       {"1", "4", "0", wrong},
        {"1", "4,5", "0.1", wrong},     {"-1", "4", "0.1", wrong},
        {"0", "10", "0.0009", tooMany}, {"0", "1e300", "1e-300", tooMany},
    };
    for (const auto& range : ranges) {
        StudyWindow w;
        w.Range(range.from, range.to, range.step);
        w.Press("StudyStart");
        EXPECT_FALSE(w.study.Busy());
        EXPECT_EQ(w.messenger.messages, std::vector<std::string>{range.message});
    }
}
