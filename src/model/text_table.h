#pragma once
// A table of text cells, the one table type of the system: store tables,
// entry tables, derivative tables and tendon tables. Row 0 holds headings.

#include "model/text_cell.h"

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
        return inside(row, col) ? cells_[index(row, col)].view() : std::string_view();
    }
    void setCell(int row, int col, std::string_view text)  // ignored outside the table
    {
        if (inside(row, col))
            cells_[index(row, col)].assign(text);
    }
    void setCell(int row, int col, const std::string& text) { setCell(row, col, std::string_view(text)); }
    void setCell(int row, int col, const char* text) { setCell(row, col, std::string_view(text)); }
    void setRow(int row, std::initializer_list<std::string_view> texts);

    bool operator==(const TextTable&) const = default;

private:
    bool inside(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }
    size_t index(int row, int col) const { return static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col); }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<TextCell> cells_;  // row-major
};

}  // namespace kvor
