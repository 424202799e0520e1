// The main window: exit confirmation, showing the calculation table, the design-condition
// file commands, the text output and the commands not yet available.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <map>

#include "ui/radio_group.h"

namespace {

// File functions over an in-memory folder; a path of "bad" fails.
struct FakeFiles {
    std::map<std::string, DesignConditions> saved;
    std::vector<std::string> textReports;
    std::vector<std::string> drawingNames;
    bool textFails = false;

    FileFunctions Functions() {
        const auto failure = [](const std::string& message) {
            return FileResult::Failure(FileStatus::FileError, message);
        };
        return {[this, failure](const std::string& path, const DesignConditions& c) {
                    if (path == "bad") return failure("cannot write bad");
                    saved[path] = c;
                    return FileResult{};
                },
                [this, failure](const std::string& path, DesignConditions& c) {
                    if (!saved.count(path)) return failure("cannot open " + path);
                    c = saved.at(path);
                    return FileResult{};
                },
                [this, failure](const std::string& path, const CalcTable&) {
                    if (textFails) return failure("cannot write Box.txt");
                    textReports.push_back(path);
                    return FileResult{};
                },
                [this, failure](const std::string& path, const CalcTable&, const std::string& name,
                                const std::string&) {
                    if (path == "bad") return failure("cannot write bad");
                    drawingNames.push_back(name);
                    return FileResult{};
                }};
    }
};

class MainWindowTest : public testing::Test {
  protected:
    explicit MainWindowTest(bool answer = true) : messenger(answer) {}

    void SetUp() override {
        window.SetPathPrompt([this](bool) { return nextPath; });
        window.show();
    }

    void Trigger(const char* action) {
        auto* found = window.findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(found, nullptr) << action;
        found->trigger();
    }

    const InputPage& Page() const { return window.CalculationTable().Input(); }

    CalcTable table;
    RecordingMessenger messenger;
    FakeFiles files;
    MainWindow window{table, messenger, files.Functions()};
    std::string nextPath;
};

class MainWindowAnsweredNo : public MainWindowTest {
  protected:
    MainWindowAnsweredNo() : MainWindowTest(false) {}
};

TEST_F(MainWindowTest, FirstShowingOpensTheCalculationTable) {
    EXPECT_TRUE(window.CalculationTable().isVisible());
    EXPECT_EQ(window.CalculationTable().Pages()->currentIndex(), 0);
}

TEST_F(MainWindowAnsweredNo, ExitAnsweredNoKeepsRunning) {
    bool closed = false;
    QObject::connect(&window, &MainWindow::closed, [&] { closed = true; });
    for (const char* exit : {"ExitItem", "ToolButton1"}) {
        Trigger(exit);
        EXPECT_FALSE(closed);
        EXPECT_TRUE(window.isVisible());
    }
    EXPECT_EQ(messenger.messages, std::vector<std::string>(2, "終了しますか。"));
}

TEST_F(MainWindowTest, ExitAnsweredYesEndsTheProgram) {
    bool closed = false;
    QObject::connect(&window, &MainWindow::closed, [&] { closed = true; });
    Trigger("ToolButton1");
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, TableCommandShowsTheClosedTableWithItsValues) {
    QLineEdit* cover = Page().findChild<QLineEdit*>("Edit2");
    cover->setText("2.75");
    window.CalculationTable().close();
    EXPECT_FALSE(window.CalculationTable().isVisible());
    for (const char* show : {"TableItem", "ToolButton11"}) {
        window.CalculationTable().hide();
        Trigger(show);
        EXPECT_TRUE(window.CalculationTable().isVisible());
        EXPECT_EQ(cover->text(), QStringLiteral("2.75"));
    }
}

TEST_F(MainWindowTest, SaveChangeLoadRestoresEveryControl) {
    DesignConditions entered;
    entered.soilType = 1;
    entered.gammaS = "19.5";
    entered.h1 = "abc";
    entered.lowerHaunch = true;
    entered.liveLoad = 3;
    entered.combination = 1;
    entered.q = "5,5";
    entered.steelGrade = "SD295A,B";
    entered.dBottomLower = "0.10";
    window.CalculationTable().SetConditions(entered);
    nextPath = "box.dat";
    Trigger("ToolButton4");
    EXPECT_EQ(messenger.messages, std::vector<std::string>{"設計条件を保存しました。"});

    window.CalculationTable().SetConditions(DesignConditions{});
    Trigger("LoadItem");
    EXPECT_EQ(window.CalculationTable().Conditions(), entered);
    // Applied through the handlers a click runs.
    EXPECT_TRUE(Page().findChild<QLineEdit*>("Edit10")->isEnabled());
    EXPECT_FALSE(Page().findChild<RadioGroup*>("RadioGroup4")->isEnabled());
    EXPECT_TRUE(Page().findChild<QCheckBox*>("CheckBox1")->isChecked());
    EXPECT_EQ(messenger.messages.size(), 1u);  // loading says nothing
}

TEST_F(MainWindowTest, LoadKeepsTheTLoadDialogValues) {
    nextPath = "box.dat";
    Trigger("SaveItem");
    window.CalculationTable().TLoad().findChild<QLineEdit*>("Edit1")->setText("20");
    Trigger("ToolButton3");
    EXPECT_EQ(window.CalculationTable().Conditions().tWeight, "20");
}

TEST_F(MainWindowTest, UnreadableFileLeavesThePageAndSaysWhy) {
    window.CalculationTable().SetConditions(DesignConditions{});
    nextPath = "missing.dat";
    Trigger("LoadItem");
    EXPECT_EQ(messenger.messages, std::vector<std::string>{"cannot open missing.dat"});
    EXPECT_EQ(window.CalculationTable().Conditions(), DesignConditions{});
}

TEST_F(MainWindowTest, FailedSaveReportsNoSuccess) {
    nextPath = "bad";
    Trigger("SaveItem");
    EXPECT_EQ(messenger.messages, std::vector<std::string>{"cannot write bad"});
}

TEST_F(MainWindowTest, CancelledFileDialogsDoNothing) {
    nextPath.clear();
    Trigger("SaveItem");
    Trigger("LoadItem");
    EXPECT_TRUE(files.saved.empty());
    EXPECT_TRUE(messenger.messages.empty());
}

TEST_F(MainWindowTest, TextOutputAsksWritesBoxTxtAndSaysSo) {
    Trigger("TextItem");
    const std::vector<std::string> expected = {
        "計算結果をテキスト出力しますか。\n\n出力ファイル名は\n　Box.txt\nです。",
        "テキスト出力終わりました。"};
    EXPECT_EQ(messenger.messages, expected);
    EXPECT_EQ(files.textReports,
              std::vector<std::string>{(QDir::currentPath() + "/Box.txt").toStdString()});
}

TEST_F(MainWindowTest, FailedTextOutputReportsNoCompletion) {
    files.textFails = true;
    Trigger("TextItem");
    ASSERT_EQ(messenger.messages.size(), 2u);
    EXPECT_EQ(messenger.messages[1], "cannot write Box.txt");
}

TEST_F(MainWindowAnsweredNo, TextOutputAnsweredNoWritesNothing) {
    Trigger("ToolButton10");
    EXPECT_EQ(messenger.messages.size(), 1u);
    EXPECT_TRUE(files.textReports.empty());
}

TEST_F(MainWindowTest, RunCommandShowsTheResultTabs) {
    window.CalculationTable().hide();
    Trigger("RunItem");
    EXPECT_TRUE(window.CalculationTable().isVisible());
    EXPECT_EQ(window.CalculationTable().Pages()->currentIndex(), 2);
}

TEST_F(MainWindowAnsweredNo, PrintAnsweredNoPrintsNothingAndKeepsTheTable) {
    window.ShowCalculationTable();
    Trigger("PrintItem");
    Trigger("ToolButton5");
    EXPECT_EQ(messenger.messages,
              std::vector<std::string>(2, "プリンターの準備はいいですか。\n10枚印刷します。"));
    EXPECT_TRUE(window.CalculationTable().isVisible());
}

TEST_F(MainWindowTest, PdfCommandWritesTheTenPagesWhereTheUserSays) {
    const QString path = QDir::temp().filePath(QStringLiteral("dolmeta-window-test.pdf"));
    QFile::remove(path);
    window.SetPdfPathPrompt([&] { return path.toStdString(); });
    Trigger("PdfItem");
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_TRUE(QFile::exists(path));
    QFile::remove(path);

    window.SetPdfPathPrompt([] { return std::string("/no/such/folder/report.pdf"); });
    Trigger("PdfItem");
    ASSERT_EQ(messenger.messages.size(), 1u);
    EXPECT_FALSE(QFile::exists(QStringLiteral("/no/such/folder/report.pdf")));
}

TEST_F(MainWindowTest, DrawingIsNamedAfterTheDesignFileAndReported) {
    std::string drawingPath = "/drawings/box.dxf";
    window.SetDxfPathPrompt([&] { return drawingPath; });
    Trigger("DxfItem");  // no design file yet: the drawing names itself
    nextPath = "/designs/culvert.dat";
    Trigger("SaveItem");
    Trigger("DxfItem");
    EXPECT_EQ(files.drawingNames, (std::vector<std::string>{"box.dxf", "culvert.dat"}));
    EXPECT_EQ(messenger.messages.back(), "図面を出力しました。");
    drawingPath = "bad";
    Trigger("DxfItem");
    EXPECT_EQ(messenger.messages.back(), "cannot write bad");
}

TEST_F(MainWindowTest, MenusCarryTheirAltLetters) {
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions()) titles << menu->text();
    EXPECT_EQ(titles, QStringList({"ファイル(&F)", "印刷(&P)", "編集(&E)", "表示(&V)", "実行(&R)",
                                   "システム(&S)"}));
}

}  // namespace
