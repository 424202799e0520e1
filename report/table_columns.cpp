// Table columns on the page, wide enough for their texts.
#include "report/table_columns.h"

#include <QFontMetricsF>
#include <algorithm>

#include "report/draw_kekka.h"
#include "report/fixed_pitch.h"

namespace {

constexpr int kCellTextHeight = 11;

// Column edges from the vertical rules; the second rule one unit beside the first column is no
// edge of its own.
std::vector<double> GridEdges(const Chart& chart) {
    std::vector<double> xs;
    if (static_cast<std::size_t>(kVerticalRules) < chart.series.size())
        for (const ChartPoint& p : chart.series[kVerticalRules].points) xs.push_back(p.x);
    std::sort(xs.begin(), xs.end());
    std::vector<double> edges{chart.bottom.minimum};
    for (double x : xs)
        if (x > edges.back() + 1.5) edges.push_back(x);
    if (edges.size() < 2) edges.push_back(chart.bottom.maximum);
    return edges;
}

}  // namespace

QFont TableCellFont() {
    return GothicFont(kCellTextHeight);
}

double TableColumns::PageX(double gridX) const {
    const auto after = std::upper_bound(gridEdges.begin(), gridEdges.end(), gridX);
    const std::size_t k =
        std::clamp<std::size_t>(after - gridEdges.begin(), 1, gridEdges.size() - 1) - 1;
    const double gridWidth = gridEdges[k + 1] - gridEdges[k];
    return pageEdges[k] + (gridX - gridEdges[k]) * (pageEdges[k + 1] - pageEdges[k]) / gridWidth;
}

TableColumns LayOutTableColumns(const ReportChart& table, const QRectF& area) {
    const Chart& chart = table.chart;
    TableColumns columns;
    columns.gridEdges = GridEdges(chart);
    const std::vector<double>& edges = columns.gridEdges;
    const double scale = area.width() / (chart.bottom.maximum - chart.bottom.minimum);
    std::vector<double> widths;
    for (std::size_t k = 0; k + 1 < edges.size(); ++k)
        widths.push_back((edges[k + 1] - edges[k]) * scale);
    if (static_cast<std::size_t>(kCellTexts) < chart.series.size()) {
        const QFontMetricsF metrics(TableCellFont());
        for (const ChartPoint& p : chart.series[kCellTexts].points) {
            const auto after = std::upper_bound(edges.begin(), edges.end(), p.x);
            const std::size_t k =
                std::clamp<std::size_t>(after - edges.begin(), 1, widths.size()) - 1;
            const double need =
                metrics.horizontalAdvance(QString::fromStdString(p.label)) + 2 * kTableCellPadding;
            widths[k] = std::max(widths[k], need);
        }
    }
    columns.pageEdges.push_back(area.left());
    for (double w : widths) columns.pageEdges.push_back(columns.pageEdges.back() + w);
    return columns;
}
