// The frame of a run as JSON: enough to rebuild every case in another frame program, which
// here is the project's own general solver fed from nothing but the JSON.
#include "files/frame_json.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/cells/frame_solver.h"
#include "calc/run.h"
#include "files/json_report.h"

namespace {

using json = nlohmann::ordered_json;

FrameGeometry GeometryFrom(const json& frame) {
    FrameGeometry g;
    for (const json& j : frame["joints"]) g.AddJoint(j[0], j[1]);
    for (const json& m : frame["members"]) g.AddMember(m["from"], m["to"], m["t"]);
    for (const json& s : frame["supports"])
        g.AddSupport({s["joint"], s["x"], s["y"], s["rotation"]});
    return g;
}

FrameLoads LoadsFrom(const json& loads) {
    FrameLoads l;
    for (const json& load : loads) {
        if (load.contains("P"))
            l.Add({load["member"], load["a"], 0, 0, 0, true, load["P"]});
        else
            l.Add({load["member"], load["a"], load["b"], load["qa"], load["qb"], false, 0});
    }
    return l;
}

// A dry design and one with groundwater and water inside: every case solved again from its
// JSON gives the joint moments written beside it, which are the documented ones.
TEST(FrameJson, EveryCaseRebuildsFromTheJsonAlone) {
    DesignConditions wet;
    wet.hw = "1.0";
    wet.innerWater = 1;
    for (const DesignConditions& conditions : {DesignConditions{}, wet}) {
        CalcTable table;
        RecordingMessenger messenger;
        ASSERT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
        const json all = CalcTableToJson(table, {});
        const json& frame = all["frame"];
        // The dimensions stay first, as they were.
        std::vector<std::string> keys;
        for (const auto& item : frame.items()) keys.push_back(item.key());
        EXPECT_EQ(keys, (std::vector<std::string>{"Ho", "Bo", "Tu", "TL", "Tb", "joints", "members",
                                                  "supports", "cases"}));
        EXPECT_EQ(frame["joints"][2], (json{frame["Bo"], frame["Ho"]}));
        EXPECT_EQ(frame["members"][2]["t"], frame["Tu"]);
        const FrameSolver solver(GeometryFrom(frame));
        ASSERT_TRUE(solver.Solvable());
        ASSERT_EQ(frame["cases"].size(), all["load_cases"].size());
        for (std::size_t k = 0; k < frame["cases"].size(); ++k) {
            const json& c = frame["cases"][k];
            const json& documented = all["load_cases"][k]["joint_moments"];
            SCOPED_TRACE(c["name"].get<std::string>());
            EXPECT_EQ(c["name"], all["load_cases"][k]["name"]);
            EXPECT_EQ(c["end_moments"][0], (json{documented["Mab"], documented["Mba"]}));
            EXPECT_EQ(c["end_moments"][2], (json{documented["Mbc"], documented["Mcb"]}));
            EXPECT_EQ(c["sections"].size(), 12u);
            const FrameResponse r = solver.Solve(LoadsFrom(c["loads"]));
            double scale = 0;
            for (const json& ends : c["end_moments"])
                scale = std::max(
                    {scale, std::fabs(ends[0].get<double>()), std::fabs(ends[1].get<double>())});
            for (std::size_t m = 0; m < 4; ++m) {
                EXPECT_NEAR(r.endMoments[m].from, c["end_moments"][m][0], 1e-5 * scale);
                EXPECT_NEAR(r.endMoments[m].to, c["end_moments"][m][1], 1e-5 * scale);
            }
        }
    }
}

// Point loads have no b, qa, qb; numbers held as floats read as their shortest decimal,
// others keep every digit.
TEST(FrameJson, PointLoadsAndNumbers) {
    FrameRecord record;
    record.geometry.AddJoint(0, 0);
    record.geometry.AddJoint(double(3.4f), 0.1);
    record.geometry.AddMember(0, 1, 0.45);
    FrameCaseRecord c;
    c.name = "P";
    c.loads.Add({0, 1.25, 0, 0, 0, true, -10});
    c.endMoments[0] = {double(-12.3f), 1.0 / 3};
    record.cases.push_back(c);
    const json j = FrameRecordJson(record);
    EXPECT_EQ(j["joints"][1], (json{3.4, 0.1}));
    EXPECT_EQ(j["cases"][0]["loads"][0], (json{{"member", 0}, {"a", 1.25}, {"P", -10.0}}));
    EXPECT_EQ(j["cases"][0]["end_moments"], (json{{-12.3, 1.0 / 3}}));
    EXPECT_EQ(j["supports"], json::array());
}

}  // namespace
