// Background, title and axes of a chart.
#include "ui/charts/chart_axes.h"

namespace {

using namespace chart_style;

const QColor kGridColour(0xE4, 0xE4, 0xE4);
const QColor kAxisColour(0x40, 0x40, 0x40);

void PaintTitle(QPainter& painter, const Chart& chart, const ChartFrame& frame) {
    if (chart.title.empty()) return;
    painter.setFont(FigureFont(frame, kTitlePoints, true));
    painter.setPen(ToQColor(chart.titleColour));
    const QRectF band(frame.area.left(), frame.area.top() + kMargin * frame.pixel,
                      frame.area.width(), PainterMetrics(painter).height());
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(chart.title));
}

void PaintLeftAxis(QPainter& painter, const Axis& axis, const ChartFrame& frame) {
    const double px = frame.pixel;
    const QRectF& plot = frame.plot;
    painter.setFont(FigureFont(frame, kScalePoints));
    const QFontMetricsF metrics = PainterMetrics(painter);
    for (double v : frame.y.ticks) {
        const double y = frame.Map(frame.x.minimum, v).y();
        painter.setPen(QPen(kGridColour, px));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(QPen(kAxisColour, px));
        painter.drawLine(QPointF(plot.left() - kTick * px, y), QPointF(plot.left(), y));
        const QString text = ScaleLabel(v, frame.y.decimals);
        const double right = plot.left() - (kTick + kGap) * px;
        painter.drawText(QRectF(right - metrics.horizontalAdvance(text), y - metrics.height() / 2,
                                metrics.horizontalAdvance(text), metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter.setPen(QPen(kAxisColour, px));
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    if (axis.title.empty()) return;
    painter.setFont(FigureFont(frame, kAxisTitlePoints));
    const double height = PainterMetrics(painter).height();
    painter.save();
    painter.translate(frame.area.left() + kMargin * px, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), height), Qt::AlignCenter,
                     QString::fromStdString(axis.title));
    painter.restore();
}

void PaintBottomAxis(QPainter& painter, const Axis& axis, const ChartFrame& frame) {
    const double px = frame.pixel;
    const QRectF& plot = frame.plot;
    painter.setFont(FigureFont(frame, kScalePoints));
    const QFontMetricsF metrics = PainterMetrics(painter);
    const double labelTop = plot.bottom() + (kTick + kGap) * px;
    for (double v : frame.x.ticks) {
        const double x = frame.Map(v, frame.y.minimum).x();
        painter.setPen(QPen(kGridColour, px));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(QPen(kAxisColour, px));
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTick * px));
        const QString text = ScaleLabel(v, frame.x.decimals);
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QRectF(x - width / 2, labelTop, width, metrics.height()), Qt::AlignCenter,
                         text);
    }
    painter.setPen(QPen(kAxisColour, px));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    if (axis.title.empty()) return;
    painter.setFont(FigureFont(frame, kAxisTitlePoints));
    painter.drawText(QRectF(plot.left(), labelTop + metrics.height() + kGap * px, plot.width(),
                            PainterMetrics(painter).height()),
                     Qt::AlignCenter, QString::fromStdString(axis.title));
}

}  // namespace

void PaintBackgroundAndAxes(QPainter& painter, const Chart& chart, const ChartFrame& frame) {
    painter.fillRect(frame.area, Qt::white);
    PaintTitle(painter, chart, frame);
    if (chart.left.visible) PaintLeftAxis(painter, chart.left, frame);
    if (chart.bottom.visible) PaintBottomAxis(painter, chart.bottom, frame);
}
