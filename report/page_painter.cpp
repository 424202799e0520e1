// Paints a report page: sheet, frame, title band, text, charts and tables.
#include "report/page_painter.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <algorithm>

#include "report/draw_kekka.h"
#include "report/fixed_pitch.h"
#include "report/table_columns.h"
#include "ui/charts/chart_frame.h"
#include "ui/charts/chart_painter.h"

namespace {

constexpr double kBandHeight = Mm(10.6);
constexpr int kTitleHeight = 16;
constexpr int kChartTitleHeight = 13;
constexpr int kMarginTextHeight = 11;
constexpr double kMarginTextGap = Mm(2);  // between the frame and the header or footer

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

double FixedPitchWidth(const QString& text, int pixelHeight) {
    return ColumnsOf(text) * pixelHeight / 2.0;
}

// The header ends at the frame's right edge above it; the page number stands centred below.
void PaintMarginTexts(QPainter& painter, const ReportPage& page, const QRectF& frame) {
    const QFont font = MinchoFont(kMarginTextHeight);
    if (!page.header.empty()) {
        const QString header = Q(page.header);
        const double left =
            std::max(frame.left(), frame.right() - FixedPitchWidth(header, kMarginTextHeight));
        DrawFixedPitch(painter, font, left, frame.top() - kMarginTextGap - kMarginTextHeight,
                       header);
    }
    if (!page.footer.empty()) {
        const QString footer = Q(page.footer);
        DrawFixedPitch(painter, font,
                       frame.center().x() - FixedPitchWidth(footer, kMarginTextHeight) / 2,
                       frame.bottom() + kMarginTextGap, footer);
    }
}

void PaintLines(QPainter& painter, const QFont& font, double left, double top,
                const std::vector<std::string>& lines) {
    const double pitch = font.pixelSize();
    for (std::size_t i = 0; i < lines.size(); ++i)
        DrawFixedPitch(painter, font, left, top + pitch * static_cast<double>(i), Q(lines[i]));
}

// A grid chart as a table: the rule series as connected lines, each cell text centred just
// above the lower rule of its row. The plot area keeps the chart's usual margins; a column too
// narrow for a text there grows to hold it.
void PaintTable(QPainter& painter, const ReportChart& table) {
    const Chart& chart = table.chart;
    QRectF area(table.left, table.top, table.width, table.height);
    if (!chart.title.empty()) {
        const QFont font = MinchoFont(kChartTitleHeight);
        const double titleWidth = FixedPitchWidth(Q(chart.title), kChartTitleHeight);
        DrawFixedPitch(painter, font, area.center().x() - titleWidth / 2, area.top() + 2,
                       Q(chart.title));
        area.setTop(area.top() + kChartTitleHeight * 1.5);
    }
    area.adjust(area.width() * 0.03, area.height() * 0.04, -area.width() * 0.03,
                -area.height() * 0.04);
    const Axis& x = chart.bottom;
    const Axis& y = chart.left;
    if (x.maximum <= x.minimum || y.maximum <= y.minimum) return;
    const TableColumns columns = LayOutTableColumns(table, area);
    auto at = [&](const ChartPoint& p) {
        return QPointF(columns.PageX(p.x),
                       area.top() + (y.maximum - p.y) / (y.maximum - y.minimum) * area.height());
    };

    for (int index : {kHorizontalRules, kVerticalRules}) {
        if (static_cast<std::size_t>(index) >= chart.series.size()) continue;
        const Series& rules = chart.series[index];
        painter.setPen(QPen(ToQColor(rules.colour), 1));
        for (std::size_t i = 1; i < rules.points.size(); ++i)
            painter.drawLine(at(rules.points[i - 1]), at(rules.points[i]));
    }
    if (static_cast<std::size_t>(kCellTexts) >= chart.series.size()) return;
    const QFont font = TableCellFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    for (const ChartPoint& p : chart.series[kCellTexts].points) {
        const QString text = Q(p.label);
        const QPointF point = at(p);
        painter.setPen(ToQColor(p.colour));
        painter.drawText(QPointF(point.x() - metrics.horizontalAdvance(text) / 2,
                                 point.y() - 2 - metrics.descent()),
                         text);
    }
}

}  // namespace

QPageLayout ReportPageLayout(const ReportPage& page) {
    QPageLayout layout(
        QPageSize(QPageSize::A4),
        page.orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

void PaintReportPage(QPainter& painter, const ReportPage& page) {
    painter.save();
    const QPaintDevice* device = painter.device();
    painter.scale(device->logicalDpiX() / kReportDpi, device->logicalDpiY() / kReportDpi);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, page.Width(), page.Height()), Qt::white);

    const Margins& m = page.margins;
    const QRectF printable(m.left, m.top, page.Width() - m.left - m.right,
                           page.Height() - m.top - m.bottom);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(printable);
    const double bandBottom = printable.top() + kBandHeight;
    painter.drawLine(QPointF(printable.left(), bandBottom), QPointF(printable.right(), bandBottom));
    DrawFixedPitch(painter, MinchoFont(kTitleHeight), printable.left() + Mm(4.2),
                   printable.top() + Mm(3.2), Q(page.title));
    PaintMarginTexts(painter, page, printable);

    for (const PageText& text : page.texts)
        PaintLines(painter, MinchoFont(text.fontHeight), text.left, text.top, text.lines);
    for (const TextBox& box : page.textBoxes)
        PaintLines(painter, GothicFont(box.fontHeight), box.left, box.top, box.lines);
    for (const ReportChart& chart : page.charts) {
        painter.save();
        if (chart.showsGrid)
            PaintTable(painter, chart);
        else
            PaintChart(painter, chart.chart,
                       QRectF(chart.left, chart.top, chart.width, chart.height));
        painter.restore();
    }
    painter.restore();
}
