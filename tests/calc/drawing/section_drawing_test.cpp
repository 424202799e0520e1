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

namespace {

// Where a text stands, roughly: a half-width character is half the text height wide.
struct Box {
    double left, right, bottom, top;
    bool Overlaps(const Box& o) const {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
};

Box BoxOf(const CadText& t) {
    const double w = 0.5 * t.height * static_cast<double>(t.text.size()), h = t.height;
    const auto along = [&](double at) {
        return t.hAlign == HAlign::Left    ? std::pair{at, at + w}
               : t.hAlign == HAlign::Right ? std::pair{at - w, at}
                                           : std::pair{at - w / 2, at + w / 2};
    };
    if (t.angle == 0) {
        const auto [l, r] = along(t.at.x);
        const double b = t.vAlign == VAlign::Top      ? t.at.y - h
                         : t.vAlign == VAlign::Middle ? t.at.y - h / 2
                                                      : t.at.y;
        return {l, r, b, b + h};
    }
    // Turned a quarter left: the text runs upwards, the tops of its characters to the left.
    const auto [b, top] = along(t.at.y);
    const double l = t.vAlign == VAlign::Top      ? t.at.x
                     : t.vAlign == VAlign::Middle ? t.at.x - h / 2
                                                  : t.at.x - h;
    return {l, l + h, b, top};
}

}  // namespace

TEST(SectionDrawing, HaunchDimensionsStandInTheOpeningClearOfEachOtherAndTheMarks) {
    struct Case {
        const char *B, *H, *Hab, *Hah;
    } cases[] = {
        {"4.00", "3.90", "0.20", "0.20"},  // values too long for their lines: written beyond
        {"4.00", "3.90", "0.40", "0.40"},  // room between the ticks
        {"2.00", "1.80", "0.10", "0.10"},  // a small box, a small haunch
        {"4.00", "3.90", "0.40", "0.10"},
    };
    const BarSchedule schedule{1, 250, 25, 22, 16, 19, 13};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.B) + " " + c.Hab + "×" + c.Hah);
        DesignConditions conditions;
        conditions.B = c.B, conditions.H = c.H, conditions.Hab = c.Hab, conditions.Hah = c.Hah;
        const auto record = ReadRecord(conditions);
        const CadDrawing d =
            DrawSectionCad(*record, schedule, ComputeRebarLengths(*record, schedule));
        const double TL = 1000 * std::stod(conditions.TL), Tb = 1000 * std::stod(conditions.Tb);
        const double B = 1000 * std::stod(c.B);
        const double slab = 1000 * (std::stod(c.H) - std::stod(conditions.Tu));

        std::vector<Box> haunch, marks;
        for (const CadText& t : d.texts) {
            const Box box = BoxOf(t);
            if (t.layer == CadLayer::Dimension && t.at.x > 0 && t.at.y > 0) haunch.push_back(box);
            if (t.layer == CadLayer::Text) marks.push_back(box);
        }
        ASSERT_EQ(haunch.size(), 2u);
        EXPECT_FALSE(haunch[0].Overlaps(haunch[1]));
        for (const Box& h : haunch) {
            EXPECT_GT(h.left, TL);
            EXPECT_LT(h.right, B - TL);
            EXPECT_GT(h.bottom, Tb);
            EXPECT_LT(h.top, slab);
            for (const Box& mark : marks) EXPECT_FALSE(h.Overlaps(mark));
        }
    }
}
