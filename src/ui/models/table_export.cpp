#include "ui/models/table_export.h"

#include "model/error.h"
#include "results/csv.h"
#include "ui/export_name.h"
#include "ui/message_service.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>

#include <algorithm>
#include <string>
#include <vector>

namespace kvor::ui {

namespace {

std::string cellText(const QAbstractItemModel& model, int row, int column)
{
    return model.data(model.index(row, column), Qt::DisplayRole).toString().toStdString();
}

void copySelection(const QTableView& view)
{
    const QString text = selectionAsText(view);
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void saveAsCsv(QTableView& view, MessageService& messages)
{
    const QString proposed = proposedExportPath(view, QStringLiteral("tabulka"), QStringLiteral(".csv"));
    const QString path = messages.chooseSaveFile(QStringLiteral("Uložit jako CSV"), proposed,
                                                 QStringLiteral("Tabulka CSV (*.csv)"));
    if (path.isEmpty())
        return;
    messages.runCommand([&] {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw Error("Soubor „" + path.toStdString() + "“ nelze zapsat: " + file.errorString().toStdString());
        const QByteArray bytes = tableAsCsv(view);
        if (file.write(bytes) != bytes.size() || !file.flush())
            throw Error("Soubor „" + path.toStdString() + "“ nelze zapsat: " + file.errorString().toStdString());
    });
}

}  // namespace

QString selectionAsText(const QTableView& view)
{
    const QAbstractItemModel* model = view.model();
    const QItemSelectionModel* selection = view.selectionModel();
    if (!model || !selection || !selection->hasSelection())
        return {};
    const QModelIndexList cells = selection->selectedIndexes();
    if (cells.isEmpty())
        return {};
    int top = cells.front().row(), bottom = top, left = cells.front().column(), right = left;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    std::vector<std::vector<std::string>> records(static_cast<size_t>(bottom - top + 1),
                                                  std::vector<std::string>(static_cast<size_t>(right - left + 1)));
    for (const QModelIndex& cell : cells)
        records[static_cast<size_t>(cell.row() - top)][static_cast<size_t>(cell.column() - left)] =
            cellText(*model, cell.row(), cell.column());
    return QString::fromStdString(delimitedText(records, '\t', "\n"));
}

QByteArray tableAsCsv(const QTableView& view)
{
    const QAbstractItemModel* model = view.model();
    std::vector<std::vector<std::string>> records;
    if (!model)
        return {};
    const int columns = model->columnCount();
    if (!view.horizontalHeader()->isHidden()) {
        std::vector<std::string> headings;
        for (int c = 0; c < columns; ++c)
            headings.push_back(model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
        records.push_back(std::move(headings));
    }
    for (int r = 0; r < model->rowCount(); ++r) {
        std::vector<std::string> record;
        record.reserve(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c)
            record.push_back(cellText(*model, r, c));
        records.push_back(std::move(record));
    }
    const std::string text = std::string(kCsvByteOrderMark) + delimitedText(records, kCsvDelimiter, "\r\n");
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

void addTableExport(QTableView* view, MessageService& messages)
{
    auto* copy = new QAction(QStringLiteral("Kopírovat"), view);
    copy->setObjectName(QStringLiteral("copyAction"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QAction::triggered, view, [view] { copySelection(*view); });
    view->addAction(copy);

    auto* csv = new QAction(QStringLiteral("Uložit jako CSV…"), view);
    csv->setObjectName(QStringLiteral("saveCsvAction"));
    QObject::connect(csv, &QAction::triggered, view, [view, &messages] { saveAsCsv(*view, messages); });
    view->addAction(csv);

    view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace kvor::ui
