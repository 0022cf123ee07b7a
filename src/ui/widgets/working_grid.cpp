#include "ui/widgets/working_grid.h"

#include "ui/models/text_cell_delegate.h"
#include "ui/models/text_table_model.h"

#include <QHeaderView>
#include <QStyle>

#include <algorithm>

namespace kvor::ui {

WorkingGrid::WorkingGrid(const QString& name, const TextTable* table, int columnWidth, int rowHeight, QWidget* parent)
    : QTableView(parent),
      model_(new TextTableModel(table, TextTableModel::Headings::InHeader, this)),
      columnWidth_(columnWidth)
{
    setObjectName(name);
    setModel(model_);
    useTextCells(this);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);

    // Fixed sections keep the header from measuring every row of a long table.
    QHeaderView* rows = verticalHeader();
    rows->setMinimumSectionSize(10);
    rows->setDefaultSectionSize(rowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* columns = horizontalHeader();
    columns->setMinimumSectionSize(10);
    columns->setDefaultSectionSize(columnWidth);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setFixedHeight(rowHeight);
}

void WorkingGrid::reload()
{
    model_->reload();
    for (int c = 0; c < model_->columnCount(); ++c)
        horizontalHeader()->resizeSection(c, columnWidthFor(model_->headerData(c, Qt::Horizontal).toString()));
}

int WorkingGrid::columnWidthFor(const QString& heading) const
{
    const QHeaderView* columns = horizontalHeader();
    const int margin = columns->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, columns);
    return std::max(columnWidth_, columns->fontMetrics().horizontalAdvance(heading) + 2 * margin + 4);
}

}  // namespace kvor::ui
