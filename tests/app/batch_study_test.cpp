// Studies in batch mode: the sweep's table against single full runs, rows for designs that
// stop, the options that do not go together, interruption and sizing.
#include "app/batch_study.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

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

// The CSV's lines, read back from CP932 by the C library's iconv, each split at its commas.
std::vector<std::vector<std::string>> ReadCsv(const std::string& path) {
    const std::string text = FromCp932(ReadBytes(path));
    EXPECT_TRUE(text.ends_with("\r\n"));
    std::vector<std::vector<std::string>> lines;
    for (const auto& line : Split(text.substr(0, text.size() - 2), "\r\n"))
        lines.push_back(Split(line, ","));
    return lines;
}

double Number(const std::string& cell) {
    std::string digits;
    for (char c : cell)
        if (c != ',') digits += c;
    return std::stod(digits);
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
    EXPECT_NE(outcome.out.find("116 designs"), std::string::npos) << outcome.out;

    const auto lines = ReadCsv(csv);
    ASSERT_EQ(lines.size(), 117u);
    const auto& header = lines[0];
    ASSERT_EQ(header.size(), 1 + 8 + 12 * 6 + 2 + 1u);
    EXPECT_EQ(header[0], "h1");
    EXPECT_EQ(header[9], "側壁(L)A σc");
    EXPECT_EQ(header.back(), "メッセージ");

    // The tolerance is half a unit of the last digit the table shows.
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
        const bool passed = table.labels.at("Label97").text == "許容応力度内";
        EXPECT_EQ(row[2], passed ? "OK" : "NO") << row[0];
        for (int s = 0; s < 12; ++s) {
            const std::size_t at = 9 + 6 * s;
            for (int k = 0; k < 4; ++k) {
                const auto [column, tolerance] = stresses[k];
                const std::string& cell = grid.Cell(column, s + 1);
                if (cell == "-") {
                    EXPECT_EQ(row[at + k], "") << row[0] << " " << header[at + k];
                } else {
                    EXPECT_NEAR(std::stod(row[at + k]), Number(cell), tolerance + 1e-6)
                        << row[0] << " " << header[at + k];
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
    EXPECT_EQ(lines[1][0], "0.10");
    EXPECT_EQ(lines[1][2], "-");
    EXPECT_NE(lines[1].back().find("側壁のかぶりがおかしいです。 訂正して下さい。"),
              std::string::npos)
        << lines[1].back();
    EXPECT_EQ(lines[3][0], "0.30");
    EXPECT_EQ(lines[3].back(), "");
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
        EXPECT_NE(outcome.err.find("usage:"), std::string::npos) << outcome.err;
    }
    const Outcome help = Batch({"--batch", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* name : {"h1", "dBottomLower", "tWeight", "tAxle", "sigmaCa"})
        EXPECT_NE(help.out.find(std::string("\n  ") + name + " "), std::string::npos) << name;
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
    EXPECT_NE(outcome.out.find("thinnest box: Tu="), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("governing cover h1="), std::string::npos) << outcome.out;
    DesignConditions loaded;
    ASSERT_TRUE(LoadDesignConditions(sized, loaded).ok());
    EXPECT_EQ(loaded.h1, DesignConditions{}.h1);
    EXPECT_NE(outcome.out.find("Tu=" + loaded.Tu + " TL=" + loaded.TL + " Tb=" + loaded.Tb),
              std::string::npos);
    for (const char* cover : {"1.00", "2.00", "3.00"}) {
        loaded.h1 = cover;
        EXPECT_TRUE(DesignPasses(EvaluateDesign(loaded))) << cover;
    }
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
        EXPECT_NE(outcome.err.find("no output written"), std::string::npos) << outcome.err;
    }
    EXPECT_EQ(ReadBytes(input), before);
    EXPECT_EQ(folder.EntryCount(), 1);
}
