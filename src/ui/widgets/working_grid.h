#pragma once
// A read-only grid over one working table of the last evaluation (derivative
// tables, tendon tables). The grid reads the table's cells through the shared
// table model, so even 32767 rows cost no widget per cell. Row 0 of the table
// (the headings) is the grid's fixed top row and the points are numbered from
// 1; rows have a fixed height, and the columns start at a fixed width, or
// wider where their heading needs it, which the user may widen to read a long
// number.

#include "model/text_table.h"

#include <QTableView>

namespace kvor::ui {

class TextTableModel;

class WorkingGrid : public QTableView {
    Q_OBJECT
public:
    WorkingGrid(const QString& name, const TextTable* table, int columnWidth, int rowHeight, QWidget* parent);

    // The row height of every result window's grids.
    static constexpr int kRowHeight = 20;

    // The table was rebuilt by a run: show its rows anew.
    void reload();

    // The width of a column headed `heading`: the grid's column width, or what
    // the heading needs to be read whole.
    int columnWidthFor(const QString& heading) const;

    TextTableModel* tableModel() const { return model_; }

private:
    TextTableModel* model_;
    int columnWidth_;
};

}  // namespace kvor::ui
