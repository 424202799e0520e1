// Chart layout: axis ranges, scale ticks and the plot rectangle on a given device.
#include "ui/charts/chart_frame.h"

#include <QPaintDevice>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using namespace chart_style;

constexpr std::size_t kMaxTicks = 200;

bool Usable(double minimum, double maximum) {
    return std::isfinite(minimum) && std::isfinite(maximum) && maximum > minimum &&
           std::isfinite(maximum - minimum);
}

// The data's extent along one direction, arrow ends included, with a margin of a twentieth
// on each side.
std::pair<double, double> DataRange(const Chart& chart, bool horizontal) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    auto take = [&](double v) {
        if (!std::isfinite(v)) return;
        low = std::min(low, v);
        high = std::max(high, v);
    };
    for (const Series& series : chart.series)
        for (const ChartPoint& p : series.points) {
            if (!HasPosition(p)) continue;
            take(horizontal ? p.x : p.y);
            if (series.kind == SeriesKind::Arrow) take(horizontal ? p.endX : p.endY);
        }
    if (low > high) return {0, 1};  // no data: an empty chart still shows its axes
    if (high == low) {
        const double pad = std::max(1.0, std::abs(low) / 10);
        return {low - pad, high + pad};
    }
    const double margin = (high - low) / 20;
    if (!Usable(low - margin, high + margin)) return {low, high};
    return {low - margin, high + margin};
}

double NiceStep(double span, double target) {
    const double raw = span / std::max(target, 1.0);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    const double nice = norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10;
    return nice * magnitude;
}

// Scale ticks at a round step giving about target labels along the axis.
void SetTicks(AxisScale& scale, double target) {
    scale.ticks.clear();
    const double span = scale.maximum - scale.minimum;
    double step = NiceStep(span, target);
    if (!std::isfinite(step) || step <= 0) return;  // a range beyond any round step
    while (span / step > kMaxTicks) step *= 10;
    const double first = std::ceil(scale.minimum / step - 1e-9);
    for (double k = first; scale.ticks.size() <= kMaxTicks; ++k) {
        double v = k * step;
        if (!(v <= scale.maximum + step * 1e-9)) break;
        if (std::abs(v) < step * 1e-9) v = 0;
        scale.ticks.push_back(v);
    }
    scale.decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 12);
}

double WidestLabel(const AxisScale& scale, const QFontMetricsF& metrics) {
    double widest = 0;
    for (double v : scale.ticks)
        widest = std::max(widest, metrics.horizontalAdvance(ScaleLabel(v, scale.decimals)));
    return widest;
}

}  // namespace

bool HasPosition(const ChartPoint& point) {
    return std::isfinite(point.x) && std::isfinite(point.y);
}

QPointF ChartFrame::Map(double dataX, double dataY) const {
    return {plot.left() + (dataX - x.minimum) / (x.maximum - x.minimum) * plot.width(),
            plot.bottom() - (dataY - y.minimum) / (y.maximum - y.minimum) * plot.height()};
}

QPointF ChartFrame::Unmap(const QPointF& position) const {
    return {x.minimum + (position.x() - plot.left()) / plot.width() * (x.maximum - x.minimum),
            y.minimum + (plot.bottom() - position.y()) / plot.height() * (y.maximum - y.minimum)};
}

QFont FigureFont(const ChartFrame& frame, double points, bool bold) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSizeF(std::max(points, 1.0) * frame.pointScale);
    font.setBold(bold);
    return font;
}

QFontMetricsF PainterMetrics(const QPainter& painter) {
    return QFontMetricsF(painter.font(), painter.device());
}

QColor ToQColor(Colour colour) {
    return QColor((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
}

QString ScaleLabel(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

AxisScale AxisRange(const Chart& chart, const Axis& axis, bool horizontal) {
    AxisScale scale;
    if (!axis.automatic && Usable(axis.minimum, axis.maximum)) {
        scale.minimum = axis.minimum;
        scale.maximum = axis.maximum;
    } else {
        std::tie(scale.minimum, scale.maximum) = DataRange(chart, horizontal);
    }
    if (!Usable(scale.minimum, scale.maximum)) {  // data beyond what a double can span
        scale.minimum = 0;
        scale.maximum = 1;
    }
    return scale;
}

ChartFrame LayOutChart(const QPainter& painter, const Chart& chart, const QRectF& area) {
    ChartFrame frame;
    frame.area = area;
    // An inactive painter (a view mapping the mouse between paints) stands for the screen.
    const QTransform t = painter.isActive() ? painter.combinedTransform() : QTransform();
    const double scale = std::sqrt(std::abs(t.determinant()));
    const double deviceScale = std::isfinite(scale) && scale > 0 ? scale : 1;
    QPaintDevice* device = painter.device();
    const double dpi = device ? device->logicalDpiY() : 96;
    frame.pixel = dpi / 96 / deviceScale;
    frame.pointScale = 1 / deviceScale;
    frame.x = AxisRange(chart, chart.bottom, true);
    frame.y = AxisRange(chart, chart.left, false);

    const double px = frame.pixel;
    const QFontMetricsF titleMetrics(FigureFont(frame, kTitlePoints, true), device);
    const QFontMetricsF scaleMetrics(FigureFont(frame, kScalePoints), device);
    const QFontMetricsF axisTitleMetrics(FigureFont(frame, kAxisTitlePoints), device);
    const Axis& left = chart.left;
    const Axis& bottom = chart.bottom;

    double top = kMargin * px;
    if (!chart.title.empty()) top += titleMetrics.height() + kGap * px;
    if (left.visible) top += scaleMetrics.height() / 2;
    double below = kMargin * px;
    if (bottom.visible) {
        below += (kTick + kGap) * px + scaleMetrics.height();
        if (!bottom.title.empty()) below += axisTitleMetrics.height() + kGap * px;
    } else if (left.visible) {
        below += scaleMetrics.height() / 2;
    }
    const double plotHeight = std::max(area.height() - top - below, px);
    SetTicks(frame.y, plotHeight / (scaleMetrics.height() * 2.5));

    double before = kMargin * px;
    if (left.visible) {
        before += WidestLabel(frame.y, scaleMetrics) + (kTick + kGap) * px;
        if (!left.title.empty()) before += axisTitleMetrics.height() + kGap * px;
    }
    const double after = (bottom.visible ? 3 * kMargin : kMargin) * px;
    const double plotWidth = std::max(area.width() - before - after, px);
    // Fewer bottom labels until the widest fits its step with room to spare.
    double target = plotWidth / (60 * px);
    for (int attempt = 0; attempt < 8; ++attempt) {
        SetTicks(frame.x, target);
        const auto& ticks = frame.x.ticks;
        const double room = ticks.size() < 2 ? plotWidth
                                             : (ticks[1] - ticks[0]) /
                                                   (frame.x.maximum - frame.x.minimum) * plotWidth;
        if (WidestLabel(frame.x, scaleMetrics) + 2 * kMargin * px <= room) break;
        target /= 1.5;
    }
    frame.plot = QRectF(area.left() + before, area.top() + top, plotWidth, plotHeight);
    return frame;
}
