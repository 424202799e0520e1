// The main window: exit confirmation, showing the calculation table, the design-condition
// file commands with the question about unsaved changes, and the result commands, which
// produce nothing without the results of a completed run.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <map>

#include "calc/results_ready.h"
#include "files/design_extension.h"
#include "tests/files/temp_folder.h"
#include "ui/radio_group.h"

// Shows conditions that differ by their entries.
void PrintTo(const DesignConditions& c, std::ostream* out) {
    for (const std::string& line : ExtensionLines(c)) *out << line << ' ';
    *out << "h1=" << c.h1 << " B=" << c.B << " lowerHaunch=" << c.lowerHaunch
         << " liveLoad=" << c.liveLoad << " q=" << c.q;
}

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

// Answers confirmations with a fixed answer and the question about unsaved changes with
// another.
class ScriptedMessenger : public RecordingMessenger {
  public:
    using RecordingMessenger::RecordingMessenger;
    Answer Ask(const std::string& text) override {
        messages.push_back(text);
        return askAnswer;
    }
    Answer askAnswer = Answer::No;
};

const char* const kUnsaved = "変更を保存しますか？";

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
    void Edit(const char* name, const char* text) {
        Page().findChild<QLineEdit*>(name)->setText(QString::fromUtf8(text));
    }
    bool ClosedByExit() {
        bool closed = false;
        auto connection = QObject::connect(&window, &MainWindow::closed, [&] { closed = true; });
        Trigger("ExitItem");
        QObject::disconnect(connection);
        return closed;
    }

    CalcTable table;
    ScriptedMessenger messenger;
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
    entered.tWeight = "30";
    entered.pitchMode = 1;
    entered.pitch = "200";
    entered.figureColours = 1;
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
    Trigger("LoadItem");  // the changes are not saved: answered No
    EXPECT_EQ(window.CalculationTable().Conditions(), entered);
    // Applied through the handlers a click runs.
    EXPECT_TRUE(Page().findChild<QLineEdit*>("Edit10")->isEnabled());
    EXPECT_FALSE(Page().findChild<RadioGroup*>("RadioGroup4")->isEnabled());
    EXPECT_TRUE(Page().findChild<QCheckBox*>("CheckBox1")->isChecked());
    EXPECT_TRUE(Page().findChild<QComboBox*>("ComboBox10")->isEnabled());
    EXPECT_EQ(table.ChartOf("Chart9").titleColour, colours::black);  // "白黒" acted
    EXPECT_EQ(messenger.messages, (std::vector<std::string>{"設計条件を保存しました。", kUnsaved}));
}

// Saved by one program, loaded by the next: every control comes back, the T load, pitch,
// colour choice and figure font size too; a file of the thirty documented lines sets the
// page and keeps those four as the program has them.
TEST(MainWindowFiles, SaveRestartLoadRestoresEveryControl) {
    TempFolder folder;
    const std::string path = folder / "box.dat";
    DesignConditions entered;
    entered.h1 = "2.50";
    entered.lowerHaunch = true;
    entered.tWeight = "30";
    entered.tAxleDistance = "5.5";
    entered.tImpactDepth = "3.0";
    entered.liveLoadCaption0 = "活荷重（T-30）";
    entered.pitchMode = 1;
    entered.pitch = "150";
    entered.figureColours = 1;
    entered.figureFontSize = 12;
    {
        CalcTable table;
        RecordingMessenger messenger;
        MainWindow first(table, messenger, ProgramFileFunctions());
        first.SetPathPrompt([&](bool) { return path; });
        first.show();
        first.CalculationTable().SetConditions(entered);
        first.SaveConditions();
        ASSERT_EQ(messenger.messages, std::vector<std::string>{"設計条件を保存しました。"});
    }
    CalcTable table;
    RecordingMessenger messenger;
    MainWindow next(table, messenger, ProgramFileFunctions());
    next.show();
    std::string loadPath = path;
    next.SetPathPrompt(
        [&](bool forSaving) { return forSaving ? folder / "changes.dat" : loadPath; });
    next.LoadConditions();
    const CalcTableWindow& calc = next.CalculationTable();
    EXPECT_EQ(calc.Conditions(), entered);
    EXPECT_EQ(calc.TLoad().findChild<QLineEdit*>("Edit1")->text(), QStringLiteral("30"));
    EXPECT_EQ(calc.Input().findChild<RadioGroup*>("RadioGroup12")->ItemIndex(), 1);
    EXPECT_EQ(calc.Input().findChild<QComboBox*>("ComboBox10")->currentText(), "150");
    EXPECT_EQ(calc.Input().findChild<RadioGroup*>("RadioGroup5")->ItemIndex(), 1);
    EXPECT_EQ(calc.Input().findChild<QSlider*>("TrackBar1")->value(), 12);
    EXPECT_EQ(table.ChartOf("Chart9").Find("Series31")->markFontSize, 12);
    EXPECT_TRUE(messenger.messages.empty());

    // The first thirty lines alone: what is in them changes, the rest stays.
    const std::string bytes = ReadBytes(path);
    std::size_t end = 0;
    for (int line = 0; line < 30; ++line) end = bytes.find("\r\n", end) + 2;
    loadPath = folder / "old.dat";
    WriteBytes(loadPath, std::string(bytes, 0, end).replace(bytes.find("2.50"), 4, "3.75"));
    next.CalculationTable().TLoad().findChild<QLineEdit*>("Edit1")->setText("20");
    next.LoadConditions();  // the unsaved change is answered Yes: saved elsewhere first
    DesignConditions expected = entered;
    expected.h1 = "3.75";
    expected.tWeight = "20";
    EXPECT_EQ(next.CalculationTable().Conditions(), expected);
}

TEST_F(MainWindowTest, NothingChangedNothingAsked) {
    nextPath = "box.dat";
    Trigger("SaveItem");
    Trigger("LoadItem");
    Trigger("NewItem");
    EXPECT_TRUE(ClosedByExit());
    EXPECT_EQ(messenger.messages,
              (std::vector<std::string>{"設計条件を保存しました。", "終了しますか。"}));
}

// Exit, load, starting over and closing the window each ask about unsaved changes: Cancel
// keeps everything, No goes on without saving, Yes saves first.
TEST_F(MainWindowTest, UnsavedChangesAreAskedAbout) {
    Edit("Edit2", "3.00");
    messenger.askAnswer = Messenger::Answer::Cancel;
    EXPECT_FALSE(ClosedByExit());
    nextPath = "other.dat";
    files.saved["other.dat"] = DesignConditions{};
    Trigger("LoadItem");
    Trigger("NewItem");
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.CalculationTable().Conditions().h1, "3.00");
    EXPECT_EQ(messenger.messages,
              (std::vector<std::string>{"終了しますか。", kUnsaved, kUnsaved, kUnsaved, kUnsaved}));

    messenger.messages.clear();
    messenger.askAnswer = Messenger::Answer::No;
    Trigger("NewItem");
    EXPECT_EQ(window.CalculationTable().Conditions(), DesignConditions{});
    EXPECT_EQ(messenger.messages, std::vector<std::string>{kUnsaved});

    // Yes saves; a cancelled save dialog cancels the exit.
    Edit("Edit2", "3.50");
    messenger.askAnswer = Messenger::Answer::Yes;
    nextPath.clear();
    EXPECT_FALSE(ClosedByExit());
    nextPath = "box.dat";
    EXPECT_TRUE(ClosedByExit());
    EXPECT_EQ(files.saved.at("box.dat").h1, "3.50");
}

TEST_F(MainWindowTest, ClosingTheWindowWithChangesAsks) {
    window.CalculationTable().TLoad().findChild<QLineEdit*>("Edit2")->setText("5.0");
    bool closed = false;
    QObject::connect(&window, &MainWindow::closed, [&] { closed = true; });
    window.close();
    EXPECT_TRUE(closed);
    EXPECT_EQ(messenger.messages, std::vector<std::string>{kUnsaved});
}

TEST_F(MainWindowTest, UnreadableFileLeavesThePageAndSaysWhy) {
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

TEST_F(MainWindowTest, TextOutputAsksWritesBoxTxtAndNamesIt) {
    Trigger("RunItem");
    Trigger("TextItem");
    const std::string path = (QDir::currentPath() + "/Box.txt").toStdString();
    const std::vector<std::string> expected = {
        "計算結果をテキスト出力しますか。\n\n出力ファイル名は\n　Box.txt\nです。",
        "テキスト出力終わりました。\n" + path};
    EXPECT_EQ(messenger.messages, expected);
    EXPECT_EQ(files.textReports, std::vector<std::string>{path});
}

TEST_F(MainWindowTest, FailedTextOutputReportsNoCompletion) {
    Trigger("RunItem");
    files.textFails = true;
    Trigger("TextItem");
    ASSERT_EQ(messenger.messages.size(), 2u);
    EXPECT_EQ(messenger.messages[1], "cannot write Box.txt");
}

TEST_F(MainWindowAnsweredNo, TextOutputAnsweredNoWritesNothing) {
    Trigger("RunItem");
    Trigger("ToolButton10");
    EXPECT_EQ(messenger.messages.size(), 1u);
    EXPECT_TRUE(files.textReports.empty());
}

// Before any run, and after a run that stopped (here at a failed check, with the earlier
// design's chapters still on the tabs), every result command says so and produces nothing.
TEST_F(MainWindowTest, NoResultsNothingShownPrintedOrWritten) {
    const QString pdf = QDir::temp().filePath(QStringLiteral("dolmeta-no-results.pdf"));
    QFile::remove(pdf);
    window.SetPdfPathPrompt([&] { return pdf.toStdString(); });
    const char* const commands[] = {"TextItem",     "ToolButton10", "PrintItem",      "ToolButton5",
                                    "PreviewItem1", "PreviewItem9", "PreviewAllItem", "PdfItem"};
    for (bool afterFailedRun : {false, true}) {
        if (afterFailedRun) {
            Trigger("RunItem");
            Edit("Edit18", "1.0");  // too narrow a box: a check fails
            Trigger("RunItem");
            ASSERT_FALSE(table.completedRun);
        }
        messenger.messages.clear();
        for (const char* command : commands) Trigger(command);
        EXPECT_EQ(messenger.messages,
                  std::vector<std::string>(std::size(commands), kNoResultsMessage));
        EXPECT_TRUE(files.textReports.empty());
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_TRUE(window.CalculationTable().isVisible());
    }
}

TEST_F(MainWindowTest, RunCommandShowsTheResultTabs) {
    window.CalculationTable().hide();
    Trigger("RunItem");
    EXPECT_TRUE(window.CalculationTable().isVisible());
    EXPECT_EQ(window.CalculationTable().Pages()->currentIndex(), 2);
}

// A box outside the usual range is told in the status bar, not in the report.
TEST_F(MainWindowTest, RangeWarningsStandInTheStatusBar) {
    const QLabel* panel = window.statusBar()->findChildren<QLabel*>().front();
    Edit("Edit2", "0.30");
    Trigger("RunItem");
    EXPECT_EQ(panel->text().toStdString(),
              "適用範囲外：土かぶり h1=0.30mが通常の範囲（0.5～20m）の外です。");
    Edit("Edit2", "4.20");
    Trigger("RunItem");
    EXPECT_TRUE(panel->text().isEmpty());
}

TEST_F(MainWindowAnsweredNo, PrintAnsweredNoPrintsNothingAndKeepsTheTable) {
    Trigger("RunItem");
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
    Trigger("RunItem");
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
    Trigger("DxfItem");
    EXPECT_EQ(messenger.messages, std::vector<std::string>{kNoResultsMessage});
    EXPECT_TRUE(files.drawingNames.empty());
    Trigger("RunItem");
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
