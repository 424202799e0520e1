// How the result grids draw a cell: its background and its text (in the cell's own colour
// where it has one), one pixel in from the left,
// so that a column of the form's width holds the widest numbers of its kind; and columns
// widened where a cell needs more.
#pragma once

#include <QStyledItemDelegate>
#include <QTableWidget>

#include "calc/calc_table.h"

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

// Makes every column of the grid at least as wide as its widest cell in the grid's font: the
// model's width where that is enough, more where a value needs it, taken from the columns
// with the most to spare while the grid has no room for it.
void FitColumns(QTableWidget* grid, const Grid& model);
