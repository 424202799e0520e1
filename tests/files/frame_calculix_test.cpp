// Frames checked by an independent finite-element program: each frame is written as the
// JSON a reviewer gets, rebuilt from it as a CalculiX deck of beam elements, and the joint
// moments CalculiX finds are compared with ours. The deck is first validated on closed forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "calc/cells/frame_solver.h"
#include "calc/run.h"
#include "files/frame_json.h"
#include "files/json_report.h"
#include "tests/calc/cells/box_frames.h"
#include "tests/files/temp_folder.h"

namespace {

using json = nlohmann::ordered_json;
using box_frames::Line;

constexpr double kTolerance = 1e-3;  // relative to the case's largest end moment

// CalculiX's end moments of every case of a frame's JSON, [case][member] = [from, to].
json CalculixEndMoments(const json& frame, int elementsPerMember = 100) {
    TempFolder folder;
    const std::string path = folder / "frame.json";
    std::ofstream(path) << frame.dump();
    const std::string command = std::string(DOLMETA_PYTHON " " DOLMETA_CALCULIX_FRAME " '") + path +
                                "' '" + folder / "" + "' " + std::to_string(elementsPerMember);
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << command;
    const json result = json::parse(output);
    json cases = json::array();
    for (const json& c : result["cases"]) cases.push_back(c["end_moments"]);
    return cases;
}

// Every end moment of every case agrees with the expected one (`end_moments` of the JSON).
void ExpectSameEndMoments(const json& frame, const json& calculix) {
    ASSERT_EQ(calculix.size(), frame["cases"].size());
    for (std::size_t k = 0; k < calculix.size(); ++k) {
        const json& expected = frame["cases"][k]["end_moments"];
        SCOPED_TRACE(frame["cases"][k]["name"].get<std::string>());
        double scale = 0;
        for (const json& ends : expected)
            for (const json& m : ends) scale = std::max(scale, std::fabs(m.get<double>()));
        double worst = 0;
        for (std::size_t m = 0; m < expected.size(); ++m)
            for (int end = 0; end < 2; ++end) {
                worst = std::max(worst, std::fabs(calculix[k][m][end].get<double>() -
                                                  expected[m][end].get<double>()) /
                                            scale);
                EXPECT_NEAR(calculix[k][m][end].get<double>(), expected[m][end].get<double>(),
                            kTolerance * scale)
                    << "member " << m << (end ? " at to" : " at from");
            }
        std::printf("%s: largest difference %.2g of the largest end moment\n",
                    frame["cases"][k]["name"].get<std::string>().c_str(), worst);
    }
}

// A frame of the tests with its cases solved by our solver.
json SolvedFrame(const FrameGeometry& geometry, const std::vector<FrameLoads>& cases) {
    FrameRecord record{geometry, {}};
    const FrameSolver solver(geometry);
    EXPECT_TRUE(solver.Solvable());
    for (const FrameLoads& loads : cases) {
        FrameCaseRecord c;
        c.name = "case " + std::to_string(record.cases.size() + 1);
        c.loads = loads;
        const FrameResponse r = solver.Solve(loads);
        std::copy(r.endMoments.begin(), r.endMoments.end(), c.endMoments.begin());
        record.cases.push_back(c);
    }
    return FrameRecordJson(record);
}

// The deck against closed forms: a fixed-fixed beam (wL²/12 at both ends) and a closed
// square frame under equal top and bottom load (wL²/24 at every corner).
TEST(FrameCalculix, DeckReproducesClosedForms) {
    const double L = 4, w = 10;
    FrameRecord beam;
    beam.geometry.AddJoint(0, 0);
    beam.geometry.AddJoint(L, 0);
    beam.geometry.AddMember(0, 1, 0.4);
    beam.geometry.AddSupport({0, true, true, true});
    beam.geometry.AddSupport({1, false, true, true});
    FrameCaseRecord uniform;
    uniform.name = "wL²/12";
    uniform.loads.Add(Line(0, 0, L, -w, -w));
    uniform.endMoments[0] = {-w * L * L / 12, w * L * L / 12};
    beam.cases.push_back(uniform);
    const json beamJson = FrameRecordJson(beam);
    ExpectSameEndMoments(beamJson, CalculixEndMoments(beamJson, 50));

    const auto box = box_frames::EqualCells(1, L, L, 0.5, 0.5, 0.5, 0);
    FrameRecord square{box.geometry, {}};
    FrameCaseRecord equal;
    equal.name = "wL²/24";
    equal.loads.Add(Line(box.TopSlab(0), 0, L, -w, -w));
    equal.loads.Add(Line(box.BottomSlab(0), 0, L, -w, -w));
    const double corner = w * L * L / 24;
    equal.endMoments[std::size_t(box.Wall(0))] = {-corner, corner};
    equal.endMoments[std::size_t(box.Wall(1))] = {corner, -corner};
    equal.endMoments[std::size_t(box.TopSlab(0))] = {-corner, corner};
    equal.endMoments[std::size_t(box.BottomSlab(0))] = {-corner, corner};
    square.cases.push_back(equal);
    const json squareJson = FrameRecordJson(square);
    ExpectSameEndMoments(squareJson, CalculixEndMoments(squareJson, 50));
}

// One-cell designs as the program writes them: the documented joint moments of a deep
// design, of a shallow one with both wheel bands, and of the water cases.
TEST(FrameCalculix, OneCellDesignsJsonFrames) {
    DesignConditions shallow;
    shallow.h1 = "1.00";
    DesignConditions wet;
    wet.hw = "1.0";
    wet.innerWater = 1;
    for (const DesignConditions& conditions : {DesignConditions{}, shallow, wet}) {
        CalcTable table;
        RecordingMessenger messenger;
        ASSERT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
        const json frame = CalcTableToJson(table, {})["frame"];
        ExpectSameEndMoments(frame, CalculixEndMoments(frame));
    }
}

// Boxes of two and three cells, loaded as a box in the ground is: earth pressure trapezoids
// on the outer walls (more on the right, the imbalance going into the support), earth on the
// top slab with a wheel band across a middle wall and a point load, and the ground reaction
// linear across the width in vertical and moment equilibrium with the top.
FrameLoads GroundLoads(const box_frames::Box& box, double span, double height) {
    FrameLoads loads;
    const int cells = box.cells;
    const double width = cells * span;
    loads.Add(Line(box.Wall(0), 0, height, -55, -30));
    loads.Add(Line(box.Wall(cells), 0, height, 62, 35));
    double vertical = 0, moment = 0;  // the top loads' resultant and its moment about x = 0
    auto top = [&](double from, double to, double q) {
        for (int i = 0; i < cells; ++i) {
            const double a = std::max(from, i * span), b = std::min(to, (i + 1) * span);
            if (b <= a) continue;
            loads.Add(Line(box.TopSlab(i), a - i * span, b - i * span, -q, -q));
            vertical += q * (b - a);
            moment += q * (b - a) * (a + b) / 2;
        }
    };
    top(0, width, 60);
    top(span - 0.9, span + 1.3, 40);  // a wheel band across the first middle wall
    loads.Add({box.TopSlab(cells - 1), 0.7 * span, 0, 0, 0, true, -25});
    vertical += 25;
    moment += 25 * ((cells - 1) * span + 0.7 * span);
    // q(x) = left + (right − left)·x/width with ∫q = vertical and ∫q·x = moment.
    const double right = 6 * moment / (width * width) - 2 * vertical / width;
    const double left = 2 * vertical / width - right;
    auto ground = [&](double x) { return left + (right - left) * x / width; };
    for (int i = 0; i < cells; ++i)  // walked from x = (i + 1)·span to i·span
        loads.Add(Line(box.BottomSlab(i), 0, span, -ground((i + 1) * span), -ground(i * span)));
    return loads;
}

TEST(FrameCalculix, TwoAndThreeCellBoxes) {
    for (int cells : {2, 3}) {
        SCOPED_TRACE(std::to_string(cells) + " cells");
        const double span = 3.2, height = 2.8;
        const auto box = box_frames::EqualCells(cells, span, height, 0.45, 0.4, 0.5, 0.3);
        const json frame = SolvedFrame(box.geometry, {GroundLoads(box, span, height)});
        ExpectSameEndMoments(frame, CalculixEndMoments(frame));
    }
}

}  // namespace

// Designs of two and three cells as the run writes their frames: the load case without wheels
// and the wheel positions that govern a section (the first of them, to keep the test short).
TEST(FrameCalculix, CellDesignsJsonFrames) {
    for (int cells : {2, 3}) {
        SCOPED_TRACE(std::to_string(cells) + " cells");
        DesignConditions conditions;
        conditions.cells = cells;
        conditions.h1 = "1.00";
        conditions.B = cells == 2 ? "6.00" : "8.00";
        CalcTable table;
        RecordingMessenger messenger;
        ASSERT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
        json frame = CalcTableToJson(table, {})["frame"];
        json& cases = frame["cases"];
        ASSERT_GT(cases.size(), 3u);
        cases.erase(cases.begin() + 3, cases.end());
        ExpectSameEndMoments(frame, CalculixEndMoments(frame));
    }
}
