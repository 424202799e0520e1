// The figure painter: mapping onto the plot, ranges, series, marks and device sizes.
#include "ui/charts/chart_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <limits>

namespace {

constexpr QSize kSize(400, 300);

QImage Render(const Chart& chart, QSize size = kSize) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, chart, QRectF(QPointF(0, 0), size));
    return image;
}

ChartFrame FrameOn(const Chart& chart, QSize size = kSize) {
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    return LayOutChart(painter, chart, QRectF(QPointF(0, 0), size));
}

bool Reddish(QRgb c) {
    return qRed(c) > 180 && qGreen(c) < 120 && qBlue(c) < 120;
}
bool Bluish(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 120 && qGreen(c) < 120;
}
bool Inked(QRgb c) {
    return qRed(c) < 200 || qGreen(c) < 200 || qBlue(c) < 200;
}

template <typename Test>
int Count(const QImage& image, const QRect& area, Test test) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// Rows from top to bottom that hold any ink, within the area.
int InkHeight(const QImage& image, const QRect& area) {
    int top = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        if (Count(image, QRect(area.left(), y, area.width(), 1), Inked) > 0) {
            if (top < 0) top = y;
            bottom = y;
        }
    return top < 0 ? 0 : bottom - top + 1;
}

Chart FixedChart(double xMin, double xMax, double yMin, double yMax) {
    Chart chart;
    SetChartRange(chart, xMin, xMax, yMin, yMax);
    return chart;
}

Series& RedLine(Chart& chart, int width = 3) {
    Series& s = chart.Get("Line");
    s.colour = colours::red;
    s.lineWidth = width;
    return s;
}

TEST(ChartFrame, AxisCornersMapToThePlotCorners) {
    struct Row {
        const char* title;
        bool leftVisible, bottomVisible;
        const char* leftTitle;
    };
    for (const Row& row : {Row{"", true, true, ""}, Row{"作用荷重図", true, true, "標高（ｍ）"},
                           Row{"側壁作用荷重", true, false, ""}, Row{"", false, false, ""}}) {
        Chart chart = FixedChart(-4, 8, -7.5, 1);
        chart.title = row.title;
        chart.left.visible = row.leftVisible;
        chart.left.title = row.leftTitle;
        chart.bottom.visible = row.bottomVisible;
        const ChartFrame frame = FrameOn(chart);
        EXPECT_TRUE(frame.area.contains(frame.plot)) << row.title;
        EXPECT_EQ(frame.Map(-4, -7.5), frame.plot.bottomLeft()) << row.title;
        EXPECT_EQ(frame.Map(8, 1), frame.plot.topRight()) << row.title;
        const QPointF back = frame.Unmap(frame.Map(2.5, -3));
        EXPECT_NEAR(back.x(), 2.5, 1e-9);
        EXPECT_NEAR(back.y(), -3, 1e-9);
    }
}

TEST(ChartFrame, ALineFromCornerToCornerStartsAndEndsAtThePlotCorners) {
    Chart chart = FixedChart(0, 10, 0, 5);
    Series& line = RedLine(chart);
    line.Add(0, 0);
    line.Add(10, 5);
    const QImage image = Render(chart);
    const QRect plot = FrameOn(chart).plot.toRect();
    EXPECT_GT(Count(image, QRect(plot.bottomLeft() + QPoint(0, -3), QSize(4, 4)), Reddish), 0);
    EXPECT_GT(Count(image, QRect(plot.topRight() + QPoint(-3, 0), QSize(4, 4)), Reddish), 0);
    // Nothing of the line outside the plot: it is clipped there.
    EXPECT_EQ(Count(image, QRect(plot.right() + 3, 0, 50, plot.top()), Reddish), 0);
}

TEST(ChartFrame, UnusableFixedRangesGiveWayToTheData) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        double minimum, maximum;
    };
    for (const Row& row : {Row{0, 0}, Row{5, -5}, Row{nan, 1}, Row{0, HUGE_VAL}}) {
        Chart chart = FixedChart(row.minimum, row.maximum, row.minimum, row.maximum);
        Series& line = RedLine(chart);
        line.Add(1, 2);
        line.Add(3, 4);
        const ChartFrame frame = FrameOn(chart);
        EXPECT_LT(frame.x.minimum, 1) << row.minimum << " " << row.maximum;
        EXPECT_GT(frame.x.maximum, 3);
        EXPECT_LT(frame.y.minimum, 2);
        EXPECT_GT(frame.y.maximum, 4);
        EXPECT_GT(Count(Render(chart), frame.plot.toRect(), Reddish), 20);
    }
}

TEST(ChartFrame, ExtremeDataStillGiveAFrameWithFewTicks) {
    struct Row {
        double low, high;
    };
    for (const Row& row :
         {Row{-1e308, 1e308}, Row{1e20, 1e20}, Row{-0.0, 0.0}, Row{1e-300, 2e-300}}) {
        Chart chart;
        Series& line = RedLine(chart);
        line.Add(row.low, row.low);
        line.Add(row.high, row.high);
        const ChartFrame frame = FrameOn(chart);
        for (const AxisScale* scale : {&frame.x, &frame.y}) {
            EXPECT_TRUE(std::isfinite(scale->maximum - scale->minimum)) << row.low;
            EXPECT_LT(scale->minimum, scale->maximum) << row.low;
            EXPECT_LE(scale->ticks.size(), 201u) << row.low;
        }
        Render(chart);
    }
}

TEST(ChartFrame, AutomaticRangesHoldAllDataWithAMargin) {
    Chart chart;
    Series& line = RedLine(chart);
    line.Add(-2, 10);
    line.Add(6, 30);
    Series& arrow = chart.Get("Arrow");
    arrow.kind = SeriesKind::Arrow;
    arrow.AddArrow(0, 20, 8, 40, " ", colours::red);
    const ChartFrame frame = FrameOn(chart);
    EXPECT_LT(frame.x.minimum, -2);
    EXPECT_GT(frame.x.maximum, 8);
    EXPECT_LT(frame.y.minimum, 10);
    EXPECT_GT(frame.y.maximum, 40);
    EXPECT_LT(frame.x.maximum - frame.x.minimum, 1.5 * 10);

    Chart empty;
    const ChartFrame emptyFrame = FrameOn(empty);
    EXPECT_LT(emptyFrame.x.minimum, emptyFrame.x.maximum);
    EXPECT_FALSE(emptyFrame.y.ticks.empty());
}

TEST(ChartSeries, SortedSeriesJoinAlongXAndUnsortedInTheOrderAdded) {
    for (bool sorted : {true, false}) {
        Chart chart = FixedChart(0, 2, -1, 1);
        Series& line = RedLine(chart);
        line.Add(0, 0);
        line.Add(2, 0);
        line.Add(1, 1);
        if (!sorted) KeepInsertionOrder(line);
        const ChartFrame frame = FrameOn(chart);
        const QPoint middleOfBase = frame.Map(1, 0).toPoint();
        const int onBase =
            Count(Render(chart), QRect(middleOfBase - QPoint(2, 2), QSize(5, 5)), Reddish);
        if (sorted)
            EXPECT_EQ(onBase, 0);
        else
            EXPECT_GT(onBase, 0);
    }
}

TEST(ChartSeries, ASegmentTakesTheColourOfThePointItReaches) {
    Chart chart = FixedChart(0, 2, -1, 1);
    Series& line = RedLine(chart);
    line.Add(0, 0, " ", colours::red);
    line.Add(1, 0, " ", colours::blue);
    line.Add(2, 0, " ", colours::red);
    const QImage image = Render(chart);
    const ChartFrame frame = FrameOn(chart);
    const QRect first(frame.Map(0.5, 0).toPoint() - QPoint(2, 2), QSize(5, 5));
    const QRect second(frame.Map(1.5, 0).toPoint() - QPoint(2, 2), QSize(5, 5));
    EXPECT_GT(Count(image, first, Bluish), 0);
    EXPECT_EQ(Count(image, first, Reddish), 0);
    EXPECT_GT(Count(image, second, Reddish), 0);
}

TEST(ChartSeries, APointWithoutUsableCoordinatesBreaksTheLine) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Chart chart = FixedChart(0, 2, 0, 2);
    Series& line = RedLine(chart);
    KeepInsertionOrder(line);
    line.Add(0, 0);
    line.Add(nan, 1);
    line.Add(2, 2);
    line.Add(HUGE_VAL, 0);
    EXPECT_EQ(Count(Render(chart), FrameOn(chart).plot.toRect(), Reddish), 0);
}

TEST(ChartSeries, DottedLinesLeaveGaps) {
    int inked[2];
    for (PenStyle style : {PenStyle::Solid, PenStyle::Dot}) {
        Chart chart = FixedChart(0, 1, 0, 1);
        Series& line = RedLine(chart, 1);
        line.penStyle = style;
        line.Add(0.1, 0.5);
        line.Add(0.9, 0.5);
        const QPoint at = FrameOn(chart).Map(0.1, 0.5).toPoint();
        inked[style == PenStyle::Dot] = Count(Render(chart), QRect(at.x(), at.y() - 1, 200, 3),
                                              [](QRgb c) { return qGreen(c) < 160; });
    }
    EXPECT_GT(inked[0], 150);
    EXPECT_LT(inked[1], inked[0] * 3 / 4);
}

TEST(ChartSeries, ArrowsEndInAHead) {
    Chart chart = FixedChart(-1, 1, -1, 1);
    Series& arrow = chart.Get("Arrow");
    arrow.kind = SeriesKind::Arrow;
    arrow.AddArrow(0, 0.8, 0, -0.8, " ", colours::red);
    const ChartFrame frame = FrameOn(chart);
    const QImage image = Render(chart);
    const QPoint head = frame.Map(0, -0.8).toPoint();
    const QPoint shaft = frame.Map(0, 0).toPoint();
    const int headWidth = Count(image, QRect(head.x() - 10, head.y() - 5, 21, 1), Reddish);
    const int shaftWidth = Count(image, QRect(shaft.x() - 10, shaft.y(), 21, 1), Reddish);
    EXPECT_GE(shaftWidth, 1);
    EXPECT_GT(headWidth, shaftWidth + 2);
}

// One point (so no line) whose mark is the only thing that could be drawn.
Chart MarkChart(const std::string& label, double x = 0.5) {
    Chart chart = FixedChart(0, 1, 0, 1);
    Series& s = chart.Get("Marks");
    s.marksVisible = true;
    s.markOffset = 4;
    s.Add(x, 0.5, label);
    return chart;
}

TEST(ChartMarks, OnlyAVisibleTextShows) {
    Chart hidden = MarkChart("Ph1=35.00kN/m2");
    hidden.series[0].marksVisible = false;
    const QImage nothing = Render(hidden);
    EXPECT_EQ(Render(MarkChart(" ")), nothing);
    EXPECT_EQ(Render(MarkChart("Ph1=35.00kN/m2", 1.5)), nothing);  // outside the view
    EXPECT_NE(Render(MarkChart("Ph1=35.00kN/m2")), nothing);
}

TEST(ChartMarks, SitAboveOrBelowTheirPointByTheOffset) {
    for (double offset : {8.0, -20.0}) {
        Chart chart = MarkChart("③D16@150");
        chart.left.visible = chart.bottom.visible = false;
        chart.series[0].markOffset = offset;
        chart.series[0].markFontColour = colours::blue;
        const ChartFrame frame = FrameOn(chart);
        const QPoint at = frame.Map(0.5, 0.5).toPoint();
        const QImage image = Render(chart);
        const int above = Count(image, QRect(0, 0, kSize.width(), at.y()), Bluish);
        const int below = Count(image, QRect(0, at.y(), kSize.width(), kSize.height()), Bluish);
        EXPECT_GT(offset > 0 ? above : below, 10) << offset;
        EXPECT_EQ(offset > 0 ? below : above, 0) << offset;
    }
}

// Sizes are physical: a device of four times the resolution, drawn on through a painter
// scaled by four, shows the same picture four times as large.
TEST(ChartDevices, TextKeepsItsSizeOnAScaledPainter) {
    Chart chart = FixedChart(0, 1, 0, 1);
    chart.title = "作用荷重図";
    chart.left.visible = chart.bottom.visible = false;
    const QImage small = Render(chart, QSize(200, 100));
    QImage large(QSize(800, 400), QImage::Format_ARGB32);
    large.fill(Qt::white);
    large.setDotsPerMeterX(small.dotsPerMeterX() * 4);
    large.setDotsPerMeterY(small.dotsPerMeterY() * 4);
    {
        QPainter painter(&large);
        painter.scale(4, 4);
        PaintChart(painter, chart, QRectF(0, 0, 200, 100));
    }
    const int smallHeight = InkHeight(small, QRect(0, 0, 200, 40));
    const int largeHeight = InkHeight(large, QRect(0, 0, 800, 160));
    ASSERT_GT(smallHeight, 5);
    EXPECT_NEAR(largeHeight, 4.0 * smallHeight, 0.25 * 4 * smallHeight);
}

TEST(ChartTitle, IsDrawnInItsColourAboveThePlot) {
    Chart chart = FixedChart(0, 1, 0, 1);
    chart.title = "曲げﾓｰﾒﾝﾄ図";
    chart.titleColour = colours::blue;
    const QImage image = Render(chart);
    const QRect band(0, 0, kSize.width(), static_cast<int>(FrameOn(chart).plot.top()));
    EXPECT_GT(Count(image, band, Bluish), 10);
    chart.titleColour = colours::black;
    EXPECT_EQ(Count(Render(chart), band, Bluish), 0);
}

TEST(ChartAxes, HiddenAxesLeaveTheMarginsEmpty) {
    Chart chart = FixedChart(0, 1, 0, 1);
    chart.left.visible = chart.bottom.visible = false;
    const ChartFrame frame = FrameOn(chart);
    const QImage image = Render(chart);
    EXPECT_EQ(Count(image, QRect(0, 0, static_cast<int>(frame.plot.left()), kSize.height()), Inked),
              0);
    EXPECT_EQ(
        Count(image,
              QRect(0, static_cast<int>(frame.plot.bottom()) + 2, kSize.width(), kSize.height()),
              Inked),
        0);
    chart.left.visible = chart.bottom.visible = true;
    const ChartFrame shown = FrameOn(chart);
    EXPECT_GT(shown.plot.left(), frame.plot.left());
    EXPECT_LT(shown.plot.bottom(), frame.plot.bottom());
    EXPECT_GT(Count(Render(chart),
                    QRect(0, 0, static_cast<int>(shown.plot.left()) - 1, kSize.height()), Inked),
              10);
}

}  // namespace
