#include "ui/widgets/working_grid.h"

#include "ui/models/text_table_model.h"

#include <QHeaderView>

namespace kvor::ui {

WorkingGrid::WorkingGrid(const QString& name, TextTable* table, int columnWidth, int rowHeight, QWidget* parent)
    : QTableView(parent), model_(new TextTableModel(table, TextTableModel::Headings::InHeader, this))
{
    setObjectName(name);
    model_->setReadOnly(true);
    setModel(model_);
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
}

}  // namespace kvor::ui
