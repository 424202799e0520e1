// Studies in batch mode: the sweep's table against single full runs, rows for designs that
// stop, the options that do not go together, interruption and sizing.
#include "app/batch_study.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string_view>

#include "app/batch.h"
#include "calc/study/sizing.h"
#include "files/cp932.h"
#include "files/design_file.h"
#include "tests/files/temp_folder.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Batch(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int status = RunBatch(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos) return parts;
        start = at + separator.size();
    }
}

// The CSV's lines, read back from CP932 by the C library's iconv, each split at its commas:
// the table, or the lines naming the design above it.
std::vector<std::vector<std::string>> ReadCsv(const std::string& path, bool heading = false) {
    const std::string text = FromCp932(ReadBytes(path));
    EXPECT_TRUE(text.ends_with("\r\n"));
    const std::size_t table = text.find("\r\n\r\n");
    EXPECT_NE(table, std::string::npos);
    std::vector<std::vector<std::string>> lines;
    for (const auto& line :
         Split(heading ? text.substr(0, table) : text.substr(table + 4, text.size() - table - 6),
               "\r\n"))
        lines.push_back(Split(line, ","));
    return lines;
}

double Number(const std::string& cell) {
    std::string digits;
    for (char c : cell)
        if (c != ',') digits += c;
    return std::stod(digits);
}

// Whether a text holds an English word: three lowercase ASCII letters or more standing
// alone, other than the program's name and the pitch choice "auto". Option names,
// placeholders, sweep names, units, numbers and paths are no such words.
bool HasEnglishWord(const std::string& text) {
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        while (!word.empty() && std::string_view(",.;:").find(word.back()) != std::string::npos)
            word.pop_back();
        if (word.size() >= 3 && word != "dolmeta" && word != "auto" &&
            std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            return true;
    }
    return false;
}

}  // namespace

// Every row of a cover sweep against the section-design table of a full run at that cover.
TEST(BatchStudy, CoverSweepRowsEqualSingleFullRuns) {
    TempFolder folder;
    const std::string csv = folder / "c.csv";
    ASSERT_TRUE(SaveDesignConditions(folder / "d.dat", DesignConditions{}).ok());
    const Outcome outcome =
        Batch({"--batch", folder / "d.dat", "--sweep", "h1=0.5:12:0.1", "--csv", csv});
    ASSERT_TRUE(outcome.status == 0 || outcome.status == 3) << outcome.err;
    EXPECT_NE(outcome.out.find("設計 116 件"), std::string::npos) << outcome.out;

    const auto lines = ReadCsv(csv);
    ASSERT_EQ(lines.size(), 117u);
    const auto& header = lines[0];
    ASSERT_EQ(header.size(), 1 + 8 + 12 * 6 + 2 + 1u);
    EXPECT_EQ(header[0], "h1(m)");
    EXPECT_EQ(header[9], "側壁(L)A σc(N/mm2)");
    EXPECT_EQ(header.back(), "メッセージ");
    const auto heading = ReadCsv(csv, true);
    ASSERT_EQ(heading.size(), 9u);
    EXPECT_EQ(heading[0], (std::vector<std::string>{"設計条件ファイル", "d.dat"}));
    EXPECT_EQ(heading[1], (std::vector<std::string>{"外形幅 B(m)", "4.00"}));
    EXPECT_EQ(heading[7], (std::vector<std::string>{"鉄筋", "SD345"}));
    EXPECT_EQ(heading[8][0], "作成日");

    // Stresses are written to 0.01 and the largest utilisation to 0.001; the tolerance is
    // half a unit of the last digit the section table shows, and of the file's.
    const std::array<std::pair<int, double>, 4> stresses = {
        std::pair{9, 0.05}, std::pair{10, 0.5}, std::pair{11, 0.005}, std::pair{12, 0.005}};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto& row = lines[i];
        ASSERT_EQ(row.size(), header.size()) << i;
        DesignConditions single;
        single.h1 = row[0];
        CalcTable table;
        RecordingMessenger messenger;
        ASSERT_EQ(RunCalculation(single, table, messenger), RunResult::Completed) << row[0];
        const Grid& grid = table.GridOf("StringGrid3");
        EXPECT_EQ(row[2], table.passed ? "OK" : "NO") << row[0];
        EXPECT_EQ(row[3].size() - row[3].find('.'), 4u) << row[3];
        for (int s = 0; s < 12; ++s) {
            const std::size_t at = 9 + 6 * s;
            for (int k = 0; k < 4; ++k) {
                const auto [column, tolerance] = stresses[k];
                const std::string& cell = grid.Cell(column, s + 1);
                if (cell == "-") {
                    EXPECT_EQ(row[at + k], "") << row[0] << " " << header[at + k];
                } else {
                    EXPECT_NEAR(std::stod(row[at + k]), Number(cell), tolerance + 0.005 + 1e-6)
                        << row[0] << " " << header[at + k];
                    EXPECT_EQ(row[at + k].size() - row[at + k].find('.'), 3u) << row[at + k];
                }
            }
            EXPECT_EQ(row[at + 4], grid.Cell(7, s + 1)) << row[0] << " " << header[at + 4];
            EXPECT_EQ("@" + row[at + 5], grid.Cell(8, s + 1)) << row[0] << " " << header[at + 5];
        }
        // The quantities as the quantity grid shows them.
        const Grid& quantities = table.GridOf("StringGrid4");
        EXPECT_EQ(row[header.size() - 3], quantities.Cell(6, 1)) << row[0];
        const std::string& steel = quantities.Cell(6, quantities.rows - 1);
        EXPECT_EQ(row[header.size() - 2], steel == "---" ? "" : steel) << row[0];
    }
}

// Fs and the largest ground pressure by water table: none below the base (8.10 m deep).
TEST(BatchStudy, WaterTableSweepGivesFsGroundPressureAndGoverningCase) {
    TempFolder folder;
    const std::string csv = folder / "w.csv";
    const Outcome outcome = Batch({"--batch", "--sweep", "hw=1:11:5", "--csv", csv});
    ASSERT_TRUE(outcome.status == 0 || outcome.status == 3) << outcome.err;
    const auto lines = ReadCsv(csv);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0][6], "支配ケース");
    EXPECT_EQ(lines[0][7], "Fs");
    EXPECT_EQ(lines[0][8], "最大地盤反力度(kN/m2)");
    EXPECT_EQ(lines[1][7], "1.708");
    EXPECT_EQ(lines[1][8], "132.08");  // the documented case's, above the groundwater case's
    EXPECT_EQ(lines[1][6], "外水");
    EXPECT_EQ(lines[3][7], "");
    EXPECT_EQ(lines[3][6], "基本");
}

TEST(BatchStudy, ADesignThatStopsIsARowWithItsMessage) {
    TempFolder folder;
    const std::string csv = folder / "t.csv";
    const Outcome outcome = Batch({"--batch", "--sweep", "TL=0.1:0.3:0.1", "--csv", csv});
    EXPECT_EQ(outcome.status, 3);
    const auto lines = ReadCsv(csv);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1][0], "0.1");
    EXPECT_EQ(lines[1][2], "-");
    EXPECT_NE(lines[1].back().find("側壁のかぶりがおかしいです。 訂正して下さい。"),
              std::string::npos)
        << lines[1].back();
    EXPECT_EQ(lines[3][0], "0.3");
    EXPECT_EQ(lines[3].back(), "");
    EXPECT_EQ(ReadCsv(csv, true)[0], (std::vector<std::string>{"設計条件ファイル", "（なし）"}));
}

// The middle walls by their sweep name: each design is checked on its own, and one that passes
// its checks is computed as a box of two cells.
TEST(BatchStudy, MiddleWallSweep) {
    TempFolder folder;
    const std::string csv = folder / "m.csv";
    const Outcome outcome =
        Batch({"--batch", "--cells", "2", "--sweep", "Tm=0:0.4:0.4", "--csv", csv});
    EXPECT_EQ(outcome.status, 3) << outcome.err;
    const auto lines = ReadCsv(csv);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0][0], "Tm(m)");
    EXPECT_NE(lines[1].back().find("中壁厚がおかしいです。"), std::string::npos) << lines[1].back();
    EXPECT_EQ(lines[2][2], "OK");  // Tm, load case, verdict
}

// A cover sweep of a box of two cells: each row is the verdict of a full run of that box, and
// the lines above the table say that the box has two cells and how thick its middle wall is.
TEST(BatchStudy, CoverSweepOfTwoCells) {
    TempFolder folder;
    const std::string csv = folder / "c.csv";
    const Outcome outcome = Batch({"--batch", "--cells", "2", "--sweep", "h1=1:5:2", "--csv", csv});
    ASSERT_TRUE(outcome.status == 0 || outcome.status == 3) << outcome.err;
    const auto heading = ReadCsv(csv, true);
    ASSERT_EQ(heading.size(), 11u);
    EXPECT_EQ(heading[6], (std::vector<std::string>{"セル数", "2"}));
    EXPECT_EQ(heading[7], (std::vector<std::string>{"中壁厚 Tm(m)", "0.40"}));
    const auto lines = ReadCsv(csv);
    ASSERT_EQ(lines.size(), 4u);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        DesignConditions box;
        box.cells = 2;
        box.h1 = lines[i][0];
        CalcTable table;
        RecordingMessenger messenger;
        ASSERT_EQ(RunCalculation(box, table, messenger), RunResult::Completed) << box.h1;
        EXPECT_EQ(lines[i][2], table.passed ? "OK" : "NO") << box.h1;
        EXPECT_NE(lines[i][4], "") << box.h1;  // the governing section
    }
}

// The file's own conditions are checked first: a failure on an input the study does not vary
// stops it as it stops a single run; one on the varied input is a row of its own.
TEST(BatchStudy, TheFilesOwnFailureStopsTheStudyAsASingleRun) {
    TempFolder folder;
    DesignConditions lowSigmaCa, noNumber, absurdJoint;
    lowSigmaCa.sigmaCa = "5.0";
    noNumber.ha = "abc";
    absurdJoint.sigmaSaJoint = "1e10";
    ASSERT_TRUE(SaveDesignConditions(folder / "low.dat", lowSigmaCa).ok());
    ASSERT_TRUE(SaveDesignConditions(folder / "text.dat", noNumber).ok());
    ASSERT_TRUE(SaveDesignConditions(folder / "joint.dat", absurdJoint).ok());
    const std::string low = folder / "low.dat", text = folder / "text.dat",
                      joint = folder / "joint.dat";
    const std::string lowSays = "σcaがおかしいです。\n訂正して下さい。\n";
    const std::string textSays = "'abc' は有効な数値ではありません。（舗装厚）\n";
    const std::string jointSays =
        "σsa(継手)がおかしいです（0＜σsa(継手)≦1000 N/mm2）。\n訂正して下さい。\n";
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string err;
    } cases[] = {
        {{"--batch", low}, 2, lowSays},
        {{"--batch", low, "--size"}, 2, lowSays},
        {{"--batch", low, "--sweep", "h1=1:12:1", "--csv", folder / "c.csv"}, 2, lowSays},
        {{"--batch", text, "--size", "--sweep", "h1=1:3:1"}, 1, textSays},
        {{"--batch", text, "--sweep", "B=3:5:1"}, 1, textSays},
        {{"--batch", joint}, 2, jointSays},
        {{"--batch", joint, "--size", "--out", folder / "o.dat"}, 2, jointSays},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Batch(c.arguments);
        EXPECT_EQ(outcome.status, c.status) << c.arguments.back();
        EXPECT_EQ(outcome.err, c.err) << c.arguments.back();
        EXPECT_EQ(outcome.out, "") << c.arguments.back();
    }
    EXPECT_EQ(folder.EntryCount(), 3);

    // Varied, the same entries are judged design by design.
    const Outcome varied = Batch({"--batch", low, "--sweep", "sigmaCa=5:9:2", "--csv", "-"});
    EXPECT_EQ(varied.status, 3) << varied.err;
    EXPECT_NE(varied.err.find("設計 3 件"), std::string::npos) << varied.err;
    const Outcome bounded =
        Batch({"--batch", "--sweep", "sigmaSaJoint=500:1500:500", "--csv", folder / "j.csv"});
    EXPECT_EQ(bounded.status, 3) << bounded.err;
    const auto lines = ReadCsv(folder / "j.csv");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3][0], "1500");
    EXPECT_EQ(lines[3][2], "-");
    EXPECT_EQ(lines[3].back(),
              "σsa(継手)がおかしいです（0＜σsa(継手)≦1000 N/mm2）。 訂正して下さい。");
    EXPECT_EQ(lines[2].back(), "");
}

TEST(BatchStudy, OptionsThatDoNotGoTogetherShowUsage) {
    const std::vector<std::vector<std::string>> cases = {
        {"--csv", "c.csv"},
        {"--sweep", "h1=1:2:1", "--out", "o.dat"},
        {"--size", "--sweep", "Tu=0.2:0.5:0.1"},
        {"--size", "--sweep", "h1=1:2:1", "--csv", "c.csv"},
        {"--sweep", "h1=1:2:1", "--sweep", "h1=3:4:1"},
        {"--sweep", "h1=1:2:1", "--sweep", "Ko=0.3:0.5:0.1", "--sweep", "q=0:1:1"},
        {"--sweep", "h1=1:2:1", "--text", "Box.txt"},
        {"--sweep", "h1=0:1000:0.001", "--sweep", "Ko=0:1000:0.001"},
    };
    for (auto arguments : cases) {
        arguments.insert(arguments.begin(), "--batch");
        const Outcome outcome = Batch(arguments);
        EXPECT_EQ(outcome.status, 1) << arguments[1] << " " << arguments[2];
        EXPECT_NE(outcome.err.find("使い方:"), std::string::npos) << outcome.err;
    }
    const Outcome help = Batch({"--batch", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* name : {"h1", "dBottomLower", "tWeight", "tAxle", "sigmaCa"})
        EXPECT_NE(help.out.find(std::string("\n  ") + name + " "), std::string::npos) << name;
}

// Help, option errors, summaries, what was written and why not: all of it in Japanese.
TEST(BatchStudy, EverythingBatchModeSaysIsJapanese) {
    ASSERT_TRUE(HasEnglishWord("--csv needs --sweep"));
    TempFolder folder;
    const std::vector<std::vector<std::string>> cases = {
        {"--help"},
        {"--bogus"},
        {"a.dat", "b.dat"},
        {""},
        {"--text"},
        {"--tload", "20,4"},
        {"--pitch", "175"},
        {"--sweep", "h1"},
        {"--sweep", "cover=1:2:1"},
        {"--sweep", "h1=x:2:1"},
        {"--sweep", "h1=1:2:0"},
        {"--sweep", "h1=2:1:1"},
        {"--sweep", "h1=0:1000:0.0001"},
        {"--sweep", "h1=1:1.000000001:1e-10"},
        {"--sweep", "h1=1:2:1", "--sweep", "h1=1:2:1"},
        {"--sweep", "h1=1:2:1", "--sweep", "Ko=0.3:0.5:0.1", "--sweep", "q=0:1:1"},
        {"--sweep", "h1=0:1000:0.001", "--sweep", "Ko=0:1000:0.001"},
        {"--csv", "c.csv"},
        {"--out", "o.dat"},
        {"--size", "--csv", "c.csv"},
        {"--size", "--sweep", "Tu=0.2:0.5:0.1"},
        {"--sweep", "h1=1:2:1", "--text", "Box.txt"},
        {"--sweep", "h1=1:2:1", "--csv", folder / "c.csv"},
        {"--sweep", "h1=1:2:1", "--csv", ""},
        {"--size", "--sweep", "h1=1:1:1", "--out", folder / "s.dat"},
        {"--text", folder / "Box.txt", "--json", folder / "r.json", "--quantities", ""},
        {"--text", folder / "Box.txt", "--quantities", folder / "q.csv", "--json", "-"},
    };
    for (auto arguments : cases) {
        arguments.insert(arguments.begin(), "--batch");
        const Outcome outcome = Batch(arguments);
        EXPECT_FALSE(outcome.err.empty() && outcome.out.empty()) << arguments[1];
        EXPECT_FALSE(HasEnglishWord(outcome.err)) << outcome.err;
        if (arguments.back() != "-") {
            EXPECT_FALSE(HasEnglishWord(outcome.out)) << outcome.out;
        }
    }
    StudyOptions options;
    std::string error;
    ASSERT_TRUE(AddSweep(options, "h1=1:2:1", error));
    const std::atomic<bool> cancel{true};
    std::ostringstream out, err;
    ASSERT_EQ(RunStudy(DesignConditions{}, options, out, err, cancel, true), kInterrupted);
    EXPECT_NE(err.str().find("中断しました"), std::string::npos) << err.str();
    EXPECT_FALSE(HasEnglishWord(err.str())) << err.str();
}

TEST(BatchStudy, AnInterruptedStudyWritesNothing) {
    TempFolder folder;
    StudyOptions options;
    std::string error;
    ASSERT_TRUE(AddSweep(options, "h1=0.5:12:0.1", error));
    options.csvPath = folder / "c.csv";
    const std::atomic<bool> cancel{true};
    std::ostringstream out, err;
    EXPECT_EQ(RunStudy(DesignConditions{}, options, out, err, cancel, false), kInterrupted);
    EXPECT_EQ(folder.EntryCount(), 0);
}

TEST(BatchStudy, SizingPrintsTheBoxAndWritesItAsADesignFile) {
    TempFolder folder;
    const std::string sized = folder / "sized.dat";
    const Outcome outcome = Batch({"--batch", "--size", "--sweep", "h1=1:3:1", "--out", sized});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("最小部材厚: Tu="), std::string::npos) << outcome.out;
    // The governing cover to 0.01 m, as the study tab shows it.
    EXPECT_TRUE(std::regex_search(outcome.out, std::regex("支配する土かぶり: h1=[123]\\.00 m")))
        << outcome.out;
    DesignConditions loaded;
    ASSERT_TRUE(LoadDesignConditions(sized, loaded).ok());
    EXPECT_EQ(loaded.h1, DesignConditions{}.h1);
    EXPECT_NE(outcome.out.find("Tu=" + loaded.Tu + " TL=" + loaded.TL + " Tb=" + loaded.Tb),
              std::string::npos);
    for (const char* cover : {"1.00", "2.00", "3.00"}) {
        loaded.h1 = cover;
        EXPECT_TRUE(EvaluateDesign(loaded).passed) << cover;
    }

    // A box of two cells names its middle walls too, and the file keeps them.
    const Outcome cells =
        Batch({"--batch", "--cells", "2", "--size", "--sweep", "h1=5:6:1", "--out", sized});
    ASSERT_EQ(cells.status, 0) << cells.err;
    ASSERT_TRUE(LoadDesignConditions(sized, loaded).ok());
    EXPECT_EQ(loaded.cells, 2);
    EXPECT_NE(cells.out.find("Tb=" + loaded.Tb + " Tm=" + loaded.Tm + " m、B=" + loaded.B),
              std::string::npos)
        << cells.out;
}

// A study's table or sized design never replaces the design file read, and an empty path is
// no path; the file is left as it was.
TEST(BatchStudy, OutputsRefuseTheInputFileAndAnEmptyPath) {
    TempFolder folder;
    const std::string input = folder / "box.dat";
    ASSERT_TRUE(SaveDesignConditions(input, DesignConditions{}).ok());
    const std::string before = ReadBytes(input);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--batch", input, "--sweep", "h1=1:2:1", "--csv", input},
          {"--batch", input, "--size", "--out", input},
          {"--batch", input, "--sweep", "h1=1:2:1", "--csv", ""}}) {
        const Outcome outcome = Batch(arguments);
        EXPECT_EQ(outcome.status, 1) << arguments.back();
        EXPECT_NE(outcome.err.find("どの出力も書き込んでいません"), std::string::npos)
            << outcome.err;
    }
    EXPECT_EQ(ReadBytes(input), before);
    EXPECT_EQ(folder.EntryCount(), 1);
}
