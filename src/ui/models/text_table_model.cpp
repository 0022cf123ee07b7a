#include "ui/models/text_table_model.h"

#include "ui/qt_text.h"

#include <algorithm>

namespace kvor::ui {

TextTableModel::TextTableModel(TextTable* table, Headings headings, QObject* parent)
    : QAbstractTableModel(parent), table_(table), editable_(table), headings_(headings)
{
}

TextTableModel::TextTableModel(const TextTable* table, Headings headings, QObject* parent)
    : QAbstractTableModel(parent), table_(table), editable_(nullptr), headings_(headings)
{
}

void TextTableModel::setTable(TextTable* table)
{
    beginResetModel();
    table_ = table;
    editable_ = table;
    endResetModel();
}

void TextTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

void TextTableModel::setReadOnly(bool readOnly)
{
    if (readOnly_ == readOnly)
        return;
    readOnly_ = readOnly;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {});
}

int TextTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !table_)
        return 0;
    const int rows = table_->rowCount();
    return headings_ == Headings::InHeader ? std::max(rows - 1, 0) : rows;
}

int TextTableModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !table_)
        return 0;
    return table_->colCount();
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const
{
    if (!table_ || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return toQString(table_->cell(tableRow(index.row()), index.column()));
}

bool TextTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!editable_ || !index.isValid() || role != Qt::EditRole || readOnly_)
        return false;
    const std::string text = value.toString().toStdString();
    const int row = tableRow(index.row());
    if (table_->cell(row, index.column()) == text)
        return true;
    editable_->setCell(row, index.column(), text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!isReadOnly())
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || !table_)
        return {};
    if (orientation == Qt::Vertical)
        return QString::number(tableRow(section));
    if (headings_ == Headings::InHeader)
        return toQString(table_->cell(0, section));
    return QString::number(section + 1);
}

}  // namespace kvor::ui
