#include "ui/widgets/entry_grid.h"

#include "ui/models/text_cell_delegate.h"
#include "ui/models/text_table_model.h"

#include <QHeaderView>
#include <QTableView>

namespace kvor::ui {

QTableView* makeEntryGrid(QWidget* parent, const QString& name, TextTableModel* model)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setModel(model);
    useTextCells(grid);
    // A one-pixel frame: the sizes of the grids are those of their cells.
    grid->setFrameStyle(QFrame::Box | QFrame::Plain);
    grid->setLineWidth(1);
    grid->verticalHeader()->hide();
    QHeaderView* top = grid->horizontalHeader();
    top->setMinimumSectionSize(10);
    top->setDefaultSectionSize(kGridColumnPitch);
    top->setSectionResizeMode(QHeaderView::Fixed);
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    top->setFixedHeight(kGridRowPitch);
    top->setHighlightSections(false);
    QHeaderView* side = grid->verticalHeader();
    side->setMinimumSectionSize(10);
    // Fixed uniform rows keep a table of 32 000 rows as cheap as one of 3.
    side->setDefaultSectionSize(kGridRowPitch);
    side->setSectionResizeMode(QHeaderView::Fixed);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid->setTabKeyNavigation(true);
    grid->setWordWrap(false);
    return grid;
}

void placeGrid(QTableView* grid, const QRect& geometry, bool verticalScrollBar)
{
    grid->setVerticalScrollBarPolicy(verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    grid->setGeometry(geometry);
}

void showOnly(QWidget* control)
{
    control->setAttribute(Qt::WA_TransparentForMouseEvents);
    control->setFocusPolicy(Qt::NoFocus);
    for (QWidget* child : control->findChildren<QWidget*>()) {
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
        child->setFocusPolicy(Qt::NoFocus);
    }
}

}  // namespace kvor::ui
