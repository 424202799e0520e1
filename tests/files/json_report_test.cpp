// The JSON form of the calculation table: every component under its name, colours as
// "#rrggbb", series in drawing order, arrows with their ends, and the run's messages.
#include "files/json_report.h"

#include <gtest/gtest.h>

#include "calc/run.h"
#include "tests/files/temp_folder.h"

TEST(JsonReport, HoldsEveryComponentInTheAgreedShape) {
    CalcTable table;
    table.List("ListBox7") = {"１行目", "2"};
    table.GridOf("StringGrid2").Cell(7, 1) = "250";
    Chart& chart = table.ChartOf("Chart13");
    chart.series.clear();  // only the series this test adds
    SetChartRange(chart, -1.5, 6, -0.5, 4.25);
    chart.Get("Series9").Add(0.1, 0.2, "", colours::maroon);
    chart.Get("Series2").Add(1, 2, "D13", colours::red);
    Series& arrows = chart.Get("Series5");
    arrows.kind = SeriesKind::Arrow;
    arrows.colour = colours::green;
    arrows.AddArrow(0, 1, 0.5, 1.25, "q", colours::blue);

    const auto json = CalcTableToJson(table, {"first", "second"});

    EXPECT_EQ(json["lists"]["ListBox7"], (nlohmann::ordered_json{"１行目", "2"}));
    EXPECT_EQ(json["lists"]["ListBox8"].size(), table.List("ListBox8").size());
    EXPECT_EQ(json["grids"]["StringGrid2"][0][6], "径");
    EXPECT_EQ(json["grids"]["StringGrid2"][1][7], "250");
    EXPECT_EQ(json["grids"]["StringGrid2"].size(), 6u);
    EXPECT_EQ(json["labels"]["Label97"]["text"], "許容応力度内");
    EXPECT_EQ(json["labels"]["Label97"]["colour"], "#0000ff");

    const auto& c = json["charts"]["Chart13"];
    EXPECT_EQ(c["title"], "主鉄筋図");
    EXPECT_EQ(c["bottom"],
              (nlohmann::ordered_json{{"min", -1.5}, {"max", 6.0}, {"automatic", false}}));
    EXPECT_EQ(c["left"]["max"], 4.25);
    EXPECT_EQ(json["charts"]["Chart9"]["left"]["automatic"], true);
    // Drawing order, not name order.
    std::vector<std::string> names;
    for (const auto& [name, series] : c["series"].items()) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"Series9", "Series2", "Series5"}));

    const auto& point = c["series"]["Series9"]["points"][0];
    EXPECT_EQ(c["series"]["Series9"]["kind"], "line");
    EXPECT_EQ(point, (nlohmann::ordered_json{
                         {"x", 0.1}, {"y", 0.2}, {"label", " "}, {"colour", "#800000"}}));
    const auto& arrow = c["series"]["Series5"];
    EXPECT_EQ(arrow["kind"], "arrow");
    EXPECT_EQ(arrow["colour"], "#008000");
    EXPECT_EQ(arrow["points"][0]["endX"], 0.5);
    EXPECT_EQ(arrow["points"][0]["endY"], 1.25);
    EXPECT_EQ(arrow["points"][0]["colour"], "#0000ff");

    EXPECT_EQ(json["messages"], (nlohmann::ordered_json{"first", "second"}));
}

TEST(JsonReport, WrittenFileParsesBackToTheSameJson) {
    TempFolder folder;
    CalcTable table;
    table.List("ListBox6") = {"Ｌ１＝ 1,234"};
    FileCommit commit;
    ASSERT_TRUE(WriteJsonReport(commit, folder / "Box.json", table, {"注意"}).ok());
    ASSERT_TRUE(commit.Commit().ok());
    EXPECT_EQ(nlohmann::ordered_json::parse(ReadBytes(folder / "Box.json")),
              CalcTableToJson(table, {"注意"}));
}

TEST(JsonReport, QuantitiesAreNullBeforeARunAndSteelNullWithoutBars) {
    CalcTable table;
    EXPECT_TRUE(CalcTableToJson(table, {})["quantities"].is_null());
    table.quantities = Quantities{6.64, 16.57, 9999, std::nullopt};
    const auto quantities = CalcTableToJson(table, {})["quantities"];
    EXPECT_EQ(quantities["concrete"], 6.64);
    EXPECT_EQ(quantities["formwork"], 16.57);
    EXPECT_TRUE(quantities["steel"].is_null());
}

// What a reviewer re-runs: every load case, the documented one first, with the loads of its
// frame by name, its joint moments and its section forces; the checks of a wet design.
TEST(JsonReport, LoadCasesStabilityAndWarningsOfARun) {
    CalcTable dry;
    RecordingMessenger messenger;
    ASSERT_EQ(RunCalculation(DesignConditions{}, dry, messenger), RunResult::Completed);
    const auto plain = CalcTableToJson(dry, {});
    ASSERT_EQ(plain["load_cases"].size(), 1u);
    EXPECT_EQ(plain["load_cases"][0]["name"], "基本");
    EXPECT_EQ(plain["load_cases"][0]["loads"]["Pvd"], 75.6);
    EXPECT_EQ(plain["load_cases"][0]["sections"].size(), 12u);
    EXPECT_EQ(plain["frame"]["Bo"], 3.5);
    EXPECT_TRUE(plain["stability"].is_null());
    EXPECT_EQ(plain["warnings"], nlohmann::ordered_json::array());

    DesignConditions conditions;
    conditions.hw = "1.0";
    conditions.innerWater = 1;
    conditions.h1 = "0.30";  // shallower than the usual range
    CalcTable wet;
    ASSERT_EQ(RunCalculation(conditions, wet, messenger), RunResult::Completed);
    const auto json = CalcTableToJson(wet, {});
    ASSERT_EQ(json["load_cases"].size(), 3u);
    EXPECT_EQ(json["load_cases"][1]["name"], "外水");
    EXPECT_EQ(json["load_cases"][2]["name"], "内水");
    for (const char* key : {"Ph1", "Ph2", "Ph3", "Ph4", "Pv1Frame", "PvL1Frame", "PvL2Frame", "W1",
                            "L1", "Pv2L", "Pv2R", "Pvd", "Phd1", "Phd2", "Pw", "Pwh1", "Pwh2"})
        EXPECT_TRUE(json["load_cases"][1]["loads"].contains(key)) << key;
    EXPECT_TRUE(json["load_cases"][2]["loads"].contains("Pwi2"));
    EXPECT_EQ(json["load_cases"][1]["joint_moments"].size(), 8u);
    const auto& uplift = json["stability"]["uplift"];
    for (const char* key : {"W_box", "W_above", "U", "Fs", "required", "verdict"})
        EXPECT_TRUE(uplift.contains(key)) << key;
    EXPECT_EQ(json["stability"]["bearing"]["cases"].size(), 3u);
    EXPECT_TRUE(json["stability"]["bearing"]["verdict"].is_null());  // no qa given
    ASSERT_EQ(json["warnings"].size(), 1u);
    EXPECT_EQ(json["warnings"][0],
              "適用範囲外：土かぶり h1=0.30mが通常の範囲（0.5～20m）の外です。");
}
