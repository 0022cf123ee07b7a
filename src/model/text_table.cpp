#include "model/text_table.h"

#include <algorithm>

namespace kvor {

TextTable::TextTable(int rows, int cols)
    : rows_(std::max(rows, 0)), cols_(std::max(cols, 0)),
      cells_(static_cast<size_t>(rows_) * static_cast<size_t>(cols_))
{
}

void TextTable::setRowCount(int rows)
{
    rows = std::max(rows, 0);
    cells_.resize(static_cast<size_t>(rows) * static_cast<size_t>(cols_));
    rows_ = rows;
}

void TextTable::setColCount(int cols) { resize(rows_, cols); }

void TextTable::resize(int rows, int cols)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    if (cols == cols_) {
        setRowCount(rows);
        return;
    }
    std::vector<TextCell> cells(static_cast<size_t>(rows) * static_cast<size_t>(cols));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[static_cast<size_t>(r) * cols + c] = std::move(cells_[static_cast<size_t>(r) * cols_ + c]);
    cells_ = std::move(cells);
    rows_ = rows;
    cols_ = cols;
}

void TextTable::setRow(int row, std::initializer_list<std::string_view> texts)
{
    int col = 0;
    for (std::string_view t : texts)
        setCell(row, col++, t);
}

}  // namespace kvor
