#pragma once
// A table of text cells, the one table type of the system: store tables,
// entry tables, derivative tables and tendon tables. Row 0 holds headings.
//
// Below the headings each column is held on its own and may be shared with a
// column of another table (shareColumn): working tables of a run take their
// station, eccentricity and force columns from the input and the point loads
// from one another, so 25 tendon tables of 32767 rows hold only what differs.
// A shared column is copied when either table writes to it; a column never
// written holds no memory at all. Copying a table shares all its columns.
//
// Computed numbers (setNumber) are held as values and get their text when a
// cell is first read as text (see TextCell). Several threads may read one
// table at once only through number() and copyCell(), which form no text.

#include "model/text_cell.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

class TextTable {
public:
    TextTable() = default;
    TextTable(int rows, int cols);

    int rowCount() const { return rows_; }
    int colCount() const { return cols_; }

    // Changing the size keeps the cells that stay inside the table; new cells are empty.
    void setRowCount(int rows);
    void setColCount(int cols);
    void resize(int rows, int cols);

    // Out-of-range reads give an empty text, like an empty grid cell.
    std::string_view cell(int row, int col) const
    {
        const TextCell* c = storedCell(row, col);
        return c ? c->view() : std::string_view();
    }
    void setCell(int row, int col, std::string_view text)  // ignored outside the table
    {
        if (inside(row, col))
            writableCell(row, col).assign(text);
    }
    void setCell(int row, int col, const std::string& text) { setCell(row, col, std::string_view(text)); }
    void setCell(int row, int col, const char* text) { setCell(row, col, std::string_view(text)); }
    void setRow(int row, std::initializer_list<std::string_view> texts);

    // Writes a computed value as its 15-digit text (general format) and returns
    // the value that reading that text gives back. Outside the table nothing is
    // written and the value read back is returned all the same.
    long double setNumber(int row, int col, long double value, char decimalSeparator);
    // Rows 1.. of column `col` become the computed numbers `rereadValues` (each
    // already what setNumber returns: roundTo15 of a finite value), the first
    // for row 1; rows beyond them keep their cells. Writes a whole column at once.
    void setNumbers(int col, std::span<const long double> rereadValues, char decimalSeparator);
    // The value of a cell: a computed number as setNumber returned it, a text as
    // parseNumber reads it; nothing for a text that is no number.
    std::optional<long double> number(int row, int col, char decimalSeparator) const;
    // Copies a cell of `from` as it stands (a computed number stays one); a cell
    // outside `from` gives the empty text.
    void copyCell(int row, int col, const TextTable& from, int fromRow, int fromCol);

    // Rows 1.. of column `col` become those of column `fromCol` of `from`, which
    // must have the same row count (headings stay); otherwise nothing changes.
    void shareColumn(int col, const TextTable& from, int fromCol);
    // Whether rows 1.. of the two columns are held once (for tests and measurements).
    bool sharesColumn(int col, const TextTable& other, int otherCol) const;

    bool operator==(const TextTable& other) const;

private:
    struct Column {
        std::vector<TextCell> cells;  // rows 1..rows_-1
    };

    bool inside(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }
    size_t bodyRows() const { return rows_ > 0 ? static_cast<size_t>(rows_ - 1) : 0; }
    TextCell& writableCell(int row, int col);
    // The cell as stored; null outside the table and in a column never written.
    const TextCell* storedCell(int row, int col) const
    {
        if (!inside(row, col))
            return nullptr;
        if (row == 0)
            return &headings_[static_cast<size_t>(col)];
        const Column* column = columns_[static_cast<size_t>(col)].get();
        return column ? &column->cells[static_cast<size_t>(row - 1)] : nullptr;
    }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<TextCell> headings_;                // row 0, one per column
    std::vector<std::shared_ptr<Column>> columns_;  // null: every cell empty
};

}  // namespace kvor
