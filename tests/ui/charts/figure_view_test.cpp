// The figure view: pan and zoom by mouse act on the chart's ranges in the model.
#include "ui/charts/figure_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

void Send(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void Drag(QWidget& widget, QPoint from, QPoint to, Qt::MouseButton button) {
    Send(widget, QEvent::MouseButtonPress, from, button);
    Send(widget, QEvent::MouseMove, (from + to) / 2, button);
    Send(widget, QEvent::MouseMove, to, button);
    Send(widget, QEvent::MouseButtonRelease, to, button);
}

// The acting-load diagram after a run: its ranges fixed, some data in it.
struct LoadDiagram : testing::Test {
    LoadDiagram() {
        Fill(1.0);
        view.resize(600, 340);
        view.grab();  // paints once, as the window would
    }
    void Fill(double load) {
        Chart& chart = table.ChartOf("Chart1");
        ClearChart(chart);
        SetChartRange(chart, -4, 8, -10, 1);
        chart.Get("Series6").Add(-1.75, -8 - load, "Pv2=50.00kN/m2");
    }
    QPoint At(double x, double y) {
        QImage image(view.size(), QImage::Format_ARGB32);
        QPainter painter(&image);
        return LayOutChart(painter, chart(), view.rect()).Map(x, y).toPoint();
    }
    Chart& chart() { return table.ChartOf("Chart1"); }

    CalcTable table;
    FigureView view{table, "Chart1", nullptr};
};

TEST_F(LoadDiagram, RightDragMovesTheDrawingWithTheMouse) {
    const QPoint from = At(0, -5);
    const QPoint to = At(2, -4);
    Drag(view, from, to, Qt::RightButton);
    EXPECT_NEAR(chart().bottom.minimum, -6, 0.05);
    EXPECT_NEAR(chart().bottom.maximum, 6, 0.05);
    EXPECT_NEAR(chart().left.minimum, -11, 0.05);
    EXPECT_NEAR(chart().left.maximum, 0, 0.05);
}

TEST_F(LoadDiagram, LeftDragDownRightEnlargesTheRectangleAndBackReturnsToTheRun) {
    Drag(view, At(-1, 0), At(3, -6), Qt::LeftButton);
    EXPECT_NEAR(chart().bottom.minimum, -1, 0.05);
    EXPECT_NEAR(chart().bottom.maximum, 3, 0.05);
    EXPECT_NEAR(chart().left.minimum, -6, 0.05);
    EXPECT_NEAR(chart().left.maximum, 0, 0.05);
    view.grab();
    Drag(view, QPoint(400, 300), QPoint(300, 200), Qt::RightButton);
    Drag(view, QPoint(400, 300), QPoint(300, 200), Qt::LeftButton);
    EXPECT_EQ(chart().bottom.minimum, -4);
    EXPECT_EQ(chart().bottom.maximum, 8);
    EXPECT_EQ(chart().left.minimum, -10);
    EXPECT_EQ(chart().left.maximum, 1);
}

TEST_F(LoadDiagram, ReturnsToTheRangesOfTheLatestRun) {
    Fill(2.0);
    SetChartRange(chart(), -6, 10, -12, 2);
    view.refresh();
    Drag(view, QPoint(100, 100), QPoint(200, 200), Qt::LeftButton);
    Drag(view, QPoint(200, 200), QPoint(100, 100), Qt::LeftButton);
    EXPECT_EQ(chart().bottom.minimum, -6);
    EXPECT_EQ(chart().left.maximum, 2);
}

TEST_F(LoadDiagram, AClickChangesNothing) {
    Drag(view, QPoint(200, 200), QPoint(201, 201), Qt::LeftButton);
    EXPECT_EQ(chart().bottom.minimum, -4);
    EXPECT_EQ(chart().left.maximum, 1);
}

void Wheel(QWidget& widget, QPoint at, int notches) {
    QWheelEvent event(QPointF(at), widget.mapToGlobal(QPointF(at)), QPoint(),
                      QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(&widget, &event);
}

// Every figure zooms about the cursor: the point under it stays there, the ranges narrow by
// 1.2 a notch forwards and widen back; a double click returns to the run's ranges.
TEST(FigureView, TheWheelZoomsAboutTheCursorOnEveryFigure) {
    for (const char* name : {"Chart1", "Chart9", "Chart13"}) {
        CalcTable table;
        Chart& chart = table.ChartOf(name);
        SetChartRange(chart, -3, 3, -2, 4);
        FigureView view(table, name, nullptr);
        view.resize(338, 309);
        view.grab();
        QImage image(view.size(), QImage::Format_ARGB32);
        QPainter painter(&image);
        const ChartFrame frame = LayOutChart(painter, chart, view.rect());
        const QPoint cursor = frame.Map(1, 0).toPoint();
        const QPointF under = frame.Unmap(cursor);
        Wheel(view, cursor, 2);
        EXPECT_NEAR(chart.bottom.maximum - chart.bottom.minimum, 6 / 1.44, 1e-6) << name;
        EXPECT_NEAR(chart.left.maximum - chart.left.minimum, 6 / 1.44, 1e-6) << name;
        const ChartFrame zoomed = LayOutChart(painter, chart, view.rect());
        EXPECT_NEAR(zoomed.Unmap(cursor).x(), under.x(), 0.005) << name;
        EXPECT_NEAR(zoomed.Unmap(cursor).y(), under.y(), 0.005) << name;
        Wheel(view, cursor, -2);
        EXPECT_NEAR(chart.bottom.minimum, -3, 0.005) << name;
        EXPECT_NEAR(chart.left.maximum, 4, 0.005) << name;
        Wheel(view, cursor, 1);
        Send(view, QEvent::MouseButtonDblClick, cursor, Qt::LeftButton);
        EXPECT_EQ(chart.bottom.minimum, -3) << name;
        EXPECT_EQ(chart.left.maximum, 4) << name;
    }
}

TEST(FigureView, OtherFiguresIgnoreDrags) {
    CalcTable table;
    SetChartRange(table.ChartOf("Chart9"), -3, 3, -3, 3);
    FigureView view(table, "Chart9", nullptr);
    view.resize(338, 309);
    view.grab();
    Drag(view, QPoint(50, 50), QPoint(200, 200), Qt::LeftButton);
    Drag(view, QPoint(50, 50), QPoint(200, 200), Qt::RightButton);
    EXPECT_EQ(table.ChartOf("Chart9").bottom.minimum, -3);
    EXPECT_EQ(table.ChartOf("Chart9").left.maximum, 3);
}

}  // namespace
