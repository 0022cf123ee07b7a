#include "ui/models/text_table_model.h"
#include "ui/widgets/working_grid.h"
#include "ui/models/text_cell_delegate.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHelpEvent>
#include <QHeaderView>
#include <QToolTip>
#include <QStringList>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

TextTable sampleTable()
{
    TextTable table(3, 2);
    table.setRow(0, {"Staničení [m]", "Pořadnice"});
    table.setRow(1, {"0", "1,5"});
    table.setRow(2, {"10", "-0,25"});
    return table;
}

TEST(TextTableModel, HeadingsAsTheFirstOrdinaryRow)
{
    TextTable table = sampleTable();
    TextTableModel model(&table);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), "Staničení [m]");
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), "-0,25");
}

TEST(TextTableModel, HeadingsInTheHeaderShiftTheRows)
{
    TextTable table = sampleTable();
    TextTableModel model(&table, TextTableModel::Headings::InHeader);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Pořadnice");
    EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(), "1");
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), "1,5");
    ASSERT_TRUE(model.setData(model.index(1, 0), "12,5"));
    EXPECT_EQ(table.cell(2, 0), "12,5");
}

TEST(TextTableModel, EditsWriteTheTableInPlace)
{
    TextTable table = sampleTable();
    TextTableModel model(&table);
    int changes = 0;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&] { ++changes; });
    ASSERT_TRUE(model.setData(model.index(1, 1), "ř 2,75"));
    EXPECT_EQ(table.cell(1, 1), "ř 2,75");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(model.flags(model.index(1, 1)) & Qt::ItemIsEditable);
}

TEST(TextTableModel, ReadOnlyRefusesEdits)
{
    TextTable table = sampleTable();
    TextTableModel model(&table);
    model.setReadOnly(true);
    EXPECT_FALSE(model.flags(model.index(1, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(1, 1), "7"));
    EXPECT_EQ(table.cell(1, 1), "1,5");
}

TEST(TextTableModel, ReloadShowsRowsAddedOutsideAndLargeTablesStayCheap)
{
    TextTable table = sampleTable();
    TextTableModel model(&table, TextTableModel::Headings::InHeader);
    table.setRowCount(32767);
    table.setCell(32766, 0, "99");
    model.reload();
    EXPECT_EQ(model.rowCount(), 32766);
    EXPECT_EQ(model.data(model.index(32765, 0)).toString(), "99");

    model.setTable(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.data(model.index(0, 0)).isValid());
}

// Qt's own model tester watches the model through every change a view sees:
// edits, a table that grew outside, another table, no table.
TEST(TextTableModel, KeepsQtsModelRulesThroughEveryChange)
{
    static QStringList complaints;
    complaints.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { complaints << text; });
    for (const auto headings : {TextTableModel::Headings::AsFirstRow, TextTableModel::Headings::InHeader}) {
        TextTable table = sampleTable();
        TextTable other = sampleTable();
        other.setRowCount(40);
        TextTableModel model(&table, headings);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
        model.setData(model.index(1, 1), "7,5");
        table.setRowCount(5);
        model.reload();
        model.setReadOnly(true);
        model.setTable(&other);
        model.setTable(nullptr);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(complaints.isEmpty()) << complaints.join(QStringLiteral("\n")).toStdString();
}

// A cell too narrow for its number is cut in the middle, so the exponent stays
// in sight, and tells the whole number as its tooltip; a cell that fits has none.
TEST(TextCells, ACutNumberKeepsItsExponentAndTellsItsWholeText)
{
    TextTable table(2, 2);
    table.setRow(0, {"x", "y"});
    table.setRow(1, {"1", "-1,18228641169546E-7"});
    WorkingGrid grid(QStringLiteral("StringGrid1"), &table, 60, 20, nullptr);
    grid.resize(300, 100);
    grid.show();
    grid.reload();
    QStyleOptionViewItem option;
    option.initFrom(&grid);
    struct Probe : TextCellDelegate {
        using TextCellDelegate::initStyleOption;
    } probe;
    probe.initStyleOption(&option, grid.model()->index(0, 1));
    EXPECT_EQ(option.textElideMode, Qt::ElideMiddle);

    const auto tooltipAt = [&](int column) {
        const QRect cell = grid.visualRect(grid.model()->index(0, column));
        QHelpEvent help(QEvent::ToolTip, cell.center(), grid.viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(grid.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tooltipAt(0), "");
    EXPECT_EQ(tooltipAt(1), "-1,18228641169546E-7");
    QToolTip::hideText();
}

}  // namespace
}  // namespace kvor::ui
