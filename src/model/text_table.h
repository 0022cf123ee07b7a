#pragma once
// A table of text cells, the one table type of the system: store tables,
// entry tables, derivative tables and tendon tables. Row 0 holds headings.

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
    std::string_view cell(int row, int col) const;
    void setCell(int row, int col, std::string_view text);  // ignored outside the table
    void setCell(int row, int col, std::string&& text);
    void setCell(int row, int col, const char* text) { setCell(row, col, std::string_view(text)); }
    void setRow(int row, std::initializer_list<std::string_view> texts);

    bool operator==(const TextTable&) const = default;

private:
    int rows_ = 0;
    int cols_ = 0;
    std::vector<std::string> cells_;  // row-major
};

}  // namespace kvor
