#include "model/text_table.h"

#include "model/numbers.h"

#include <algorithm>

namespace kvor {

TextTable::TextTable(int rows, int cols) { resize(rows, cols); }

void TextTable::setRowCount(int rows) { resize(rows, cols_); }

void TextTable::setColCount(int cols) { resize(rows_, cols); }

void TextTable::resize(int rows, int cols)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    headings_.resize(static_cast<size_t>(cols));
    columns_.resize(static_cast<size_t>(cols));
    if (rows == 0)
        std::fill(headings_.begin(), headings_.end(), TextCell());
    const size_t body = rows > 0 ? static_cast<size_t>(rows - 1) : 0;
    for (auto& column : columns_) {
        if (!column || column->cells.size() == body)
            continue;
        if (body == 0) {
            column.reset();
            continue;
        }
        if (column.use_count() > 1) {
            // The other table keeps its cells: this one takes a copy of those it keeps.
            const auto kept = column->cells.begin() + static_cast<std::ptrdiff_t>(std::min(body, column->cells.size()));
            column = std::make_shared<Column>(Column{{column->cells.begin(), kept}});
        }
        column->cells.resize(body);
    }
    rows_ = rows;
    cols_ = cols;
}

void TextTable::setRow(int row, std::initializer_list<std::string_view> texts)
{
    int col = 0;
    for (std::string_view t : texts)
        setCell(row, col++, t);
}

TextCell& TextTable::writableCell(int row, int col)
{
    if (row == 0)
        return headings_[static_cast<size_t>(col)];
    auto& column = columns_[static_cast<size_t>(col)];
    if (!column)
        column = std::make_shared<Column>(Column{std::vector<TextCell>(bodyRows())});
    else if (column.use_count() > 1)
        column = std::make_shared<Column>(*column);  // the other table keeps its cells
    return column->cells[static_cast<size_t>(row - 1)];
}

long double TextTable::setNumber(int row, int col, long double value, char sep)
{
    // Only the rounded value now; the text when someone reads it.
    const long double reread = roundTo15(value);
    if (inside(row, col))
        writableCell(row, col).assignNumber(reread, sep);
    return reread;
}

void TextTable::setNumbers(int col, std::span<const long double> values, char sep)
{
    if (col < 0 || col >= cols_)
        return;
    const size_t count = std::min(values.size(), bodyRows());
    if (count == 0)
        return;
    auto& column = columns_[static_cast<size_t>(col)];
    if (!column && count == bodyRows()) {
        // A column never written is built straight from the values.
        auto fresh = std::make_shared<Column>();
        fresh->cells.reserve(count);
        for (size_t i = 0; i < count; ++i)
            fresh->cells.emplace_back().assignNumber(values[i], sep);
        column = std::move(fresh);
        return;
    }
    for (size_t i = 0; i < count; ++i)
        writableCell(static_cast<int>(i) + 1, col).assignNumber(values[i], sep);
}

std::optional<long double> TextTable::number(int row, int col, char sep) const
{
    const TextCell* c = storedCell(row, col);
    if (c && c->holdsNumber())
        return c->number();
    return parseNumber(c ? c->view() : std::string_view(), sep);
}

void TextTable::copyCell(int row, int col, const TextTable& from, int fromRow, int fromCol)
{
    if (!inside(row, col))
        return;
    const TextCell* c = from.storedCell(fromRow, fromCol);
    TextCell copy = c ? *c : TextCell();  // before writing: `from` may be this table
    writableCell(row, col) = std::move(copy);
}

void TextTable::shareColumn(int col, const TextTable& from, int fromCol)
{
    if (col < 0 || col >= cols_ || fromCol < 0 || fromCol >= from.cols_ || from.rows_ != rows_)
        return;
    columns_[static_cast<size_t>(col)] = from.columns_[static_cast<size_t>(fromCol)];
}

bool TextTable::sharesColumn(int col, const TextTable& other, int otherCol) const
{
    if (col < 0 || col >= cols_ || otherCol < 0 || otherCol >= other.cols_)
        return false;
    const auto& mine = columns_[static_cast<size_t>(col)];
    return mine && mine == other.columns_[static_cast<size_t>(otherCol)];
}

bool TextTable::operator==(const TextTable& other) const
{
    if (rows_ != other.rows_ || cols_ != other.cols_)
        return false;
    for (int c = 0; c < cols_; ++c)
        for (int r = 0; r < rows_; ++r)
            if (cell(r, c) != other.cell(r, c))
                return false;
    return true;
}

}  // namespace kvor
