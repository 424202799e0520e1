// How long the figure painter takes to draw a full acting-load diagram into a 1000 x 700 image.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "calc/calc_table.h"
#include "ui/charts/chart_painter.h"

namespace {

// Fonts need a GUI application; one for the whole run, without a display.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "bench_chart_painter";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

void Outline(Series& s, double x0, double y0, double x1, double y1) {
    KeepInsertionOrder(s);
    for (auto [x, y] : {std::pair{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}})
        s.Add(x, y, " ", colours::black);
}

std::string Label(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// A diagram of the size a run draws: box, frame axes, wheel loads and earth pressures.
Chart LoadDiagram() {
    CalcTable table;
    Chart chart = table.ChartOf("Chart1");
    const double B = 4, Bo = 3.5, h1d = 4.4, h2d = 7.85;
    SetChartRange(chart, -B / 2 - 2, B / 2 + 6, -(h2d + 2.4 + 0.5), 1);
    Outline(chart.Get("Series14"), -B / 2, -8.1, B / 2, -4.2);
    Outline(chart.Get("Series13"), -1.5, -7.6, 1.5, -4.6);
    Series& axes = chart.Get("Series1");
    KeepInsertionOrder(axes);
    const char* joints[] = {"A", "B", "C", "D", "A"};
    const double xs[] = {-Bo / 2, -Bo / 2, Bo / 2, Bo / 2, -Bo / 2};
    const double ys[] = {-h2d, -h1d, -h1d, -h2d, -h2d};
    for (int i = 0; i < 5; ++i) axes.Add(xs[i], ys[i], joints[i], colours::black);
    Series& top = chart.Get("Series3");
    top.Add(-Bo / 2, -h1d);
    top.Add(-Bo / 2, -2.8, Label("Pv1=%.2fkN/m2", 80));
    top.Add(Bo / 2, -2.8, Label("Pv1=%.2fkN/m2", 80));
    top.Add(Bo / 2, -h1d);
    for (const char* name : {"Series4", "Series5"}) {
        const double side = name[7] == '4' ? -1 : 1;
        Series& wall = chart.Get(name);
        KeepInsertionOrder(wall);
        wall.Add(side * Bo / 2, -h2d);
        wall.Add(side * (Bo / 2 + 1.2), -h2d, Label("Ph2=%.2fkN/m2", 60));
        wall.Add(side * (Bo / 2 + 0.7), -h1d, Label("Ph1=%.2fkN/m2", 35));
        wall.Add(side * Bo / 2, -h1d);
    }
    Series& bottom = chart.Get("Series6");
    bottom.Add(-Bo / 2, -h2d);
    bottom.Add(-Bo / 2, -h2d - 2.4, Label("Pv2=%.2fkN/m2", 120));
    bottom.Add(Bo / 2, -h2d - 2.2, Label("Pv2=%.2fkN/m2", 110));
    bottom.Add(Bo / 2, -h2d);
    Series& road = chart.Get("Series12");
    road.Add(-B / 2 - 4, 0);
    road.Add(B / 2 + 7, 0);
    chart.Get("Series38").AddArrow(0, 0.4, 0, 0, Label("PL1=%.2fkN", 100), colours::red);
    chart.Get("Series62").AddArrow(4, 0.4, 4, 0, Label("PL2=%.2fkN", 25), colours::red);
    for (auto [name, x] : {std::pair{"Series39", 0.0}, {"Series63", 4.0}}) {
        Series& spread = chart.Get(name);
        for (auto [dx, y] : {std::pair{-1.2, -h1d}, {-0.1, 0.0}, {0.1, 0.0}, {1.2, -h1d}})
            spread.Add(x + dx, y);
    }
    return chart;
}

void BM_PaintLoadDiagram(benchmark::State& state) {
    EnsureApplication();
    const Chart chart = LoadDiagram();
    QImage image(1000, 700, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintChart(painter, chart, QRectF(0, 0, 1000, 700));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintLoadDiagram)->Unit(benchmark::kMillisecond);

}  // namespace
