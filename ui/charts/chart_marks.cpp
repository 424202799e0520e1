// Mark texts beside their points.
#include "ui/charts/chart_marks.h"

#include <QTransform>
#include <algorithm>
#include <cmath>

#include "ui/charts/chart_series.h"

namespace {

bool Blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// Whether the point sits on a vertical stretch of its line: the points before and after it
// in the drawing order lie straight above and below it on the device.
bool OnVerticalRun(const Series& series, const std::vector<std::size_t>& order, std::size_t at,
                   const ChartFrame& frame) {
    if (series.kind != SeriesKind::Line && series.kind != SeriesKind::FastLine) return false;
    if (at == 0 || at + 1 >= order.size()) return false;
    const ChartPoint& before = series.points[order[at - 1]];
    const ChartPoint& here = series.points[order[at]];
    const ChartPoint& after = series.points[order[at + 1]];
    if (!HasPosition(before) || !HasPosition(after)) return false;
    const QPointF b = frame.Map(before.x, before.y);
    const QPointF h = frame.Map(here.x, here.y);
    const QPointF a = frame.Map(after.x, after.y);
    const double tolerance = 0.5 * frame.pixel;
    return std::abs(b.x() - h.x()) < tolerance && std::abs(a.x() - h.x()) < tolerance &&
           std::abs(a.y() - b.y()) > tolerance;
}

// How far a mark must move to lie within the chart: a mark near the edge of the figure slides
// inwards rather than lose its end.
QPointF IntoArea(const QRectF& text, const QRectF& area) {
    auto slide = [](double low, double high, double areaLow, double areaHigh) {
        if (low < areaLow) return areaLow - low;
        if (high > areaHigh) return std::max(areaHigh - high, areaLow - low);
        return 0.0;
    };
    return {slide(text.left(), text.right(), area.left(), area.right()),
            slide(text.top(), text.bottom(), area.top(), area.bottom())};
}

}  // namespace

void PaintMarks(QPainter& painter, const Series& series, const ChartFrame& frame) {
    if (!series.marksVisible) return;
    painter.setFont(FigureFont(frame, series.markFontSize));
    painter.setPen(ToQColor(series.markFontColour));
    const QFontMetricsF metrics = PainterMetrics(painter);
    const double offset = series.markOffset * frame.pixel;
    const QRectF visible =
        frame.plot.adjusted(-frame.pixel, -frame.pixel, frame.pixel, frame.pixel);
    const auto order = DrawingOrder(series);
    for (std::size_t k = 0; k < order.size(); ++k) {
        const ChartPoint& p = series.points[order[k]];
        if (Blank(p.label) || !HasPosition(p)) continue;
        const QPointF at = frame.Map(p.x, p.y);
        if (!visible.contains(at)) continue;
        const QString text = QString::fromStdString(p.label);
        const double width = metrics.horizontalAdvance(text);
        const double height = metrics.height();
        const QRectF box(-width / 2, offset >= 0 ? -offset - height : -offset, width, height);
        QTransform place = QTransform::fromTranslate(at.x(), at.y());
        if (OnVerticalRun(series, order, k, frame)) place.rotate(-90);
        const QPointF shift = IntoArea(place.mapRect(box), frame.area);
        painter.save();
        painter.setTransform(place * QTransform::fromTranslate(shift.x(), shift.y()), true);
        painter.drawText(box, Qt::AlignCenter, text);
        painter.restore();
    }
}
