#pragma once
// The grids of the entry dialogs and store windows: a table view over a
// TextTable of the project or of a dialog, row 0 of the table shown as the
// column headings (so they stay in sight while 32 000 rows scroll), cells of
// 85 pixels and rows of 25 pixels with 2-pixel grid lines, Tab moving from
// cell to cell.

#include <QRect>

class QString;
class QTableView;
class QWidget;

namespace kvor::ui {

class TextTableModel;

// Width of a column and height of a row, grid line included.
constexpr int kGridColumnPitch = 87;
constexpr int kGridRowPitch = 27;

// A grid named `name` showing `model` (whose headings are InHeader).
QTableView* makeEntryGrid(QWidget* parent, const QString& name, TextTableModel* model);

// Places a grid and gives it a vertical scroll bar or none.
void placeGrid(QTableView* grid, const QRect& geometry, bool verticalScrollBar);

// A control of a store window that shows the project and takes no input,
// without the greyed look of a disabled one.
void showOnly(QWidget* control);

}  // namespace kvor::ui
