// Bar searches and the arrangement of the twelve design sections.
#include <gtest/gtest.h>

#include "calc/section/bar_arrangement.h"
#include "calc/section/bar_tables.h"

namespace {

const char* const kFailure = "予想外の計算です(@125～@300,D6 ～D51内に鉄筋量が求まりません)";

TTekkin Tables() {
    TTekkin tables;
    FillBarTables(tables);
    return tables;
}

struct Arranged {
    BarSchedule schedule{};
    SectionSteel steel{};
    Grid grid{14, 13};
    RecordingMessenger messenger;
};

void Arrange(Arranged& a, int mode = 0, const std::string& pitch = "-") {
    DesignConditions conditions;
    conditions.pitchMode = mode;
    conditions.pitch = pitch;
    ArrangeBars(Tables(), conditions, a.schedule, a.steel, a.messenger);
    WriteBarArrangement(a.schedule, a.steel, a.grid);
}

}  // namespace

TEST(BarSelection, SteelPerMetre) {
    const TTekkin tables = Tables();
    EXPECT_NEAR(*SteelForBar(tables, 250, 16), 794.4, 1e-3);
    EXPECT_NEAR(*SteelForBar(tables, 200, 19), 1432.5, 1e-3);
    EXPECT_NEAR(*SteelForBar(tables, 125, 51), 16216, 1e-2);
    EXPECT_FALSE(SteelForBar(tables, 200, 0));
    EXPECT_FALSE(SteelForBar(tables, 200, 20));
}

TEST(BarSelection, AutomaticSearchTakesTheSmallestAreaAboveTheDemand) {
    const TTekkin tables = Tables();
    struct Case {
        float demand;
        int diameter, pitch;
        double As;
    } cases[] = {
        {0, 6, 300, 105.57},        // D6 @300
        {105.5f, 6, 300, 105.57},   //
        {794.4f, 13, 150, 844.67},  // equal to D16 @250 is not enough ...
        {794.0f, 16, 250, 794.4},   // ... just below it is
        {1400, 19, 200, 1432.5},    // the smallest over all pitches
        {16215, 51, 125, 16216},    //
    };
    for (const auto& c : cases) {
        RecordingMessenger messenger;
        const BarChoice bar = SelectBarsAuto(tables, c.demand, messenger);
        EXPECT_EQ(bar.diameter, c.diameter) << c.demand;
        EXPECT_EQ(bar.pitch, c.pitch) << c.demand;
        EXPECT_NEAR(bar.As, c.As, 0.01) << c.demand;
        EXPECT_TRUE(messenger.messages.empty());
    }
}

TEST(BarSelection, AutomaticSearchFailureIsToldAndMarked) {
    RecordingMessenger messenger;
    const BarChoice bar = SelectBarsAuto(Tables(), 16216.0f, messenger);
    EXPECT_EQ(bar.As, 99999.0f);
    EXPECT_EQ(bar.diameter, 9999);
    EXPECT_EQ(bar.pitch, 9999);
    EXPECT_EQ(messenger.messages, std::vector<std::string>{kFailure});
}

TEST(BarSelection, AtOnePitchOnlyD13AndLarger) {
    const TTekkin tables = Tables();
    EXPECT_EQ(SelectBarAtPitch(tables, 300, 0)->diameter, 13);
    EXPECT_EQ(SelectBarAtPitch(tables, 200, 1400)->diameter, 19);
    EXPECT_NEAR(SelectBarAtPitch(tables, 200, 1400)->As, 1432.5, 1e-3);
    EXPECT_EQ(SelectBarAtPitch(tables, 200, 1432.5f)->diameter, 22);  // equality is not enough
    EXPECT_FALSE(SelectBarAtPitch(tables, 300, 6756.7f));             // D51 @300 is 6756.67
}

TEST(BarSelection, FixedPitchEntries) {
    EXPECT_EQ(FixedPitch("-"), 125);
    EXPECT_EQ(FixedPitch(""), 125);
    EXPECT_EQ(FixedPitch("150"), 150);
    EXPECT_EQ(FixedPitch("300"), 300);
}

TEST(BarSelection, CommonPitchIsTheSmallestAndEachBarTakesItsLargestDiameter) {
    Arranged a;
    a.steel.fill(0);      // alone, D6 @300
    a.steel[0] = 794.0f;  // row 1 (bar 2) alone: D16 @250
    a.steel[3] = 900.0f;  // row 4 (bar 1) alone: D19 @300
    a.steel[8] = 1400;    // row 9 (bar 2) alone: D19 @200
    Arrange(a);
    EXPECT_EQ(a.schedule[1], 200);
    EXPECT_EQ(a.schedule[2], 19);           // bar 2: rows 1, 9, 10, 12
    EXPECT_EQ(a.schedule[3], 16);           // bar 1: rows 3, 4, 6, 7; D16 @200 is 993.0
    EXPECT_EQ(a.schedule[4], 13);           // bar 5: Asn 0 still gets D13
    EXPECT_NEAR(a.steel[0], 1432.5, 1e-3);  // row 1 takes bar 2's D19
    EXPECT_NEAR(a.steel[1], 633.5, 1e-3);   // D13 @200
    EXPECT_TRUE(a.messenger.messages.empty());
}

TEST(BarSelection, FixedPitchNoChoiceIsAt125) {
    Arranged a;
    a.steel.fill(500);
    Arrange(a, 1, "-");
    EXPECT_EQ(a.schedule[1], 125);
    EXPECT_EQ(a.schedule[2], 13);  // D13 @125 is 1013.6
}

TEST(BarSelection, FailingSectionIsToldOnceAndItsBarFallsBackOnItsOtherSections) {
    Arranged a;
    a.steel.fill(0);
    a.steel[4] = 20000;  // row 5, bar 3 alone
    a.steel[0] = 20000;  // row 1, bar 2 with rows 9, 10, 12
    Arrange(a);
    EXPECT_EQ(a.messenger.messages, (std::vector<std::string>{kFailure, kFailure}));
    EXPECT_EQ(a.schedule[1], 300);  // the failures do not lower the pitch
    EXPECT_EQ(a.schedule[5], 0);    // bar 3 has no diameter: its section keeps Asn
    EXPECT_EQ(a.steel[4], 20000.0f);
    EXPECT_EQ(a.schedule[2], 13);  // bar 2 from rows 9, 10, 12
    EXPECT_NEAR(a.steel[0], 422.3, 0.05);
}

TEST(BarSelection, EverySectionFailingKeepsThePitchMarker) {
    Arranged a;
    a.steel.fill(17000);
    Arrange(a);
    EXPECT_EQ(a.messenger.messages.size(), 12u);
    EXPECT_EQ(a.schedule[1], 9999);
    for (int entry = 2; entry <= 6; ++entry) EXPECT_EQ(a.schedule[entry], 0);
    for (float As : a.steel) EXPECT_EQ(As, 17000.0f);
}

TEST(BarSelection, GridCells) {
    Arranged a;
    a.steel.fill(0);
    a.steel[0] = 794.0f;
    Arrange(a);
    EXPECT_EQ(a.grid.Cell(6, 1), "794");
    EXPECT_EQ(a.grid.Cell(7, 1), "D16");
    EXPECT_EQ(a.grid.Cell(8, 1), "@250");
    EXPECT_EQ(a.grid.Cell(7, 2), "D13");
    EXPECT_EQ(a.grid.Cell(6, 2), "507");  // D13 @250: 506.8
}
