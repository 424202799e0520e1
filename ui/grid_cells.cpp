// Result grid cells drawn with a narrow padding, and columns fitted to them.
#include "ui/grid_cells.h"

#include <QPainter>
#include <algorithm>
#include <vector>

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.canConvert<QBrush>()) painter->fillRect(option.rect, background.value<QBrush>());
    painter->save();
    painter->setFont(option.font);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    painter->setPen(foreground.canConvert<QBrush>() ? foreground.value<QBrush>().color()
                                                    : option.palette.color(QPalette::Text));
    painter->drawText(option.rect.adjusted(kPadding, 0, -kPadding, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize GridCellDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QFontMetrics metrics(option.font);
    const int width = metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    return {width + 2 * kPadding, metrics.height()};
}

void FitColumns(QTableWidget* grid, const Grid& model) {
    const int columns = grid->columnCount();
    std::vector<int> need(columns), width(columns);
    int total = 0, designed = 0;
    for (int c = 0; c < columns; ++c) {
        const int form = model.columnWidths.at(c);
        grid->resizeColumnToContents(c);
        need[c] = grid->columnWidth(c);
        width[c] = std::max(form, need[c]);
        total += width[c];
        designed += form;
    }
    // The room a widened column takes comes from the columns with the most to spare, while
    // they have any, so the grid gets no wider than the grid shows or the form made it.
    const int room = std::max(grid->width() - 2 * grid->frameWidth(), designed);
    while (total > room) {
        int roomiest = 0;
        for (int c = 1; c < columns; ++c)
            if (width[c] - need[c] > width[roomiest] - need[roomiest]) roomiest = c;
        const int spare = width[roomiest] - need[roomiest];
        if (spare <= 0) break;
        const int give = std::min({spare, total - room, 1 + spare / 2});
        width[roomiest] -= give;
        total -= give;
    }
    for (int c = 0; c < columns; ++c) grid->setColumnWidth(c, width[c]);
}
