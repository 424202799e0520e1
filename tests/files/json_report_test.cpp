// The JSON form of the calculation table: every component under its name, colours as
// "#rrggbb", series in drawing order, arrows with their ends, and the run's messages.
#include "files/json_report.h"

#include <gtest/gtest.h>

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
