#include "support/entry_test_support.h"

#include "influence/entry_table.h"
#include "tendons/tendon_dialog_state.h"
#include "ui/pages/navigation.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace kvor::ui {
namespace {

using testing::clickAndSettle;
using testing::control;
using testing::typeCell;

// The largest tables the dialogs take, driven as a user does. The times are
// printed for the record, not asserted: the machine decides them.
class LargeTablesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        w.enterSimpleBeam();
        ASSERT_TRUE(testing::bringUp(w.main));
        w.ui.messages.clear();
    }

    // Runs a step, paints what it changed, and prints how long both took.
    void timed(const char* step, const std::function<void()>& action)
    {
        QElapsedTimer clock;
        clock.start();
        action();
        QCoreApplication::processEvents();
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        std::printf("[ timing   ] %-56s %8.1f ms\n", step, ms);
        RecordProperty(step, std::to_string(ms));
    }
    // Types a count into a spin field and confirms it with Enter.
    static void typeCount(QSpinBox* count, const QString& text)
    {
        count->setFocus(Qt::MouseFocusReason);
        count->selectAll();
        QTest::keyClicks(count, text);
        QTest::keyClick(count, Qt::Key_Return);
    }
    // Fills every cell of a grid as typing would (station 0 up to the last row).
    static void fill(QTableView* grid, const QStringList& columnTexts, const QString& lastStation = {})
    {
        QAbstractItemModel* model = grid->model();
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                model->setData(model->index(r, c), columnTexts[c]);
        if (!lastStation.isEmpty())
            model->setData(model->index(model->rowCount() - 1, 0), lastStation);
    }
    static void scrollToEnd(QTableView* grid)
    {
        grid->scrollToBottom();
        grid->viewport()->repaint();
    }

    testing::EntryWindows w;
};

TEST_F(LargeTablesTest, AnInfluenceLineOfTheLargestCount)
{
    w.main.pageControl()->setCurrentIndex(kQuantityPage);
    clickAndSettle(w.main, "BitBtn4");
    ASSERT_TRUE(testing::bringUp(w.influence));
    auto* count = control<QSpinBox>(w.influence, "Edit1");
    auto* grid = control<QTableView>(w.influence, "StringGrid1");

    timed("influence line: type count 32750", [&] { typeCount(count, "32750"); });
    ASSERT_EQ(w.influence.entryTable().rowCount(), kMaxValueCount + 1);
    timed("influence line: scroll to the last row", [&] { scrollToEnd(grid); });
    fill(grid, {"0", "1"}, "20");
    typeCell(grid, 1, 1, "0,5");
    timed("influence line: leave the table (check), store (Zpět)", [&] { clickAndSettle(w.influence, "BitBtn2"); });
    ASSERT_TRUE(w.project().quantities[0].entered());
    ASSERT_EQ(w.project().quantities[0].line.rowCount(), kMaxValueCount + 1);
    EXPECT_EQ(w.project().quantities[0].line.cell(kMaxValueCount, 0), "20");
    timed("influence line: reopen (Zadat)", [&] { clickAndSettle(w.main, "BitBtn4"); });
    EXPECT_EQ(count->value(), kMaxValueCount);
    EXPECT_EQ(grid->model()->rowCount(), kMaxValueCount);
    timed("influence line: scroll the stored line", [&] { scrollToEnd(grid); });
    EXPECT_EQ(w.ui.messages.events, QStringList{});
}

TEST_F(LargeTablesTest, ABrokenTendonOfTheLargestCount)
{
    w.main.pageControl()->setCurrentIndex(kTendonPage);
    control<QComboBox>(w.main, "ComboBox6")->setCurrentIndex(1);
    w.ui.messages.clear();
    clickAndSettle(w.main, "BitBtn22");
    ASSERT_TRUE(testing::bringUp(w.tendon));
    auto* count = control<QSpinBox>(w.tendon, "Edit5");
    auto* points = control<QTableView>(w.tendon, "StringGrid1");
    auto* forces = control<QTableView>(w.tendon, "StringGrid2");

    timed("broken tendon: type count 32766", [&] { typeCount(count, "32766"); });
    ASSERT_EQ(w.tendon.pointTable().rowCount(), kMaxPointCount + 1);
    ASSERT_EQ(w.tendon.forceTable().rowCount(), kMaxPointCount);
    timed("broken tendon: scroll both tables to the end", [&] {
        scrollToEnd(points);
        forces->viewport()->repaint();
    });
    EXPECT_EQ(forces->verticalScrollBar()->value(), points->verticalScrollBar()->value());
    fill(forces, {"-800"});
    fill(points, {"0", "0,1"}, "20");
    typeCell(points, 1, 1, "0,2");
    timed("broken tendon: leave the table (check), store (Zpět)", [&] { clickAndSettle(w.tendon, "BitBtn1"); });
    ASSERT_TRUE(w.project().tendons[0].entered());
    ASSERT_EQ(w.project().tendons[0].points.rowCount(), kMaxPointCount + 1);
    timed("broken tendon: reopen (Zadat)", [&] { clickAndSettle(w.main, "BitBtn22"); });
    EXPECT_EQ(count->value(), kMaxPointCount);
    EXPECT_EQ(points->model()->rowCount(), kMaxPointCount);
    timed("tendon store window with the stored tendon", [&] {
        w.tendon.close();
        clickAndSettle(w.main, "Button2");
        control<QTableView>(w.tendonStore, "StringGrid1")->viewport()->repaint();
    });
    EXPECT_EQ(control<QTableView>(w.tendonStore, "StringGrid1")->model()->rowCount(), kMaxPointCount);
    EXPECT_EQ(w.ui.messages.events, QStringList{});
}

}  // namespace
}  // namespace kvor::ui
