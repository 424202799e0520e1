// The main window: exit confirmation, showing the calculation table, the design-condition
// file commands with the question about unsaved changes, and the result commands, which
// produce nothing without the results of a completed run.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QSettings>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <filesystem>
#include <map>

#include "calc/results_ready.h"
#include "calc/section/section_design.h"
#include "files/design_extension.h"
#include "tests/files/pdf_text.h"
#include "tests/files/temp_folder.h"
#include "ui/radio_group.h"
#include "ui/window_places.h"

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
        return {
            [this, failure](const std::string& path, const DesignConditions& c) {
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
            [this, failure](const std::string& path, const CalcTable&, const SheetTitle& title) {
                if (path == "bad") return failure("cannot write bad");
                drawingNames.push_back(title.designName);
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
    // The next confirmations' answers, before the fixed one.
    bool Confirm(const std::string& text) override {
        if (confirmAnswers.empty()) return RecordingMessenger::Confirm(text);
        messages.push_back(text);
        const bool answer = confirmAnswers.front();
        confirmAnswers.erase(confirmAnswers.begin());
        return answer;
    }
    Answer askAnswer = Answer::No;
    std::vector<bool> confirmAnswers;
};

const char* const kUnsaved = "変更を保存しますか？";
const char* const kRecalculate = "入力が変更されています。再計算してから出力しますか？";
const char* const kCheckPage = "照査一覧のページも出力しますか。";
const char* const kSaved = "設計条件を保存しました。";

class MainWindowTest : public testing::Test {
  protected:
    explicit MainWindowTest(bool answer = true) : messenger(answer) {}

    // Box.txt is written into the current folder: a fresh one for each test.
    void SetUp() override {
        QDir::setCurrent(QString::fromStdString(folder / ""));
        window.SetPathPrompt([this](bool) { return nextPath; });
        window.show();
    }
    void TearDown() override { QDir::setCurrent(startFolder); }

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

    bool Saved() const {
        return window.statusBar()->currentMessage().startsWith(QString::fromUtf8(kSaved));
    }

    TempFolder folder;
    const QString startFolder = QDir::currentPath();
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
    EXPECT_TRUE(Saved());
    EXPECT_TRUE(messenger.messages.empty());

    window.CalculationTable().SetConditions(DesignConditions{});
    Trigger("LoadItem");  // the changes are not saved: answered No
    EXPECT_EQ(window.CalculationTable().Conditions(), entered);
    // Applied through the handlers a click runs.
    EXPECT_TRUE(Page().findChild<QLineEdit*>("Edit10")->isEnabled());
    EXPECT_FALSE(Page().findChild<RadioGroup*>("RadioGroup4")->isEnabled());
    EXPECT_TRUE(Page().findChild<QCheckBox*>("CheckBox1")->isChecked());
    EXPECT_TRUE(Page().findChild<QComboBox*>("ComboBox10")->isEnabled());
    EXPECT_EQ(table.ChartOf("Chart9").titleColour, colours::black);  // "白黒" acted
    EXPECT_EQ(messenger.messages, std::vector<std::string>{kUnsaved});
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
        ASSERT_TRUE(messenger.messages.empty());
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

// Closed and started again, the main window and the calculation table open where they were
// closed. The places are kept under an organisation name of this test's own, in the test
// folder of the settings; without one nothing is kept.
TEST(MainWindowPlaces, WindowsOpenWhereTheyWereClosed) {
    const QSize mainSize(900, 500), tableSize(1000, 600);
    QCoreApplication::setOrganizationName(QStringLiteral("dolmeta-test-places"));
    QSettings().clear();
    {
        CalcTable table;
        RecordingMessenger messenger;  // "終了しますか。" answered Yes
        MainWindow first(table, messenger, ProgramFileFunctions());
        first.show();
        first.resize(mainSize);
        first.CalculationTable().resize(tableSize);
        first.Exit();
    }
    CalcTable table;
    RecordingMessenger messenger;
    MainWindow next(table, messenger, ProgramFileFunctions());
    EXPECT_TRUE(RestorePlace(next, MainWindow::kPlaceKey));
    next.show();
    EXPECT_EQ(next.size(), mainSize);
    EXPECT_EQ(next.CalculationTable().size(), tableSize);
    QSettings().clear();
    QCoreApplication::setOrganizationName(QString());
    EXPECT_FALSE(RestorePlace(next, MainWindow::kPlaceKey));
}

TEST_F(MainWindowTest, NothingChangedNothingAsked) {
    nextPath = "box.dat";
    Trigger("SaveItem");
    Trigger("LoadItem");
    Trigger("NewItem");
    EXPECT_TRUE(ClosedByExit());
    EXPECT_EQ(messenger.messages, std::vector<std::string>{"終了しますか。"});
}

// Exit, load, starting over and closing the window each ask about unsaved changes: Cancel
// keeps everything, No goes on without saving, Yes saves first. Exit asks that question
// alone.
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
    EXPECT_EQ(messenger.messages, std::vector<std::string>(4, kUnsaved));

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
    // Without the summary of the checks, the ten pages.
    const std::vector<std::string> asked = {"照査一覧のページも印刷しますか。",
                                            "プリンターの準備はいいですか。\n10枚印刷します。"};
    EXPECT_EQ(messenger.messages,
              (std::vector<std::string>{asked[0], asked[1], asked[0], asked[1]}));
    EXPECT_TRUE(window.CalculationTable().isVisible());
}

TEST_F(MainWindowTest, PdfCommandWritesTheTenPagesWhereTheUserSays) {
    const QString path = QDir::temp().filePath(QStringLiteral("dolmeta-window-test.pdf"));
    QFile::remove(path);
    window.SetPdfPathPrompt([&] { return path.toStdString(); });
    Trigger("RunItem");
    Trigger("PdfItem");
    // Answered yes: the summary of the checks follows the ten pages.
    const std::string offer = "照査一覧のページも出力しますか。";
    EXPECT_EQ(messenger.messages, std::vector<std::string>{offer});
    const std::string pdf = ReadBytes(path.toStdString());
    EXPECT_NE(PdfPageText(pdf, 11).find("11 / 11"), std::string::npos);
    QFile::remove(path);

    messenger.messages.clear();
    window.SetPdfPathPrompt([] { return std::string("/no/such/folder/report.pdf"); });
    Trigger("PdfItem");
    ASSERT_EQ(messenger.messages.size(), 2u);
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

// The title names the design-condition file and marks changes since it was saved or loaded;
// a save reports in the status bar, with no box to click away.
TEST_F(MainWindowTest, TitleNamesTheFileAndMarksChanges) {
    const QString caption = QStringLiteral("ドルメタ （Dolmeta） Ver3.3");
    EXPECT_EQ(window.windowTitle(), caption + "[*]");
    EXPECT_FALSE(window.isWindowModified());
    Edit("Edit2", "3.00");
    EXPECT_TRUE(window.isWindowModified());
    nextPath = "/designs/culvert.dat";
    Trigger("SaveItem");
    EXPECT_EQ(window.windowTitle(), "culvert.dat[*] - " + caption);
    EXPECT_EQ(window.windowFilePath(), QStringLiteral("/designs/culvert.dat"));
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_TRUE(Saved());
    EXPECT_TRUE(window.statusBar()->currentMessage().contains(QStringLiteral("culvert.dat")));
    EXPECT_TRUE(messenger.messages.empty());
    window.CalculationTable().TLoad().findChild<QLineEdit*>("Edit1")->setText("20");
    EXPECT_TRUE(window.isWindowModified());
    Trigger("NewItem");  // answered No: the changes go
    EXPECT_EQ(window.windowTitle(), caption + "[*]");
    EXPECT_FALSE(window.isWindowModified());
}

TEST_F(MainWindowTest, FileMenuIsNumberedInOrder) {
    QMenu* file = window.menuBar()->actions().front()->menu();
    int number = 0;
    for (QAction* item : file->actions()) {
        if (item->isSeparator()) continue;
        EXPECT_TRUE(item->text().startsWith(QString::number(++number) + "."))
            << item->text().toStdString();
    }
    EXPECT_EQ(number, 5);
}

// テキスト出力 replaces a Box.txt already in the folder only when told to.
TEST_F(MainWindowTest, TextOutputAsksBeforeReplacingBoxTxt) {
    Trigger("RunItem");
    WriteBytes(folder / "Box.txt", "earlier");
    messenger.confirmAnswers = {true, false};
    Trigger("TextItem");
    EXPECT_TRUE(files.textReports.empty());
    ASSERT_EQ(messenger.messages.size(), 2u);
    EXPECT_EQ(messenger.messages[1], "Box.txt は既にあります。\n上書きしますか？");
    Trigger("TextItem");  // answered Yes twice
    EXPECT_EQ(files.textReports.size(), 1u);
}

// After an edit every output command asks before it uses the last run: No produces nothing,
// Yes recalculates and outputs the current input's results.
TEST_F(MainWindowTest, OutputsAfterAnEditAskToRecalculate) {
    const QString pdf = QString::fromStdString(folder / "report.pdf");
    window.SetPdfPathPrompt([&] { return pdf.toStdString(); });
    window.SetDxfPathPrompt([] { return std::string("/drawings/box.dxf"); });
    Trigger("RunItem");
    Edit("Edit7", "0.45");
    const char* const commands[] = {"TextItem",     "ToolButton10",   "PrintItem", "ToolButton5",
                                    "PreviewItem1", "PreviewAllItem", "PdfItem",   "DxfItem"};
    messenger.confirmAnswers.assign(std::size(commands), false);
    messenger.messages.clear();
    for (const char* command : commands) Trigger(command);
    EXPECT_EQ(messenger.messages, std::vector<std::string>(std::size(commands), kRecalculate));
    EXPECT_TRUE(files.textReports.empty() && files.drawingNames.empty());
    EXPECT_FALSE(QFile::exists(pdf));

    messenger.messages.clear();
    Trigger("DxfItem");  // answered Yes
    EXPECT_EQ(messenger.messages, (std::vector<std::string>{kRecalculate, "図面を出力しました。"}));
    EXPECT_EQ(files.drawingNames.size(), 1u);
    EXPECT_FALSE(window.CalculationTable().ResultsStale()) << "the run was of Tu = 0.45";
    messenger.messages.clear();
    Trigger("PdfItem");  // the results are current: only the optional page is asked for
    EXPECT_EQ(messenger.messages, std::vector<std::string>{kCheckPage});
    EXPECT_TRUE(QFile::exists(pdf));
}

// A design that fails says so in the status bar, which opens tab Ⅳ when clicked.
TEST_F(MainWindowTest, StatusBarCountsFailingSections) {
    auto* failing = window.findChild<QToolButton*>("FailingSections");
    Trigger("RunItem");
    EXPECT_TRUE(failing->text().isEmpty());
    Edit("Edit2", "6.0");
    Trigger("RunItem");
    const int count = FailingSectionCount(table);
    ASSERT_GT(count, 0);
    EXPECT_EQ(failing->text(), QStringLiteral("許容応力度超過 %1断面").arg(count));
    EXPECT_EQ(window.CalculationTable().Pages()->currentIndex(), 2) << "the documented tab";
    window.CalculationTable().hide();
    failing->click();
    EXPECT_TRUE(window.CalculationTable().isVisible());
    EXPECT_EQ(window.CalculationTable().Pages()->currentWidget()->objectName(),
              QStringLiteral("TabSheet10"));
}

// The PDF offers the study's page only while the study is of the page's conditions: after
// 入力に反映, 新規作成 or 読込 (here an edit of the cover) it is another design's.
TEST_F(MainWindowTest, PdfOffersOnlyAStudyOfTheseConditions) {
    window.SetPdfPathPrompt([this] { return folder / "report.pdf"; });
    Trigger("RunItem");
    StudyPage& study = window.CalculationTable().Study();
    study.findChild<QLineEdit*>("StudyFrom")->setText("3.0");
    study.findChild<QLineEdit*>("StudyTo")->setText("4.5");
    study.findChild<QLineEdit*>("StudyStep")->setText("0.5");
    study.StartStudy();
    QElapsedTimer timer;
    timer.start();
    while (study.Busy() && timer.elapsed() < 300'000) QApplication::processEvents();
    ASSERT_TRUE(study.HasStudy());
    messenger.confirmAnswers = {false, false};
    Trigger("PdfItem");
    EXPECT_EQ(messenger.messages,
              (std::vector<std::string>{kCheckPage, "設計検討のページも出力しますか。"}));

    messenger.messages.clear();
    Edit("Edit2", "0.30");
    Trigger("PdfItem");  // recalculated first: the study is of h1 = 4.20
    EXPECT_EQ(messenger.messages, (std::vector<std::string>{kRecalculate, kCheckPage}));
    EXPECT_TRUE(std::filesystem::exists(folder / "report.pdf"));
}

}  // namespace
