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

#include "model/text_cell.h"

#include <memory>
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
        if (!inside(row, col))
            return {};
        if (row == 0)
            return headings_[static_cast<size_t>(col)].view();
        const Column* column = columns_[static_cast<size_t>(col)].get();
        return column ? column->cells[static_cast<size_t>(row - 1)].view() : std::string_view();
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

    int rows_ = 0;
    int cols_ = 0;
    std::vector<TextCell> headings_;                // row 0, one per column
    std::vector<std::shared_ptr<Column>> columns_;  // null: every cell empty
};

}  // namespace kvor
