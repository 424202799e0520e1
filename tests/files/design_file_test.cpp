// The design-condition file: thirty lines in a fixed order and the extension lines after
// them, read back exactly, and a load that applies nothing unless the whole file is sound.
#include "files/design_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "files/cp932.h"
#include "tests/files/temp_folder.h"

namespace {

// The thirty lines the start-up defaults of the input page give, in file order.
const char* const kDefaultLines[30] = {
    "2",    "18",   "24.5", "23",   "0.5",   "0",    "0",    "0",    "0.0",   "0.40",
    "4.20", "0.00", "3.90", "0.50", "0.20",  "0.20", "0.50", "4.00", "FALSE", "24",
    "8.0",  "0.39", "1.6",  "160",  "SD345", "200",  "0.10", "0.10", "0.11",  "0.11"};

std::string FileOf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

std::vector<std::string> DefaultLines() {
    return {std::begin(kDefaultLines), std::end(kDefaultLines)};
}

// The thirty default lines followed by the given extension lines.
std::string WithExtension(const std::vector<std::string>& extension) {
    auto lines = DefaultLines();
    lines.insert(lines.end(), extension.begin(), extension.end());
    return FileOf(lines);
}

// Conditions unlike the defaults in every field, to see that a failed load changes nothing.
DesignConditions Changed() {
    DesignConditions c;
    c.soilType = 0;
    c.gammaS = "20";
    c.h1 = "1.5";
    c.lowerHaunch = true;
    c.liveLoad = 3;
    c.tWeight = "20";
    c.tAxleDistance = "5.0";
    c.liveLoadCaption0 = "活荷重（T-20）";
    c.pitchMode = 1;
    c.pitch = "200";
    c.figureColours = 1;
    c.figureFontSize = 12;
    c.projectName = "前の工事";
    c.designer = "前任者";
    return c;
}

// The defaults of the thirty lines, with what the extension holds as in Changed(): what a
// file of the thirty default lines gives when loaded over Changed().
DesignConditions DefaultsOverChanged() {
    DesignConditions c = Changed();
    const DesignConditions defaults;
    c.soilType = defaults.soilType;
    c.gammaS = defaults.gammaS;
    c.h1 = defaults.h1;
    c.lowerHaunch = defaults.lowerHaunch;
    c.liveLoad = defaults.liveLoad;
    // The report's header is written only when given: a file without it has none.
    c.projectName.clear();
    c.designer.clear();
    return c;
}

}  // namespace

TEST(DesignFile, DefaultsAreWrittenAsTheThirtyLinesThenTheExtensionInCp932WithCrLf) {
    TempFolder folder;
    const std::string path = folder / "box.dat";
    ASSERT_TRUE(SaveDesignConditions(path, DesignConditions{}).ok());
    EXPECT_EQ(ReadBytes(path),
              WithExtension({"TLoadWeight=25", "TLoadAxleDistance=6.0", "TLoadImpactDepth=4.0",
                             ToCp932("LiveLoadCaption=活荷重（T-25）"), "PitchSetting=0", "Pitch=-",
                             "FigureColours=0", "FigureFontSize=9"}));
}

TEST(DesignFile, SavedConditionsLoadBackIdentical) {
    DesignConditions edited;
    edited.soilType = 0;
    edited.gammaS = "17";
    edited.Tu = "0.35";  // line 10, beside h1 on line 11
    edited.h1 = "2.50";
    edited.Hah = "0.15";  // line 15, beside Hab on line 16
    edited.Hab = "0.25";
    edited.lowerHaunch = true;
    edited.foundation = 1;
    edited.liveLoad = 3;
    edited.combination = 2;
    edited.q = "4,2";  // not a number: kept as text, only the run rejects it
    edited.steelGrade = "ＳＤ３９０ ①～Ⅴ";
    edited.dBottomLower = "";  // the last of the thirty lines empty
    edited.tWeight = "30";
    edited.tImpactDepth = "";
    edited.liveLoadCaption0 = "活荷重（T-30）=x";
    edited.pitchMode = 1;
    edited.pitch = "125";
    edited.figureColours = 1;
    edited.figureFontSize = 5;
    edited.hw = "1.50";
    edited.innerWater = 1;
    edited.qa = "250";
    edited.projectName = "○○線 函渠工=第2工区";
    edited.designer = "山田　太郎";
    for (const DesignConditions& saved : {DesignConditions{}, edited}) {
        TempFolder folder;
        const std::string path = folder / "box.dat";
        ASSERT_TRUE(SaveDesignConditions(path, saved).ok());
        DesignConditions loaded = Changed();
        ASSERT_TRUE(LoadDesignConditions(path, loaded).ok());
        EXPECT_EQ(loaded, saved);
    }
}

// A file of the thirty documented lines sets the page and keeps the T load, the pitch
// setting and the figure controls as they are (the report's header it clears); so does a
// file with only some extension lines for the entries it lacks.
TEST(DesignFile, EntriesAFileLacksKeepTheirValues) {
    TempFolder folder;
    WriteBytes(folder / "old.dat", FileOf(DefaultLines()));
    DesignConditions loaded = Changed();
    ASSERT_TRUE(LoadDesignConditions(folder / "old.dat", loaded).ok());
    DesignConditions expected = DefaultsOverChanged();
    EXPECT_EQ(loaded, expected);

    WriteBytes(folder / "part.dat", WithExtension({"", "FigureFontSize=7", " ", ""}));
    loaded = Changed();
    ASSERT_TRUE(LoadDesignConditions(folder / "part.dat", loaded).ok());
    expected.figureFontSize = 7;
    EXPECT_EQ(loaded, expected);
}

// The water and ground lines follow only for a design that uses them; a file without them is
// of a design without groundwater, water in the box or a ground check.
TEST(DesignFile, WaterLinesOnlyForADesignWithThem) {
    TempFolder folder;
    DesignConditions wet;
    wet.qa = "300";
    ASSERT_TRUE(SaveDesignConditions(folder / "wet.dat", wet).ok());
    EXPECT_EQ(ReadBytes(folder / "wet.dat"),
              WithExtension({"TLoadWeight=25", "TLoadAxleDistance=6.0", "TLoadImpactDepth=4.0",
                             ToCp932("LiveLoadCaption=活荷重（T-25）"), "PitchSetting=0", "Pitch=-",
                             "FigureColours=0", "FigureFontSize=9", ToCp932("Groundwater=なし"),
                             "InnerWater=0", "GammaW=9.8", "GammaSub=9.0", "AllowableBearing=300",
                             "UpliftFactor=1.2"}));
    ASSERT_TRUE(SaveDesignConditions(folder / "dry.dat", DesignConditions{}).ok());
    DesignConditions loaded = wet;
    loaded.hw = "2.00";
    loaded.innerWater = 1;
    ASSERT_TRUE(LoadDesignConditions(folder / "dry.dat", loaded).ok());
    EXPECT_EQ(loaded, DesignConditions{});

    WriteBytes(folder / "bad.dat", WithExtension({"InnerWater=2"}));
    EXPECT_FALSE(LoadDesignConditions(folder / "bad.dat", loaded).ok());
}

// The cell lines likewise: written when either entry differs from its default, the defaults
// when missing, and a count other than 1 to 3 refused with the line named.
TEST(DesignFile, CellLinesOnlyForADesignWithThem) {
    TempFolder folder;
    DesignConditions twoCells;
    twoCells.cells = 2;
    DesignConditions thinMiddle;
    thinMiddle.Tm = "0.30";
    for (const DesignConditions& saved : {twoCells, thinMiddle}) {
        ASSERT_TRUE(SaveDesignConditions(folder / "cells.dat", saved).ok());
        EXPECT_EQ(
            ReadBytes(folder / "cells.dat"),
            WithExtension({"TLoadWeight=25", "TLoadAxleDistance=6.0", "TLoadImpactDepth=4.0",
                           ToCp932("LiveLoadCaption=活荷重（T-25）"), "PitchSetting=0", "Pitch=-",
                           "FigureColours=0", "FigureFontSize=9",
                           "Cells=" + std::to_string(saved.cells), "MiddleWall=" + saved.Tm}));
        DesignConditions loaded;
        ASSERT_TRUE(LoadDesignConditions(folder / "cells.dat", loaded).ok());
        EXPECT_EQ(loaded, saved);
    }
    ASSERT_TRUE(SaveDesignConditions(folder / "one.dat", DesignConditions{}).ok());
    DesignConditions loaded = twoCells;
    loaded.Tm = "0.30";
    ASSERT_TRUE(LoadDesignConditions(folder / "one.dat", loaded).ok());
    EXPECT_EQ(loaded, DesignConditions{});

    for (const char* bad : {"Cells=4", "Cells=0", "Cells=two"}) {
        WriteBytes(folder / "bad.dat", WithExtension({"MiddleWall=0.30", bad}));
        const FileResult result = LoadDesignConditions(folder / "bad.dat", loaded);
        EXPECT_FALSE(result.ok()) << bad;
        EXPECT_NE(result.message.find("32 行目"), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("1～3 の整数ではありません"), std::string::npos)
            << result.message;
        EXPECT_EQ(loaded, DesignConditions{}) << bad;
    }
}

TEST(DesignFile, LoadsLinesEndedByLineFeedAlone) {
    TempFolder folder;
    const std::string path = folder / "unix.dat";
    std::string bytes;
    for (const auto& line : DefaultLines()) bytes += line + "\n";
    WriteBytes(path, bytes);
    DesignConditions loaded = Changed();
    ASSERT_TRUE(LoadDesignConditions(path, loaded).ok());
    EXPECT_EQ(loaded, DefaultsOverChanged());
}

TEST(DesignFile, LowerHaunchOnlyForUpperCaseTrue) {
    struct Case {
        const char* line19;
        bool checked;
    } cases[] = {{"TRUE", true},   {"True", false}, {"true", false},
                 {"FALSE", false}, {"", false},     {"TRUE ", false}};
    for (const auto& c : cases) {
        TempFolder folder;
        auto lines = DefaultLines();
        lines[18] = c.line19;
        WriteBytes(folder / "f.dat", FileOf(lines));
        DesignConditions loaded;
        loaded.lowerHaunch = !c.checked;
        ASSERT_TRUE(LoadDesignConditions(folder / "f.dat", loaded).ok()) << c.line19;
        EXPECT_EQ(loaded.lowerHaunch, c.checked) << c.line19;
    }
}

TEST(DesignFile, IndicesWithinTheirChoiceLoad) {
    struct Case {
        int line;
        const char* text;
        int DesignConditions::*index;
        int expected;
    } cases[] = {
        {1, "0", &DesignConditions::soilType, 0},
        {6, "2", &DesignConditions::foundation, 2},
        {7, "3", &DesignConditions::liveLoad, 3},
        {8, " 1 ", &DesignConditions::combination, 1},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        auto lines = DefaultLines();
        lines[c.line - 1] = c.text;
        WriteBytes(folder / "f.dat", FileOf(lines));
        DesignConditions loaded;
        ASSERT_TRUE(LoadDesignConditions(folder / "f.dat", loaded).ok()) << c.text;
        EXPECT_EQ(loaded.*c.index, c.expected) << "line " << c.line << " '" << c.text << "'";
    }
}

TEST(DesignFile, UnsoundFileChangesNothingAndNamesTheLine) {
    auto withLine = [](int line, const std::string& text) {
        auto lines = DefaultLines();
        lines[line - 1] = text;
        return FileOf(lines);
    };
    // The defaults followed by blank lines up to the given size.
    auto padded = [](std::size_t size) {
        std::string bytes = FileOf(DefaultLines());
        while (bytes.size() + 2 <= size) bytes += "\r\n";
        if (bytes.size() < size) bytes += "\n";
        return bytes;
    };
    auto firstLines = [](int count) {
        auto lines = DefaultLines();
        lines.resize(count);
        return FileOf(lines);
    };
    struct Case {
        std::string bytes;
        FileStatus status;
        std::string named;  // the line (and text) the message must name
    } cases[] = {
        {firstLines(29), FileStatus::FormatError, "30 行目"},
        {firstLines(12), FileStatus::FormatError, "13 行目"},
        {"", FileStatus::FormatError, "1 行目"},
        {withLine(6, "abc"), FileStatus::FormatError, "6 行目「abc」"},
        {withLine(7, "1.0"), FileStatus::FormatError, "7 行目「1.0」"},
        {withLine(8, ""), FileStatus::FormatError, "8 行目"},
        {withLine(1, "99999999999"), FileStatus::FormatError, "1 行目"},
        // An index outside its choice: no live load, or no vertical earth pressure, if applied.
        {withLine(7, "99"), FileStatus::FormatError, "7 行目「99」は選択肢の番号（0～3）"},
        {withLine(7, "4"), FileStatus::FormatError, "7 行目「4」"},
        {withLine(6, "-1"), FileStatus::FormatError, "6 行目「-1」は選択肢の番号（0～2）"},
        {withLine(1, "3"), FileStatus::FormatError, "1 行目「3」"},
        {withLine(8, "-7"), FileStatus::FormatError, "8 行目「-7」"},
        // Control characters are shown escaped, whatever the line holds.
        {withLine(25, "SD\r345"), FileStatus::FormatError, "25 行目「SD\\r345」に制御文字"},
        {withLine(25, std::string("SD\0", 3) + "345"), FileStatus::FormatError,
         "25 行目「SD\\x00345」"},
        {withLine(11, "4.20\t"), FileStatus::FormatError, "11 行目「4.20\\t」"},
        {withLine(19, "TRUE\x1b"), FileStatus::FormatError, "19 行目「TRUE\\x1b」"},
        {padded(64 * 1024 + 1), FileStatus::FormatError, "65536 バイトまで"},
        {padded(100 * 1024), FileStatus::FormatError, "大きすぎる"},
        // A late bad line: the lines before it must not be applied either.
        {withLine(25, "SD\x81"), FileStatus::EncodingError, "25 行目"},
        {withLine(30, "\xff\xfe"), FileStatus::EncodingError, "30 行目"},
        {WithExtension({"FigureFontSize=13"}), FileStatus::FormatError, "31 行目"},
        {WithExtension({"", "FigureFontSize=4"}), FileStatus::FormatError, "32 行目"},
        {WithExtension({"FigureColours=x"}), FileStatus::FormatError, "31 行目"},
        {WithExtension({"PitchSetting=-1"}), FileStatus::FormatError, "31 行目"},
        {WithExtension({"Colour=1"}), FileStatus::FormatError, "31 行目の項目「Colour」"},
        {WithExtension({"TLoadWeight"}), FileStatus::FormatError, "31 行目「TLoadWeight」"},
        {WithExtension({"TLoadWeight=20", "TLoadWeight=25"}), FileStatus::FormatError, "32 行目"},
        {WithExtension({"LiveLoadCaption=\x81"}), FileStatus::EncodingError, "31 行目"},
        {WithExtension({"TLoadWeight=2\x01"
                        "5"}),
         FileStatus::FormatError, "31 行目「TLoadWeight=2\\x015」"},
        // The pitch list holds "-" exactly with the automatic setting.
        {WithExtension({"Pitch=-", "TLoadWeight=9"}), FileStatus::FormatError, "31 行目"},
        {WithExtension({"PitchSetting=0", "Pitch=200"}), FileStatus::FormatError, "32 行目"},
        {WithExtension({"PitchSetting=1", "Pitch=175"}), FileStatus::FormatError, "32 行目"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        WriteBytes(folder / "bad.dat", c.bytes);
        DesignConditions conditions = Changed();
        const FileResult result = LoadDesignConditions(folder / "bad.dat", conditions);
        EXPECT_EQ(result.status, c.status) << c.named;
        EXPECT_NE(result.message.find(c.named), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("bad.dat"), std::string::npos) << result.message;
        EXPECT_EQ(conditions, Changed()) << c.named;
    }
}

TEST(DesignFile, SizeLimitAndWhatIsRead) {
    TempFolder folder;
    std::string bytes = FileOf(DefaultLines());
    bytes.resize(64 * 1024, '\n');  // blank lines up to the limit exactly
    WriteBytes(folder / "full.dat", bytes);
    DesignConditions loaded;
    EXPECT_TRUE(LoadDesignConditions(folder / "full.dat", loaded).ok());
    // An endless source is refused after the limit rather than read on.
    const FileResult endless = LoadDesignConditions("/dev/zero", loaded);
    EXPECT_EQ(endless.status, FileStatus::FormatError);
    EXPECT_NE(endless.message.find("/dev/zero"), std::string::npos) << endless.message;
}

TEST(DesignFile, MissingFileIsAFileErrorNamingIt) {
    TempFolder folder;
    DesignConditions conditions = Changed();
    const FileResult result = LoadDesignConditions(folder / "none.dat", conditions);
    EXPECT_EQ(result.status, FileStatus::FileError);
    EXPECT_NE(result.message.find("none.dat"), std::string::npos);
    EXPECT_EQ(conditions, Changed());
}

// Every way a save can fail leaves the earlier file byte for byte and no temporary file.
TEST(DesignFile, FailedSaveKeepsTheEarlierFile) {
    const std::string earlier = FileOf(DefaultLines());
    struct Case {
        const char* what;
        DesignConditions conditions;
        FileStatus status;
    };
    DesignConditions unencodable, lineBreak, control, noItem;
    unencodable.steelGrade = "SD345€";
    lineBreak.h1 = "4.20\r\n5";
    control.steelGrade = std::string("SD\0", 3);
    noItem.foundation = -1;
    for (const Case& c : {Case{"unencodable", unencodable, FileStatus::EncodingError},
                          Case{"line break", lineBreak, FileStatus::FormatError},
                          Case{"control character", control, FileStatus::FormatError},
                          Case{"no item", noItem, FileStatus::FormatError}}) {
        TempFolder folder;
        WriteBytes(folder / "box.dat", earlier);
        const FileResult result = SaveDesignConditions(folder / "box.dat", c.conditions);
        EXPECT_EQ(result.status, c.status) << c.what;
        EXPECT_FALSE(result.message.empty()) << c.what;
        EXPECT_EQ(ReadBytes(folder / "box.dat"), earlier) << c.what;
        EXPECT_EQ(folder.EntryCount(), 1) << c.what;
    }
}

TEST(DesignFile, WriteErrorPartWayKeepsTheEarlierFile) {
    TempFolder folder;
    const std::string earlier = "earlier\r\n";
    WriteBytes(folder / "box.dat", earlier);
    // A file-size limit below the thirty lines makes the write fail part way, even for root.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);
    const FileResult result = SaveDesignConditions(folder / "box.dat", DesignConditions{});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(result.status, FileStatus::FileError);
    EXPECT_NE(result.message.find("box.dat"), std::string::npos) << result.message;
    EXPECT_EQ(ReadBytes(folder / "box.dat"), earlier);
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(DesignFile, SaveOntoAFolderOrIntoAMissingFolderSaysWhy) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "box.dat");
    for (const std::string& path : {folder / "box.dat", folder / "missing/box.dat"}) {
        const FileResult result = SaveDesignConditions(path, DesignConditions{});
        EXPECT_EQ(result.status, FileStatus::FileError) << path;
        EXPECT_NE(result.message.find(path), std::string::npos) << result.message;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder / "box.dat"));
    EXPECT_EQ(folder.EntryCount(), 1);
}
