#pragma once
// The one rule for the cells of every table: a text too long for its cell is
// cut in the middle, so that a number keeps its sign, its first digits and
// its exponent ("-1,182…546E-7" never reads as about 1,18), and the whole
// text comes up as the cell's tooltip. A text that fits has no tooltip.

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace kvor::ui {

class TextCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// Gives the table's cells the rule above.
void useTextCells(QAbstractItemView* view);

}  // namespace kvor::ui
