// The batch mode: arguments, what reaches the calculation, exit status, messages on standard
// error and the reports it writes.
#include "app/batch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "files/design_file.h"
#include "tests/calc/german_locale.h"
#include "tests/files/temp_folder.h"

namespace {

// A calculation that records the conditions it was given, shows messages and ends as told.
struct FakeRun {
    RunResult result = RunResult::Completed;
    std::vector<std::string> messages;
    int calls = 0;
    DesignConditions seen;

    CalculationRun Function() {
        return [this](const DesignConditions& conditions, CalcTable& table, Messenger& m) {
            ++calls;
            seen = conditions;
            table.List("ListBox7") = {"計算済み"};
            for (const auto& text : messages) m.Inform(text);
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
    };
    for (const auto& arguments : cases) {
        FakeRun run;
        const Outcome outcome = Batch(arguments, run.Function());
        EXPECT_EQ(outcome.status, 1) << arguments[1];
        EXPECT_NE(outcome.err.find("usage: dolmeta --batch"), std::string::npos) << arguments[1];
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
    EXPECT_NE(written.out.find("report pages written to"), std::string::npos);
    std::ifstream in(path, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(in)), {});
    EXPECT_TRUE(pdf.starts_with("%PDF"));

    const std::string missing = folder / "no-such-folder/report.pdf";
    const Outcome failed = Batch({"--batch", "--pdf", missing}, RunCalculation);
    EXPECT_EQ(failed.status, 1);
    EXPECT_FALSE(failed.err.empty());
    EXPECT_FALSE(std::filesystem::exists(missing));
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
