// The figure view: painting, and pan and zoom by mouse.
#include "ui/charts/figure_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <functional>

#include "ui/charts/chart_painter.h"

namespace {

constexpr int kMinimumDrag = 4;     // pixels; less is a click
constexpr double kWheelZoom = 1.2;  // per notch of the wheel
constexpr double kNotch = 120;      // angle delta of one notch

// Identifies the data of a chart, so the view can tell a new run from a change of view.
std::size_t DataFingerprint(const Chart& chart) {
    std::size_t seed = chart.series.size();
    auto mix = [&](std::size_t value) {
        seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    };
    for (const Series& series : chart.series) {
        mix(series.points.size());
        for (const ChartPoint& p : series.points) {
            mix(std::hash<double>{}(p.x));
            mix(std::hash<double>{}(p.y));
            mix(std::hash<std::string>{}(p.label));
        }
    }
    return seed;
}

void SetRange(Axis& axis, double minimum, double maximum) {
    axis.minimum = minimum;
    axis.maximum = maximum;
    axis.automatic = false;
}

// The range scaled by 1/factor about the value that stays put.
void ZoomAbout(Axis& axis, const AxisScale& now, double fixed, double factor) {
    SetRange(axis, fixed + (now.minimum - fixed) / factor, fixed + (now.maximum - fixed) / factor);
}

}  // namespace

FigureView::FigureView(CalcTable& table, std::string chartName, QWidget* parent)
    : QWidget(parent),
      table_(table),
      chartName_(std::move(chartName)),
      panZoom_(chartName_ == "Chart1") {
    seenData_ = DataFingerprint(chart());
    RememberRunRanges();
}

void FigureView::refresh() {
    NoticeNewData();
    update();
}

void FigureView::NoticeNewData() {
    const std::size_t fingerprint = DataFingerprint(chart());
    if (fingerprint == seenData_) return;
    seenData_ = fingerprint;
    RememberRunRanges();
}

void FigureView::RememberRunRanges() {
    const Chart& c = chart();
    runLeft_ = c.left;
    runBottom_ = c.bottom;
    runRight_ = c.right;
    runTop_ = c.top;
}

void FigureView::ApplyChange() {
    update();
    emit chartChanged();
}

void FigureView::paintEvent(QPaintEvent*) {
    NoticeNewData();
    QPainter painter(this);
    frame_ = LayOutChart(painter, chart(), rect());
    PaintChartInFrame(painter, chart(), frame_);
    if (dragButton_ == Qt::LeftButton) {
        painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
        painter.drawRect(QRect(dragStart_, dragNow_).normalized());
    }
}

void FigureView::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        QWidget::wheelEvent(event);
        return;
    }
    NoticeNewData();
    const ChartFrame frame = LayOutChart(QPainter(), chart(), rect());
    const QPointF fixed = frame.Unmap(event->position());
    const double factor = std::pow(kWheelZoom, delta / kNotch);
    Chart& c = chart();
    ZoomAbout(c.bottom, frame.x, fixed.x(), factor);
    ZoomAbout(c.left, frame.y, fixed.y(), factor);
    // New scale labels may move the plot's edges: follow them so the point stays put.
    for (int pass = 0; pass < 2; ++pass) {
        const ChartFrame now = LayOutChart(QPainter(), c, rect());
        const QPointF drift = now.Unmap(event->position()) - fixed;
        SetRange(c.bottom, now.x.minimum - drift.x(), now.x.maximum - drift.x());
        SetRange(c.left, now.y.minimum - drift.y(), now.y.maximum - drift.y());
    }
    event->accept();
    ApplyChange();
}

void FigureView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    NoticeNewData();
    ReturnToRunRanges();
}

void FigureView::ReturnToRunRanges() {
    Chart& c = chart();
    c.left = runLeft_;
    c.bottom = runBottom_;
    c.right = runRight_;
    c.top = runTop_;
    ApplyChange();
}

void FigureView::mousePressEvent(QMouseEvent* event) {
    if (!panZoom_ || dragButton_ != Qt::NoButton ||
        (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)) {
        QWidget::mousePressEvent(event);
        return;
    }
    NoticeNewData();
    if (frame_.plot.isEmpty() || frame_.area != QRectF(rect()))  // not painted at this size yet
        frame_ = LayOutChart(QPainter(), chart(), rect());
    dragButton_ = event->button();
    dragStart_ = dragNow_ = event->position().toPoint();
    startX_ = frame_.x;
    startY_ = frame_.y;
}

void FigureView::mouseMoveEvent(QMouseEvent* event) {
    if (dragButton_ == Qt::NoButton) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    dragNow_ = event->position().toPoint();
    if (dragButton_ == Qt::RightButton) {
        // The drawing follows the mouse: the ranges move against the drag.
        const QPoint moved = dragNow_ - dragStart_;
        const double dx = -moved.x() / frame_.plot.width() * (startX_.maximum - startX_.minimum);
        const double dy = moved.y() / frame_.plot.height() * (startY_.maximum - startY_.minimum);
        Chart& c = chart();
        SetRange(c.bottom, startX_.minimum + dx, startX_.maximum + dx);
        SetRange(c.left, startY_.minimum + dy, startY_.maximum + dy);
        ApplyChange();
        return;
    }
    update();
}

void FigureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != dragButton_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    dragButton_ = Qt::NoButton;
    dragNow_ = event->position().toPoint();
    const QPoint moved = dragNow_ - dragStart_;
    if (event->button() != Qt::LeftButton || moved.manhattanLength() < kMinimumDrag) {
        update();
        return;
    }
    if (!(moved.x() > 0 && moved.y() > 0)) {
        ReturnToRunRanges();
        return;
    }
    Chart& c = chart();
    const QPointF topLeft = frame_.Unmap(dragStart_);
    const QPointF bottomRight = frame_.Unmap(dragNow_);
    SetRange(c.bottom, topLeft.x(), bottomRight.x());
    SetRange(c.left, bottomRight.y(), topLeft.y());
    ApplyChange();
}
