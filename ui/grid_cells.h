// How the result grids draw a cell: its background and its text, one pixel in from the left,
// so that a column of the form's width holds the widest numbers of its kind.
#pragma once

#include <QStyledItemDelegate>

class GridCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The pixels a cell keeps free each side of its text.
    static constexpr int kPadding = 1;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The text's width in the grid's font with the padding; the height of one line.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
