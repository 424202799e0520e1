// The section drawing takes its bars from the processing: the drawn bars add up to the
// lengths of the processing table, and the two lap zones to twice the actual lap length.
#include "calc/drawing/section_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/calc/read_record.h"

TEST(SectionDrawing, BarsAddUpToTheProcessedLengthsAndLapsToTwiceTheLap) {
    struct Case {
        const char* name;
        const char *B, *H;
        BarSchedule schedule;  // pitch, bars 2 1 5 3 4
    } cases[] = {
        {"defaults with D25 and D22", "4.00", "3.90", {1, 250, 25, 22, 16, 19, 13}},
        {"small box with D13", "2.00", "1.80", {1, 125, 13, 13, 13, 13, 13}},
    };
    for (const auto& c : cases) {
        DesignConditions conditions;
        conditions.B = c.B;
        conditions.H = c.H;
        const auto record = ReadRecord(conditions);
        const RebarLengths l = ComputeRebarLengths(*record, c.schedule);
        const CadDrawing d = DrawSectionCad(*record, c.schedule, l);

        double drawn = 0;
        for (const CadLine& line : d.lines)
            if (line.layer == CadLayer::Rebar)
                drawn += std::hypot(line.to.x - line.from.x, line.to.y - line.from.y);
        for (const CadArc& arc : d.arcs)
            drawn += arc.radius * (arc.endAngle - arc.startAngle) * std::numbers::pi / 180;
        const double processed = double(l.LTop) + l.LBottom + 2.0 * l.across + 2.0 * l.upright;
        EXPECT_NEAR(drawn, processed, 0.01) << c.name;

        double laps = 0;
        for (const CadText& text : d.texts)
            if (text.text.starts_with("重ね継手 ")) laps += std::stod(text.text.substr(13));
        EXPECT_NEAR(laps, 2.0 * l.LaActual, 1.0) << c.name;
    }
}
