// Result grid cells drawn with a narrow padding.
#include "ui/grid_cells.h"

#include <QPainter>

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.canConvert<QBrush>()) painter->fillRect(option.rect, background.value<QBrush>());
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(QPalette::Text));
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
