#pragma once
// Tables out of the program: every table view gets a context menu with
// "Kopírovat" (the selection as TAB-separated text for a spreadsheet; also
// Ctrl+C) and "Uložit jako CSV…" (the whole table, ';' between fields, the
// numbers as shown, with the locale's decimal separator).

#include <QString>

class QAbstractItemView;
class QTableView;

namespace kvor::ui {

class MessageService;

void addTableExport(QTableView* view, MessageService& messages);

// The selected cells' bounding rectangle as TAB-separated lines (cells inside
// it that are not selected stay empty); empty without a selection.
QString selectionAsText(const QTableView& view);
// The whole table, the visible column headings first, as CSV bytes (UTF-8 with
// a byte-order mark, CR LF line ends).
QByteArray tableAsCsv(const QTableView& view);

}  // namespace kvor::ui
