// The batch mode: arguments, what reaches the calculation, exit status, messages on standard
// error and the reports it writes.
#include "app/batch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <nlohmann/json.hpp>
#include <sstream>

#include "files/design_file.h"
#include "tests/calc/german_locale.h"
#include "tests/files/nearly_full_disk.h"
#include "tests/files/pdf_text.h"
#include "tests/files/temp_folder.h"

namespace fs = std::filesystem;

namespace {

// A calculation that records the conditions it was given, shows messages and ends as told.
struct FakeRun {
    RunResult result = RunResult::Completed;
    std::vector<std::string> messages;
    std::vector<std::string> warnings;  // a stage's messages: the design does not pass
    int exceedingRow = 0;               // a row of the section table judged "NO"
    int calls = 0;
    DesignConditions seen;

    CalculationRun Function() {
        return [this](const DesignConditions& conditions, CalcTable& table, Messenger& m) {
            ++calls;
            seen = conditions;
            table.List("ListBox7") = {"計算済み"};
            for (const auto& text : messages) m.Inform(text);
            for (const auto& text : warnings) m.Inform(text);
            if (exceedingRow > 0) {
                table.GridOf("StringGrid3").Cell(13, exceedingRow) = "NO";
                table.labels.at("Label97").text = "許容応力度を超えました。";
            }
            table.passed = result == RunResult::Completed && warnings.empty() && exceedingRow == 0;
            return result;
        };
    }
};

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Batch(const std::vector<std::string>& arguments, const CalculationRun& run) {
    std::ostringstream out, err;
    const int status = RunBatch(arguments, out, err, run);
    return {status, out.str(), err.str()};
}

}  // namespace

TEST(Batch, ArgumentsItDoesNotKnowShowUsageAndRunNothing) {
    const std::vector<std::vector<std::string>> cases = {
        {"--batch", "--bogus"},
        {"--batch", "a.dat", "b.dat"},
        {"--batch", "--text"},
        {"--batch", "--pitch", "175"},
        {"--batch", "--pitch", "Auto"},
        {"--batch", "--tload", "20,4.0"},
        {"--batch", "--tload", "20,4.0,3.5,1"},
        {"--batch", "--pdf"},
        {"--batch", ""},  // an empty file variable in a script
    };
    for (const auto& arguments : cases) {
        FakeRun run;
        const Outcome outcome = Batch(arguments, run.Function());
        EXPECT_EQ(outcome.status, 1) << arguments[1];
        EXPECT_NE(outcome.err.find("使い方: dolmeta --batch"), std::string::npos) << arguments[1];
        EXPECT_EQ(run.calls, 0);
    }
}

TEST(Batch, FileTLoadAndPitchReachTheCalculation) {
    TempFolder folder;
    DesignConditions saved;
    saved.h1 = "2.80";
    saved.liveLoad = 1;
    saved.tWeight = "30";
    saved.tImpactDepth = "3.0";
    saved.liveLoadCaption0 = "活荷重（T-30）";
    saved.pitchMode = 1;
    saved.pitch = "150";
    saved.figureFontSize = 11;
    ASSERT_TRUE(SaveDesignConditions(folder / "c.dat", saved).ok());

    // What the file holds reaches the run; the figure font size acts on the figures.
    FakeRun fromFile;
    CalcTable seenTable;
    ASSERT_EQ(Batch({"--batch", folder / "c.dat"},
                    [&](const DesignConditions& c, CalcTable& table, Messenger& m) {
                        seenTable = table;
                        return fromFile.Function()(c, table, m);
                    })
                  .status,
              0);
    EXPECT_EQ(fromFile.seen, saved);
    EXPECT_EQ(seenTable.ChartOf("Chart9").Find("Series31")->markFontSize, 11);

    // The arguments override the file's T load and pitch.
    FakeRun run;
    ASSERT_EQ(Batch({"--batch", folder / "c.dat", "--tload", "20,4.5,3.5", "--pitch", "200"},
                    run.Function())
                  .status,
              0);
    DesignConditions expected = saved;
    expected.tWeight = "20";
    expected.tAxleDistance = "4.5";
    expected.tImpactDepth = "3.5";
    expected.liveLoadCaption0 = "活荷重（T-20）";
    expected.pitchMode = 1;
    expected.pitch = "200";
    EXPECT_EQ(run.seen, expected);

    FakeRun automatic;
    Batch({"--pitch", "auto", "--batch"}, automatic.Function());
    EXPECT_EQ(automatic.seen, DesignConditions{});
}

// A completed run whose design does not pass exits 3 and says why; a file error outranks it.
TEST(Batch, ExitStatusThreeWhenASectionFailsOrAStageWarns) {
    struct Case {
        std::vector<std::string> warnings;
        int exceedingRow;
        bool writable;
        int status;
        std::string err;
    } cases[] = {
        {{}, 0, true, 0, ""},
        {{"予想外の計算です(@125～@300,D6 ～D51内に鉄筋量が求まりません)"},
         0,
         true,
         3,
         "予想外の計算です(@125～@300,D6 ～D51内に鉄筋量が求まりません)\n"},
        {{"応力分布タイプが普通ではありません。"},
         0,
         true,
         3,
         "応力分布タイプが普通ではありません。\n"},
        {{}, 2, true, 3, "許容応力度を超えました。（側壁(L)M）\n"},
        {{}, 2, false, 1, "書き込みが許可されていない"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        WriteBytes(folder / "Box.txt", "earlier");
        if (!c.writable) chmod((folder / "Box.txt").c_str(), 0444);
        FakeRun run;
        run.warnings = c.warnings;
        run.exceedingRow = c.exceedingRow;
        const Outcome outcome = Batch({"--batch", "--text", folder / "Box.txt"}, run.Function());
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
        if (c.status == 0) {
            EXPECT_EQ(outcome.err, "");
        }
    }
}

TEST(Batch, WaterOptionsReachTheCalculation) {
    FakeRun run;
    const Outcome outcome =
        Batch({"--batch", "--groundwater", "none", "--inner-water", "full", "--gamma-w", "10",
               "--gamma-sub", "8.5", "--qa", "180", "--uplift-factor", "1.1"},
              run.Function());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(run.seen.hw, "なし");
    EXPECT_EQ(run.seen.innerWater, 1);
    EXPECT_EQ(run.seen.gammaW, "10");
    EXPECT_EQ(run.seen.gammaSub, "8.5");
    EXPECT_EQ(run.seen.qa, "180");
    EXPECT_EQ(run.seen.upliftFactor, "1.1");
    const Outcome wrong = Batch({"--batch", "--inner-water", "half"}, run.Function());
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("--inner-water は full か none です"), std::string::npos) << wrong.err;
}

TEST(Batch, CellOptionsReachTheCalculation) {
    FakeRun run;
    ASSERT_EQ(Batch({"--batch", "--cells", "3", "--tm", "0.35"}, run.Function()).status, 0);
    EXPECT_EQ(run.seen.cells, 3);
    EXPECT_EQ(run.seen.Tm, "0.35");
    for (const char* count : {"4", "0", "two", ""}) {
        const Outcome wrong = Batch({"--batch", "--cells", count}, run.Function());
        EXPECT_EQ(wrong.status, 1) << count;
        EXPECT_NE(wrong.err.find("--cells は 1, 2, 3 のどれかです"), std::string::npos)
            << wrong.err;
    }
    // The run reads the middle wall as it reads every entry, and stops where it cannot go on.
    const Outcome unreadable = Batch({"--batch", "--cells", "2", "--tm", "0,3"}, RunCalculation);
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.err.find("中壁厚"), std::string::npos) << unreadable.err;
    const Outcome thin = Batch({"--batch", "--cells", "2", "--tm", "0"}, RunCalculation);
    EXPECT_EQ(thin.status, 2);
    EXPECT_NE(thin.err.find("中壁厚がおかしいです。"), std::string::npos) << thin.err;
    // The defaults as two cells pass.
    const Outcome two = Batch({"--batch", "--cells", "2"}, RunCalculation);
    EXPECT_EQ(two.status, 0) << two.err;
}

// The defaults with the water table 1.00 m below the road: Fs = 1.708, the largest ground
// pressure 65.06 kN/m² of the groundwater case below the 132.08 of the documented one.
TEST(Batch, ExitStatusThreeWhenTheBoxFailsAStabilityCheck) {
    struct Case {
        std::vector<std::string> options;
        int status;
        const char* err;
    } cases[] = {
        {{"--groundwater", "1.0", "--qa", "140"}, 0, ""},
        {{"--groundwater", "1.0", "--uplift-factor", "1.8"},
         3,
         "浮上りに対する安全率が不足しています（Fs=1.708 ＜ 1.80）"},
        {{"--groundwater", "1.0", "--qa", "130"},
         3,
         "地盤反力度が許容値を超えました（qmax=132.08 ＞ qa=130.00 kN/m2）"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"--batch"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const Outcome outcome = Batch(arguments, RunCalculation);
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
    }
}

TEST(Batch, ExitStatusFollowsHowTheRunEnded) {
    struct Case {
        RunResult result;
        int status;
    } cases[] = {
        {RunResult::Completed, 0}, {RunResult::CheckFailed, 2}, {RunResult::ConversionError, 1}};
    for (const auto& c : cases) {
        TempFolder folder;
        FakeRun run;
        run.result = c.result;
        run.messages = {"舗装厚がおかしいです。\n訂正して下さい。", "土かぶりがおかしいです。"};
        const Outcome outcome = Batch({"--batch", "--text", folder / "Box.txt"}, run.Function());
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.err,
                  "舗装厚がおかしいです。\n訂正して下さい。\n土かぶりがおかしいです。\n");
        // A run that stopped writes no report over an earlier one.
        EXPECT_EQ(std::filesystem::exists(folder / "Box.txt"), c.status == 0);
    }
}

// Running out of memory anywhere ends the run with a message, status 1 and nothing written.
TEST(Batch, RunningOutOfMemoryEndsWithAMessage) {
    TempFolder folder;
    const Outcome outcome = Batch({"--batch", "--text", folder / "Box.txt"},
                                  [](const DesignConditions&, CalcTable&, Messenger&) -> RunResult {
                                      throw std::bad_alloc();
                                  });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "メモリーが足りないため、処理を中止しました。\n");
    EXPECT_EQ(folder.EntryCount(), 0);
}

// A design file named with a line break or a character CP932 lacks still gives its drawing;
// an output name of 255 bytes is written, and a longer one fails alone with the reason.
TEST(Batch, OddFileNamesAreWrittenOrRefusedWithTheReason) {
    TempFolder folder;
    const std::string input = folder / "Brücke\n.dat";
    ASSERT_TRUE(SaveDesignConditions(input, DesignConditions{}).ok());
    const std::string longest = folder / (std::string(251, 'n') + ".txt");
    const Outcome written =
        Batch({"--batch", input, "--dxf", folder / "d.dxf", "--text", longest}, RunCalculation);
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_GT(fs::file_size(folder / "d.dxf"), 0u);
    EXPECT_GT(fs::file_size(longest), 0u);

    const std::string tooLong = folder / (std::string(252, 'n') + ".txt");
    const Outcome refused =
        Batch({"--batch", input, "--json", folder / "r.json", "--text", tooLong}, RunCalculation);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("ファイル「" + tooLong + "」は名前が長すぎる"), std::string::npos)
        << refused.err;
    EXPECT_EQ(folder.EntryCount(), 3);
}

TEST(Batch, UnreadableConditionFileStopsBeforeTheRun) {
    TempFolder folder;
    WriteBytes(folder / "short.dat", "2\r\n18\r\n");
    FakeRun run;
    const Outcome outcome = Batch({"--batch", folder / "short.dat"}, run.Function());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find("3 行目"), std::string::npos) << outcome.err;
    EXPECT_EQ(run.calls, 0);
}

TEST(Batch, WritesTheReportsAndSaysWhere) {
    TempFolder folder;
    FakeRun run;
    run.messages = {"解が求まりません。"};
    const Outcome outcome = Batch(
        {"--batch", "--json", folder / "r.json", "--text", folder / "Box.txt"}, run.Function());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find(folder / "Box.txt"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find(folder / "r.json"), std::string::npos) << outcome.out;
    const auto json = nlohmann::ordered_json::parse(ReadBytes(folder / "r.json"));
    EXPECT_EQ(json["lists"]["ListBox7"][0], "計算済み");
    EXPECT_EQ(json["messages"], (nlohmann::ordered_json{"解が求まりません。"}));
    EXPECT_TRUE(std::filesystem::file_size(folder / "Box.txt") > 0);
}

TEST(Batch, ReportThatCannotBeWrittenIsAFileError) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "Box.txt");
    FakeRun run;
    const Outcome outcome = Batch({"--batch", "--text", folder / "Box.txt"}, run.Function());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find(folder / "Box.txt"), std::string::npos) << outcome.err;
}

// Every output is refused before any is written: the earlier files stay as they were.
TEST(Batch, OutputsAreAllOrNothing) {
    TempFolder folder;
    WriteBytes(folder / "Box.txt", "earlier text");
    WriteBytes(folder / "r.json", "earlier json");
    WriteBytes(folder / "r.pdf", "earlier pdf");
    ASSERT_TRUE(SaveDesignConditions(folder / "c.dat", DesignConditions{}).ok());
    const std::string input = ReadBytes(folder / "c.dat");
    fs::create_hard_link(folder / "c.dat", folder / "same.dat");
    mkfifo((folder / "fifo").c_str(), 0644);
    const std::vector<std::string> text = {"--text", folder / "Box.txt"};
    const std::vector<std::string> json = {"--json", folder / "r.json"};
    const std::vector<std::string> pdf = {"--pdf", folder / "r.pdf"};
    struct Case {
        std::vector<std::string> failing;
        std::string says;
    } cases[] = {
        {{"--pdf", folder / "r.pdf"}, "書き込みが許可されていない"},  // read-only, below
        {{"--json", folder / "same.dat"}, "入力の設計条件ファイル"},
        {{"--text", folder / "fifo"}, "通常のファイルではない"},
        {{"--text", ""}, "ファイル名が空"},
        {{"--quantities", folder / "same.dat"}, "入力の設計条件ファイル"},
        {{"--dxf", folder / "fifo"}, "通常のファイルではない"},
    };
    for (const auto& c : cases) {
        chmod((folder / "r.pdf").c_str(), c.failing[0] == "--pdf" ? 0444 : 0644);
        std::vector<std::string> arguments = {"--batch", folder / "c.dat"};
        for (const auto& output : {text, json, pdf})
            if (output[0] != c.failing[0])
                arguments.insert(arguments.end(), output.begin(), output.end());
        arguments.insert(arguments.end(), c.failing.begin(), c.failing.end());
        const Outcome outcome = Batch(arguments, RunCalculation);
        EXPECT_EQ(outcome.status, 1) << c.says;
        EXPECT_NE(outcome.err.find(c.says), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(ReadBytes(folder / "Box.txt"), "earlier text");
        EXPECT_EQ(ReadBytes(folder / "r.json"), "earlier json");
        EXPECT_EQ(ReadBytes(folder / "r.pdf"), "earlier pdf");
        EXPECT_EQ(ReadBytes(folder / "c.dat"), input);
        EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
        EXPECT_EQ(folder.EntryCount(), 6);
    }
}

// "-" sends one report to standard output; what was written where then goes to standard error.
TEST(Batch, DashWritesTheReportToStandardOutput) {
    TempFolder folder;
    FakeRun run;
    const Outcome outcome =
        Batch({"--batch", "--json", "-", "--text", folder / "Box.txt"}, run.Function());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(nlohmann::ordered_json::parse(outcome.out)["lists"]["ListBox7"][0], "計算済み");
    EXPECT_NE(outcome.err.find("計算書テキストを書き込みました："), std::string::npos)
        << outcome.err;
}

TEST(Batch, HelpTellsTheExitStatus) {
    FakeRun run;
    const Outcome outcome = Batch({"--help"}, run.Function());
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(run.calls, 0);
    for (const char* line :
         {"使い方: dolmeta --batch", "  3  完了しましたが、許容応力度を超えた断面"})
        EXPECT_NE(outcome.out.find(line), std::string::npos) << outcome.out;
}

// A PDF that does not fit on the disk leaves the earlier, complete PDF in place.
TEST(Batch, PdfOnANearlyFullDiskKeepsTheEarlierPdf) {
    TempFolder folder;
    fs::create_directory(folder / "disk");
    NearlyFullDisk disk(folder / "disk");
    const std::string path = folder / "disk/r.pdf";
    ASSERT_EQ(Batch({"--batch", "--pdf", path}, RunCalculation).status, 0);
    const std::string earlier = ReadBytes(path);
    disk.LeaveFree(earlier.size() / 2);
    DesignConditions other;
    other.B = "5.00";
    ASSERT_TRUE(SaveDesignConditions(folder / "c.dat", other).ok());
    const Outcome outcome = Batch({"--batch", folder / "c.dat", "--pdf", path}, RunCalculation);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find("元のファイルはそのままです"), std::string::npos) << outcome.err;
    EXPECT_EQ(ReadBytes(path), earlier);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "disk"), fs::directory_iterator()),
              1 + disk.OwnEntries());
}

TEST(Batch, DefaultsCompleteWithoutMessages) {
    const Outcome outcome = Batch({"--batch"}, RunCalculation);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
}

// The ten report pages of the defaults as one PDF; a folder that is not there gives no file.
TEST(Batch, WritesTheReportPagesAsPdf) {
    TempFolder folder;
    const std::string path = folder / "report.pdf";
    const Outcome written = Batch({"--batch", "--pdf", path}, RunCalculation);
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_NE(written.out.find("計算書PDFを書き込みました："), std::string::npos);
    std::ifstream in(path, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(in)), {});
    EXPECT_TRUE(pdf.starts_with("%PDF"));

    const std::string missing = folder / "no-such-folder/report.pdf";
    const Outcome failed = Batch({"--batch", "--pdf", missing}, RunCalculation);
    EXPECT_EQ(failed.status, 1);
    EXPECT_FALSE(failed.err.empty());
    EXPECT_FALSE(std::filesystem::exists(missing));
}

// A file saved with "白黒" and a report header: the figures stay black after the run, as the
// choice says, and every page of the PDF carries the header over its number.
TEST(Batch, FileColourChoiceAndHeaderReachTheReports) {
    TempFolder folder;
    DesignConditions saved;
    saved.figureColours = 1;
    saved.projectName = "○○線函渠工";
    saved.designer = "山田";
    ASSERT_TRUE(SaveDesignConditions(folder / "c.dat", saved).ok());
    const Outcome outcome =
        Batch({"--batch", folder / "c.dat", "--json", folder / "r.json", "--pdf", folder / "r.pdf"},
              RunCalculation);
    ASSERT_EQ(outcome.status, 0) << outcome.err;

    const auto json = nlohmann::json::parse(ReadBytes(folder / "r.json"));
    const std::pair<const char*, const char*> lines[] = {
        {"Chart1", "Series3"},  {"Chart1", "Series6"},  {"Chart1", "Series39"},
        {"Chart4", "Series21"}, {"Chart9", "Series31"}, {"Chart10", "Series35"}};
    for (const auto& [chart, series] : lines) {
        const auto& s = json["charts"][chart]["series"][series];
        EXPECT_EQ(s["colour"], "#000000") << chart << ' ' << series;
        for (const auto& point : s["points"]) EXPECT_EQ(point["colour"], "#000000") << series;
    }
    const std::string pdf = ReadBytes(folder / "r.pdf");
    for (int page : {1, 3, 10}) {
        const std::string text = PdfPageText(pdf, page);
        EXPECT_NE(text.find("工事名：○○線函渠工"), std::string::npos) << page;
        EXPECT_NE(text.find("設計者：山田"), std::string::npos) << page;
        EXPECT_NE(text.find(std::to_string(page) + " / 10"), std::string::npos) << page;
    }
}

// The real calculation on conditions from a .dat file: a text that is no number and failed
// checks, with the check messages in their order.
TEST(Batch, RealRunStopsOnBadNumberAndOnFailedChecks) {
    DesignConditions badNumber, implausible;
    badNumber.h1 = "4,2";
    implausible.ha = "-0.10";
    implausible.Ko = "0.2";
    implausible.tauOa = "0.5";
    struct Case {
        DesignConditions conditions;
        int status;
        std::string err;  // the whole of standard error, or a part of it
        bool whole;
    } cases[] = {
        {badNumber, 1, "4,2", false},
        {implausible, 2,
         "舗装厚がおかしいです。\n訂正して下さい。\n土圧係数がおかしいです。\n訂正して下さい。\n"
         "τoaがおかしいです。\n訂正して下さい。\n",
         true},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        ASSERT_TRUE(SaveDesignConditions(folder / "c.dat", c.conditions).ok());
        const Outcome outcome = Batch({"--batch", folder / "c.dat"}, RunCalculation);
        EXPECT_EQ(outcome.status, c.status) << c.err;
        if (c.whole)
            EXPECT_EQ(outcome.err, c.err);
        else
            EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
    }
}

// A German locale changes neither how the file's numbers are read nor how the report writes
// them.
TEST(Batch, GermanLocaleGivesTheSameReport) {
    TempFolder folder;
    DesignConditions conditions;
    conditions.h1 = "2.75";
    ASSERT_TRUE(SaveDesignConditions(folder / "c.dat", conditions).ok());
    ASSERT_EQ(
        Batch({"--batch", folder / "c.dat", "--text", folder / "c.txt"}, RunCalculation).status, 0);

    const GermanLocale german;
    ASSERT_TRUE(german.active()) << "no de_DE.UTF-8 locale: ./dev setup generates it";
    const Outcome outcome =
        Batch({"--batch", folder / "c.dat", "--text", folder / "de.txt"}, RunCalculation);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(ReadBytes(folder / "de.txt"), ReadBytes(folder / "c.txt"));
}
