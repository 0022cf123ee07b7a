#include "ui/models/text_cell_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace kvor::ui {

void TextCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->textElideMode = Qt::ElideMiddle;
}

bool TextCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                 const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QStyle* style = view->style();
    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view);
    // The style's own margin on each side of a cell's text.
    const int margins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, &cell, view) + 1);
    const bool cut = cell.fontMetrics.horizontalAdvance(cell.text) > room.width() - margins;
    if (cut)
        QToolTip::showText(event->globalPos(), cell.text, view, cell.rect);
    else
        QToolTip::hideText();
    return true;
}

void useTextCells(QAbstractItemView* view)
{
    view->setItemDelegate(new TextCellDelegate(view));
    view->setTextElideMode(Qt::ElideMiddle);
}

}  // namespace kvor::ui
