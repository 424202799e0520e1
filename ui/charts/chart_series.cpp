// Series drawing: per-point colours, pen width and style, arrowheads.
#include "ui/charts/chart_series.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>

namespace {

constexpr double kArrowLength = 9;  // pixels
constexpr double kArrowHalfWidth = 4;
constexpr double kPointRadius = 3;

QPen SeriesPen(const Series& series, const QColor& colour, const ChartFrame& frame) {
    QPen pen(colour, std::max(series.lineWidth, 1) * frame.pixel);
    if (series.penStyle == PenStyle::Dot) {
        pen.setStyle(Qt::DotLine);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setCapStyle(Qt::RoundCap);
    }
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QRectF ClipBox(const ChartFrame& frame) {
    const double margin = 20 * frame.pixel;
    return frame.plot.adjusted(-margin, -margin, margin, margin);
}

// Consecutive segments of one colour go out as one polyline, so joins and dot patterns run on.
void PaintLine(QPainter& painter, const Series& series, const ChartFrame& frame) {
    const QRectF box = ClipBox(frame);
    QPolygonF run;
    Colour runColour;
    auto flush = [&] {
        if (run.size() >= 2) {
            painter.setPen(SeriesPen(series, ToQColor(runColour), frame));
            painter.drawPolyline(run);
        }
        run.clear();
    };
    std::optional<QPointF> previous;
    for (std::size_t i : DrawingOrder(series)) {
        const ChartPoint& p = series.points[i];
        if (!HasPosition(p)) {
            flush();
            previous.reset();
            continue;
        }
        const QPointF here = frame.Map(p.x, p.y);
        if (previous) {
            const auto clipped = ClipSegment(*previous, here, box);
            if (!clipped) {
                flush();
            } else {
                if (run.isEmpty() || !(runColour == p.colour) || run.back() != clipped->first) {
                    flush();
                    run << clipped->first;
                    runColour = p.colour;
                }
                run << clipped->second;
                if (clipped->second != here) flush();
            }
        }
        previous = here;
    }
    flush();
}

void PaintArrows(QPainter& painter, const Series& series, const ChartFrame& frame) {
    const QRectF box = ClipBox(frame);
    for (const ChartPoint& p : series.points) {
        if (!HasPosition(p) || !std::isfinite(p.endX) || !std::isfinite(p.endY)) continue;
        const QPointF tail = frame.Map(p.x, p.y);
        const QPointF head = frame.Map(p.endX, p.endY);
        const auto clipped = ClipSegment(tail, head, box);
        if (!clipped) continue;
        const QColor colour = ToQColor(p.colour);
        painter.setPen(SeriesPen(series, colour, frame));
        painter.drawLine(clipped->first, clipped->second);
        const QPointF along = head - tail;
        const double length = std::hypot(along.x(), along.y());
        if (clipped->second != head || length == 0) continue;
        const QPointF unit = along / length;
        const QPointF normal(-unit.y(), unit.x());
        const QPointF base = head - unit * (kArrowLength * frame.pixel);
        const QPointF side = normal * (kArrowHalfWidth * frame.pixel);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(QPolygonF{head, base + side, base - side});
        painter.setBrush(Qt::NoBrush);
    }
}

void PaintPoints(QPainter& painter, const Series& series, const ChartFrame& frame) {
    const QRectF box = ClipBox(frame);
    const double r = kPointRadius * frame.pixel;
    painter.setPen(Qt::NoPen);
    for (const ChartPoint& p : series.points) {
        if (!HasPosition(p)) continue;
        const QPointF at = frame.Map(p.x, p.y);
        if (!box.contains(at)) continue;
        painter.setBrush(ToQColor(p.colour));
        painter.drawEllipse(at, r, r);
    }
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

std::optional<std::pair<QPointF, QPointF>> ClipSegment(QPointF a, QPointF b, const QRectF& box) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                        box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return std::nullopt;
    }
    return std::pair{a + t0 * (b - a), a + t1 * (b - a)};
}

std::vector<std::size_t> DrawingOrder(const Series& series) {
    std::vector<std::size_t> order(series.points.size());
    std::iota(order.begin(), order.end(), 0);
    // A point without a usable X goes last rather than break the ordering.
    auto key = [&](std::size_t i) {
        const double x = series.points[i].x;
        return std::isnan(x) ? std::numeric_limits<double>::infinity() : x;
    };
    if (series.sortX)
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    return order;
}

void PaintSeries(QPainter& painter, const Series& series, const ChartFrame& frame) {
    switch (series.kind) {
        case SeriesKind::Line:
        case SeriesKind::FastLine:
            PaintLine(painter, series, frame);
            break;
        case SeriesKind::Arrow:
            PaintArrows(painter, series, frame);
            break;
        case SeriesKind::Point:
            PaintPoints(painter, series, frame);
            break;
    }
}
