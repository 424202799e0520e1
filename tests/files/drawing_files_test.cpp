// The drawing file, the quantity CSV and the study table, read back by readers written
// elsewhere (ezdxf and Python's csv module): layers, code page, the outline at full size,
// the bar marks and bends, odd design names, CP932 rows with CR LF; and failed writes that
// keep the earlier file.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <set>

#include "calc/run.h"
#include "files/dxf_file.h"
#include "files/quantity_csv.h"
#include "files/study_csv.h"
#include "tests/files/temp_folder.h"

namespace {

// What the reader found in the file, as JSON.
nlohmann::json ReadBack(const char* kind, const std::string& path) {
    const std::string command =
        std::string(DOLMETA_PYTHON " " DOLMETA_READ_OUTPUTS " ") + kind + " '" + path + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return nlohmann::json::parse(output);
}

CalcTable RunOf(const DesignConditions& conditions) {
    CalcTable table;
    RecordingMessenger messenger;
    EXPECT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
    return table;
}

int BendRadius(int diameter) {
    return 10 * ((105 * diameter + 99) / 100);  // 10.5φ up to 10 mm
}

}  // namespace

TEST(DrawingFile, ReadsBackWithLayersCodePageOutlineMarksAndBends) {
    DesignConditions lowerHaunch;
    lowerHaunch.lowerHaunch = true;
    lowerHaunch.B = "3.20";
    lowerHaunch.H = "2.75";
    struct Case {
        const char* name;
        DesignConditions conditions;
        double B, H;  // mm
    } cases[] = {{"defaults", DesignConditions{}, 4000, 3900},
                 {"lower haunches", lowerHaunch, 3200, 2750}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcTable table = RunOf(c.conditions);
        TempFolder folder;
        const std::string path = folder / "box.dxf";
        ASSERT_TRUE(WriteSectionDxf(path, table, {"○○線函渠工", "箱.dat", "2026年12月09日"}).ok());
        const auto dxf = ReadBack("dxf", path);
        // A Japanese TrueType face, by its file and by its family.
        EXPECT_EQ(dxf["style"]["font"], "msgothic.ttc");
        EXPECT_EQ(dxf["style"]["family"], "MS Gothic");

        EXPECT_EQ(dxf["codepage"], "ANSI_932");
        EXPECT_EQ(dxf["version"], "AC1015");
        EXPECT_EQ(dxf["auditErrors"], 0);
        const std::pair<const char*, int> layers[] = {
            {"外形線", 7}, {"鉄筋", 1}, {"寸法", 3}, {"文字", 2}, {"表", 4}};
        for (const auto& [name, colour] : layers) {
            ASSERT_TRUE(dxf["layers"].contains(name)) << name;
            EXPECT_EQ(dxf["layers"][name]["colour"], colour) << name;
            EXPECT_EQ(dxf["layers"][name]["linetype"], "CONTINUOUS") << name;
        }
        EXPECT_EQ(dxf["outline"], (nlohmann::json{0.0, 0.0, c.B, c.H}));

        // Marks with the diameters of the processing table and the common pitch.
        const Grid& processing = table.GridOf("StringGrid2");
        const std::string& pitch = processing.Cell(7, 1);
        const std::set<std::string> texts(dxf["texts"].begin(), dxf["texts"].end());
        for (int row = 1; row <= 5; ++row) {
            const std::string mark = processing.Cell(0, row) + processing.Cell(6, row) + pitch;
            EXPECT_TRUE(texts.count(mark)) << mark;
        }
        // The title block: the project, the design, the scale on A3, the date, the materials and
        // the covers of the conditions.
        for (const char* text : {"工事名", "○○線函渠工", "箱.dat", "縮尺", "作成日",
                                 "2026年12月09日", "材料", "σck=24N/mm2　鉄筋 SD345", "かぶり"})
            EXPECT_TRUE(texts.count(text)) << text;
        // The scale is the largest of the usual ones at which the whole sheet fits on A3
        // (400 × 277 mm inside a 10 mm border), as the reader measures the sheet.
        const auto scale = std::find_if(texts.begin(), texts.end(), [](const std::string& t) {
            return t.starts_with("1:") && t.ends_with("（A3）");
        });
        ASSERT_NE(scale, texts.end());
        const int N = std::stoi(scale->substr(2));
        const double width = dxf["size"][0], height = dxf["size"][1];
        EXPECT_LE(std::max(width / 400, height / 277), N * 1.02) << *scale;
        const int usual[] = {10, 20, 25, 30, 40, 50};
        const int* below = std::find(std::begin(usual), std::end(usual), N);
        ASSERT_TRUE(below != std::begin(usual) && below != std::end(usual)) << *scale;
        EXPECT_GT(std::max(width / 400, height / 277), below[-1] * 0.98) << *scale;
        const std::string covers =
            "頂版100 側壁100 底版上面" +
            std::to_string(std::lround(std::stod(c.conditions.dBottomUpper) * 1000)) + " 底版下面" +
            std::to_string(std::lround(std::stod(c.conditions.dBottomLower) * 1000)) +
            "（主筋中心,mm）";
        EXPECT_TRUE(texts.count(covers)) << covers;
        EXPECT_TRUE(texts.count(table.labels.at("Label97").text));

        // Two bends of bar 1 at R1, two of bar 2 at R2, and no other arc.
        const int R1 = BendRadius(std::stoi(processing.Cell(6, 1).substr(1)));
        const int R2 = BendRadius(std::stoi(processing.Cell(6, 2).substr(1)));
        std::multiset<double> radii;
        for (const auto& arc : dxf["arcs"]) {
            EXPECT_EQ(arc["layer"], "鉄筋");
            radii.insert(arc["radius"].get<double>());
        }
        EXPECT_EQ(radii, (std::multiset<double>{double(R1), double(R1), double(R2), double(R2)}));
    }
}

// A box of two and of three cells: the outline with every cell's opening, the outer bars and
// their bends as in one cell, and over each middle wall its bars ⑥ and ⑦ and its bars ⑧ on
// both faces, each with its mark; the widths of every wall and cell dimensioned.
TEST(DrawingFile, BoxesOfCellsReadBackWithEveryWallAndBar) {
    for (const int n : {2, 3}) {
        SCOPED_TRACE(n);
        DesignConditions conditions;
        conditions.cells = n;
        conditions.B = n == 2 ? "6.00" : "8.00";
        const CalcTable table = RunOf(conditions);
        TempFolder folder;
        const std::string path = folder / "cells.dxf";
        ASSERT_TRUE(WriteSectionDxf(path, table, {"○○線函渠工", "箱.dat", "2026年12月09日"}).ok());
        const auto dxf = ReadBack("dxf", path);
        EXPECT_EQ(dxf["auditErrors"], 0);
        EXPECT_EQ(dxf["outline"], (nlohmann::json{0.0, 0.0, n == 2 ? 6000.0 : 8000.0, 3900.0}));
        const auto& counts = dxf["counts"];
        const auto count = [&](const char* layer, const char* type) {
            return counts.contains(layer) ? counts[layer].value(type, 0) : 0;
        };
        EXPECT_EQ(count("外形線", "LWPOLYLINE"), 1 + n);
        int laps = 0, six = 0, seven = 0, eight = 0;
        for (const std::string text : dxf["texts"]) {
            laps += text.starts_with("重ね継手");
            six += text.starts_with("⑥D");
            seven += text.starts_with("⑦D");
            eight += text.starts_with("⑧D");
        }
        EXPECT_EQ(count("鉄筋", "LINE"), 10 + 2 * (n - 1));
        EXPECT_EQ(count("鉄筋", "ARC"), 4);
        EXPECT_EQ(count("鉄筋", "LWPOLYLINE") - laps, 2 * (n - 1));
        EXPECT_EQ(six, n - 1);
        EXPECT_EQ(seven, n - 1);
        EXPECT_EQ(eight, n - 1);
        // Below: every wall and cell, then B; left: Tb, Hu, Tu, then H; the haunch.
        EXPECT_EQ(count("寸法", "TEXT"), (2 * n + 1) + 1 + 3 + 1 + 2);
    }
}

// A design file may be named with anything the file system allows; in the title block a
// control character is left out and one without a CP932 form is shown as "?", and the
// drawing stays whole.
TEST(DrawingFile, OddDesignNamesLeaveTheFileWhole) {
    const CalcTable table = RunOf(DesignConditions{});
    const std::pair<std::string, std::string> cases[] = {
        {"a\nb\r.dat", "ab.dat"},
        {"Brücke.dat", "Br?cke.dat"},
        {"Br\xFC"
         "cke.dat",
         "Br?cke.dat"},  // Latin-1, no UTF-8
        {"x\x7F\u0085\ty.dat", "xy.dat"},
        {"箱①\U0001F600.dat", "箱①?.dat"},
    };
    for (const auto& [name, shown] : cases) {
        TempFolder folder;
        ASSERT_TRUE(WriteSectionDxf(folder / "box.dxf", table, {"", name, "2026年12月09日"}).ok());
        const auto dxf = ReadBack("dxf", folder / "box.dxf");
        EXPECT_EQ(dxf["auditErrors"], 0) << shown;
        const std::set<std::string> texts(dxf["texts"].begin(), dxf["texts"].end());
        EXPECT_TRUE(texts.count(shown)) << shown;
        EXPECT_TRUE(texts.count("2026年12月09日")) << shown;
    }
}

TEST(DrawingFile, RefusedBeforeAnyRun) {
    TempFolder folder;
    const FileResult result =
        WriteSectionDxf(folder / "box.dxf", CalcTable{}, {"", "box", "today"});
    EXPECT_EQ(result.message, "計算結果がありません。計算開始を押して下さい。");
    EXPECT_EQ(folder.EntryCount(), 0);
}

TEST(QuantityCsv, ReadsBackAsCp932RowsWithCrLf) {
    const CalcTable table = RunOf(DesignConditions{});
    TempFolder folder;
    FileCommit commit;
    ASSERT_TRUE(CommitWhenStaged(commit, WriteQuantityCsv(commit, folder / "q.csv", table)).ok());
    const auto csv = ReadBack("csv", folder / "q.csv");
    EXPECT_TRUE(csv["crlf"]);
    const Grid& grid = table.GridOf("StringGrid4");
    ASSERT_EQ(csv["rows"].size(), grid.cells.size() + 1);
    for (std::size_t row = 0; row < grid.cells.size(); ++row)
        EXPECT_EQ(csv["rows"][row], nlohmann::json(grid.cells[row])) << row;
    EXPECT_EQ(csv["rows"].back()[0], table.labels.at("Label98").text);
}

// A table of several megabytes, written a block at a time: every row comes back in order,
// each run's messages on one line with "?" for a character without a CP932 form.
TEST(StudyCsv, ALargeTableReadsBackRowForRow) {
    std::string error;
    StudyTable study({*ParseSweepRange("q=0:99.99:0.01", error)});
    for (std::size_t i = 0; i < study.size(); ++i) {
        DesignResult result;
        result.status = i % 3 ? RunResult::Completed : RunResult::ConversionError;
        result.passed = true;
        for (SectionResult& section : result.sections) {
            section.sigmaC = 1.5f, section.sigmaS = 120.25f, section.tau = 0.375f;
            section.diameter = 16, section.pitch = 125;
        }
        if (i % 3 == 0)
            result.messages = {"Brücke " + std::to_string(i % 4) + "\nは数値ではありません。"};
        study.Keep(i, result);
    }
    TempFolder folder;
    const StudySubject subject{"箱.dat", DesignConditions{}, "2026/12/10"};
    ASSERT_TRUE(WriteStudyCsv(folder / "s.csv", subject, study).ok());
    EXPECT_GT(std::filesystem::file_size(folder / "s.csv"), 2u << 20);
    const auto csv = ReadBack("csv", folder / "s.csv");
    EXPECT_TRUE(csv["crlf"]);
    // The nine lines naming the design and an empty line come before the header.
    ASSERT_EQ(csv["rows"].size(), study.size() + 11);
    EXPECT_EQ(csv["rows"][0][1], "箱.dat");
    EXPECT_EQ(csv["rows"][8][1], "2026/12/10");
    EXPECT_TRUE(csv["rows"][9].empty());
    for (std::size_t i = 0; i < study.size(); ++i) {
        const auto& row = csv["rows"][i + 11];
        EXPECT_EQ(row[0], study.Values(i)[0]) << i;
        EXPECT_EQ(row[2], i % 3 ? "OK" : "-") << i;
        EXPECT_EQ(row[9], i % 3 ? "1.50" : "") << i;
        EXPECT_EQ(row.back(),
                  i % 3 ? "" : "Br?cke " + std::to_string(i % 4) + " は数値ではありません。")
            << i;
    }
}

TEST(DrawingFiles, FailedWriteKeepsTheEarlierFileAndSaysWhy) {
    const CalcTable table = RunOf(DesignConditions{});
    struct Case {
        const char* name;
        FileResult (*write)(const std::string&, const CalcTable&);
    } cases[] = {
        {"drawing",
         [](const std::string& path, const CalcTable& t) {
             return WriteSectionDxf(path, t, {"", "box", "today"});
         }},
        {"quantities",
         [](const std::string& path, const CalcTable& t) {
             FileCommit commit;
             return CommitWhenStaged(commit, WriteQuantityCsv(commit, path, t));
         }},
    };
    // A disk that takes no more than 200 bytes a file.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string path = folder / "out";
        WriteBytes(path, "earlier");
        rlimit limit;
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{200, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        const FileResult result = c.write(path, table);
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_FALSE(result.ok()) << c.name;
        EXPECT_FALSE(result.message.empty()) << c.name;
        EXPECT_EQ(ReadBytes(path), "earlier") << c.name;
        EXPECT_EQ(folder.EntryCount(), 1) << c.name;
    }
    std::signal(SIGXFSZ, previous);
}
