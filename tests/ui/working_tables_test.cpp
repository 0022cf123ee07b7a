// The working-table windows: the 25 tendon tables and the five derivative
// tables of the last run, shown through the shared table model.

#include "support/result_test_support.h"
#include "support/shell_test_support.h"
#include "support/ui_test_support.h"

#include "evaluation/evaluation_run.h"
#include "evaluation/tendon_effect.h"
#include "ui/application_shell.h"
#include "ui/pages/navigation.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/working_grid.h"

#include <QHeaderView>
#include "ui/windows/derivative_tables_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"
#include "ui/windows/tendon_tables_window.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <iostream>

namespace kvor::ui {
namespace {

using testing::control;

QString cellText(const QTableView& grid, int modelRow, int column)
{
    return grid.model()->index(modelRow, column).data().toString();
}

QString headingText(const QTableView& grid, int column)
{
    return grid.model()->headerData(column, Qt::Horizontal).toString();
}

class WorkingTablesTest : public ::testing::Test {
protected:
    void evaluateTwoByTwo()
    {
        testing::enterQuantity(ui.project, 0, "Ohybový moment", "", {{"0", "0"}, {"10", "2,5"}, {"20", "0"}});
        testing::enterQuantity(ui.project, 2, "Reakce", "", {{"0", "1"}, {"20", "0"}});
        testing::enterStraightTendon(ui.project, 0, {"0", "20", "0,3", "-1000"});
        testing::enterBrokenTendon(ui.project, 1, {{"0", "0"}, {"10", "0,4"}, {"20", "0"}}, {"-800", "-800"});
        evaluateProject(ui.project, ',');
    }
    RadioGroup* typeGroup(int t) { return control<RadioGroup>(tendonTables, QString("RadioGroup%1").arg(t + 1).toUtf8()); }

    testing::UiContext ui;
    DerivativeTablesWindow derivativeTables{ui.context};
    TendonTablesWindow tendonTables{ui.context};
};

TEST_F(WorkingTablesTest, TwentyFiveGridsOfNineColumnsUnderTheirHeadingsAndTypeGroups)
{
    for (int q = 0; q < kSlotCount; ++q) {
        EXPECT_EQ(control<QLabel>(tendonTables, QString("Label%1").arg(1 + q).toUtf8())->text(),
                  QString("%1.veličina").arg(q + 1));
        for (int t = 0; t < kSlotCount; ++t) {
            const QString name = QString("StringGrid%1").arg(5 * q + t + 1);
            auto* grid = control<WorkingGrid>(tendonTables, name.toUtf8());
            ASSERT_EQ(grid, tendonTables.grid(q, t)) << name.toStdString();
            EXPECT_EQ(grid->model()->columnCount(), 9);
            EXPECT_EQ(grid->model()->rowCount(), 4);  // 5 rows with the headings
            EXPECT_EQ(grid->columnWidth(8), 40);
            EXPECT_EQ(grid->rowHeight(0), 20);
            EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        }
    }
    for (int t = 0; t < kSlotCount; ++t) {
        EXPECT_EQ(control<QLabel>(tendonTables, QString("Label%1").arg(6 + t).toUtf8())->text(),
                  QString("%1.kabel").arg(t + 1));
        EXPECT_EQ(control<QLabel>(tendonTables, QString("Label%1").arg(11 + t).toUtf8())->text(),
                  "Pro přímý kabel a lomený");
        RadioGroup* group = typeGroup(t);
        EXPECT_EQ(group->title(), "Typ kabelu");
        ASSERT_EQ(group->itemCount(), 5);
        EXPECT_EQ(group->item(2)->text(), "parabolický prostý");
        EXPECT_EQ(group->itemIndex(), -1) << "no type before the first run";
    }
    EXPECT_EQ(control<QPushButton>(tendonTables, "Button1")->text(), "Zpět");
}

TEST_F(WorkingTablesTest, TheTendonTablesShowTheRunPointByPointAndTheStraightTendonsType)
{
    evaluateTwoByTwo();
    tendonTables.show();
    const TextTable& straight = ui.project.results.tendonTables[0][0];
    const WorkingGrid& grid1 = *tendonTables.grid(0, 0);
    ASSERT_EQ(grid1.model()->rowCount(), straight.rowCount() - 1);
    for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(headingText(grid1, c), QString::fromUtf8(kTendonTableHeadings[static_cast<size_t>(c)]));
        EXPECT_GT(grid1.columnWidth(c), grid1.horizontalHeader()->fontMetrics().horizontalAdvance(headingText(grid1, c)))
            << "heading " << c << " is cut";
        for (int r = 1; r < straight.rowCount(); ++r)
            EXPECT_EQ(cellText(grid1, r - 1, c), QString::fromStdString(std::string(straight.cell(r, c))));
    }
    // Quantity 3, tendon 2: grid 12.
    const TextTable& broken = ui.project.results.tendonTables[2][1];
    EXPECT_EQ(tendonTables.grid(2, 1)->objectName(), "StringGrid12");
    EXPECT_EQ(tendonTables.grid(2, 1)->model()->rowCount(), broken.rowCount() - 1);
    EXPECT_EQ(cellText(*tendonTables.grid(2, 1), 1, 1), QString::fromStdString(std::string(broken.cell(2, 1))));

    EXPECT_EQ(typeGroup(0)->itemIndex(), 0);  // "přímý kabel"
    EXPECT_EQ(typeGroup(1)->itemIndex(), -1);
    // The note under a column says which points its tables list.
    ui.project.tendons[1].type = TendonType::Combined;
    tendonTables.loadFromModel();
    EXPECT_EQ(control<QLabel>(tendonTables, "Label11")->text(), "Pro přímý kabel a lomený");
    EXPECT_EQ(control<QLabel>(tendonTables, "Label12")->text(), "Parabola nahrazena D tětivami: body tětiv");
    EXPECT_EQ(tendonTables.grid(1, 0)->model()->rowCount(), 4) << "quantity 2 was not evaluated";
}

TEST_F(WorkingTablesTest, TheDerivativeTablesShowStationsAndSlopes)
{
    EXPECT_EQ(derivativeTables.size(), QSize(1200, 520));
    for (int q = 0; q < kSlotCount; ++q) {
        EXPECT_EQ(control<QLabel>(derivativeTables, QString("Label%1").arg(q + 1).toUtf8())->text(),
                  QString("%1. veličina").arg(q + 1));
        auto* grid = control<WorkingGrid>(derivativeTables, QString("StringGrid%1").arg(q + 1).toUtf8());
        ASSERT_EQ(grid, derivativeTables.grid(q));
        EXPECT_EQ(grid->model()->columnCount(), 2);
        EXPECT_EQ(grid->model()->rowCount(), 19);  // 20 rows with the headings
    }
    EXPECT_EQ(control<QPushButton>(derivativeTables, "Button1")->text(), "Button1");

    evaluateTwoByTwo();
    derivativeTables.show();
    const WorkingGrid& grid = *derivativeTables.grid(0);
    ASSERT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(headingText(grid, 0), "Staničení");
    EXPECT_EQ(headingText(grid, 1), "Derivace příč.č.");
    const QStringList stations = {"0", "10", "20"}, slopes = {"0,25", "0", "-0,25"};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(cellText(grid, r, 0), stations[r]);
        EXPECT_EQ(cellText(grid, r, 1), slopes[r]);
    }
    EXPECT_EQ(derivativeTables.grid(1)->model()->rowCount(), 19) << "quantity 2 was not evaluated";
}

TEST_F(WorkingTablesTest, ClosingAWorkingWindowGoesBackInsteadOfLeavingNoWindow)
{
    QSignalSpy back(&tendonTables, &TendonTablesWindow::resultWindowRequested);
    tendonTables.show();
    tendonTables.close();
    EXPECT_FALSE(tendonTables.isVisible());
    EXPECT_EQ(back.count(), 1);

    QSignalSpy toMain(&derivativeTables, &DerivativeTablesWindow::mainWindowRequested);
    derivativeTables.show();
    derivativeTables.close();
    EXPECT_EQ(toMain.count(), 1);
}

// The largest project: 5 influence lines of 32750 points and 5 broken tendons
// of 32766 points, evaluated by "Výpočet" and shown in the tendon tables.
TEST(LargestProjectTest, EvaluatesAndShowsTheTendonTablesWithoutStalling)
{
    testing::UiContext ui;
    ApplicationShell shell(ui.context);
    shell.start();
    testing::passSplash(shell);
    testing::click(shell.startWindow(), "BitBtn2");
    testing::enterLargestProject(ui.project);
    shell.mainWindow().pageControl()->setCurrentIndex(kTendonPage);
    ui.messages.clear();

    QElapsedTimer clock;
    clock.start();
    testing::click(shell.mainWindow(), "BitBtn21");
    QApplication::processEvents();
    const qint64 evaluation = clock.restart();
    ASSERT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join('\n').toStdString();
    ASSERT_TRUE(shell.resultWindow().isVisible());

    // "Výpočet" leaves the tendon tables to their first showing; forming them
    // grows with the rows and is timed apart from the showing of the grids.
    ui.session.formTendonTables();
    const qint64 forming = clock.restart();
    testing::click(shell.resultWindow(), "BitBtn11");
    QApplication::processEvents();
    const qint64 showing = clock.restart();
    ASSERT_TRUE(shell.tendonTablesWindow().isVisible());

    WorkingGrid* last = shell.tendonTablesWindow().grid(4, 4);
    EXPECT_EQ(last->model()->rowCount(), 32766);
    last->verticalScrollBar()->setValue(last->verticalScrollBar()->maximum());
    QApplication::processEvents();
    const qint64 scrolling = clock.restart();
    EXPECT_EQ(cellText(*last, 32765, 1), QString::fromStdString(std::string(
                                                 ui.project.results.tendonTables[4][4].cell(32766, 1))));

    std::cout << "[ measure  ] Výpočet " << evaluation << " ms, its tendon tables formed in " << forming
              << " ms, Tabulka kabelů shown in " << showing
              << " ms, last grid scrolled to its end in " << scrolling << " ms\n";
    // Showing model/view grids must not depend on the 25 x 32767 rows.
    EXPECT_LT(showing, 1000);
    EXPECT_LT(scrolling, 1000);
}

}  // namespace
}  // namespace kvor::ui
