#pragma once
// A Qt item model over one kvor::TextTable of the project, for table views of
// any size (influence lines of up to 32766 rows, tendon tables): the view
// reads the table's cells in place, nothing is copied, and writes them in
// place when it was given the table to write.

#include "model/text_table.h"

#include <QAbstractTableModel>

namespace kvor::ui {

class TextTableModel : public QAbstractTableModel {
public:
    // Row 0 of a TextTable holds headings. AsFirstRow shows it as an ordinary
    // first row (a grid without fixed rows); InHeader shows it as the column
    // headings and rows 1..n as the model's rows 0..n-1.
    enum class Headings { AsFirstRow, InHeader };

    // A view that edits `table` unless it is set read-only.
    explicit TextTableModel(TextTable* table, Headings headings = Headings::AsFirstRow,
                            QObject* parent = nullptr);
    // A view of a table it only reads: never editable.
    explicit TextTableModel(const TextTable* table, Headings headings = Headings::AsFirstRow,
                            QObject* parent = nullptr);

    const TextTable* table() const { return table_; }
    // Edits another table (or shows nothing for nullptr).
    void setTable(TextTable* table);
    // The table was changed outside the view (rows added, cells rewritten).
    void reload();

    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_ || !editable_; }

    // The table row that a model row shows.
    int tableRow(int modelRow) const { return headings_ == Headings::InHeader ? modelRow + 1 : modelRow; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const TextTable* table_;
    TextTable* editable_;  // table_ when the view may write it
    Headings headings_;
    bool readOnly_ = false;
};

}  // namespace kvor::ui
