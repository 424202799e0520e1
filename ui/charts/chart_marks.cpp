// Mark texts beside their points.
#include "ui/charts/chart_marks.h"

#include "ui/charts/mark_layout.h"

void PaintMarks(QPainter& painter, const Chart& chart, const ChartFrame& frame) {
    for (const PlacedMark& mark : PlaceMarks(chart, frame, painter.device())) {
        if (mark.box.isEmpty()) continue;
        const QColor colour = ToQColor(mark.colour);
        if (!mark.leader.isNull()) {
            painter.setPen(QPen(colour, frame.pixel));
            painter.drawLine(mark.leader);
        }
        painter.setFont(FigureFont(frame, mark.fontSize));
        painter.setPen(colour);
        if (mark.upright) {
            painter.drawText(mark.box, Qt::AlignCenter, mark.text);
            continue;
        }
        painter.save();
        painter.translate(mark.box.center());
        painter.rotate(-90);
        const QSizeF size = mark.box.size().transposed();
        painter.drawText(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size),
                         Qt::AlignCenter, mark.text);
        painter.restore();
    }
}
