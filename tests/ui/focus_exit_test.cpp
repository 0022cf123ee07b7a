#include "support/ui_test_support.h"

#include "ui/widgets/focus_exit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

// A window with a checked field, a second field, a table and a button.
class FocusExitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        field = new QLineEdit(&window);
        other = new QLineEdit(&window);
        table = new QTableView(&window);
        button = new QPushButton("Dále", &window);
        model.setRowCount(3);
        model.setColumnCount(2);
        table->setModel(&model);
        for (QWidget* w : {static_cast<QWidget*>(field), static_cast<QWidget*>(other),
                           static_cast<QWidget*>(table), static_cast<QWidget*>(button)})
            layout->addWidget(w);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        ASSERT_TRUE(testing::bringUp(window));
    }

    QWidget window;
    QLineEdit* field = nullptr;
    QLineEdit* other = nullptr;
    QTableView* table = nullptr;
    QPushButton* button = nullptr;
    QStandardItemModel model;
    FocusExitWatcher watcher;
    int exits = 0;
    int clicks = 0;
};

TEST_F(FocusExitTest, RunsWhenTheFocusMovesToAnotherControlOfTheWindow)
{
    watcher.watch(field, [this] { ++exits; });
    field->setFocus();
    EXPECT_EQ(exits, 0);
    other->setFocus();
    EXPECT_EQ(exits, 1);
    other->setFocus();
    field->setFocus();
    EXPECT_EQ(exits, 1);
}

TEST_F(FocusExitTest, AnotherWindowTakingTheFocusIsNoExit)
{
    watcher.watch(field, [this] { ++exits; });
    field->setFocus();
    QWidget box;
    auto* boxField = new QLineEdit(&box);
    ASSERT_TRUE(testing::bringUp(box));
    boxField->setFocus();
    EXPECT_EQ(exits, 0);
    // Back in the window the focus returns to the field: still no exit.
    ASSERT_TRUE(testing::bringUp(window));
    EXPECT_EQ(exits, 0);
}

TEST_F(FocusExitTest, MovesInsideATableAreNoExit)
{
    watcher.watch(table, [this] { ++exits; });
    table->setFocus();
    table->setCurrentIndex(model.index(0, 0));
    table->edit(model.index(0, 0));
    table->setCurrentIndex(model.index(1, 1));
    EXPECT_EQ(exits, 0);
    other->setFocus();
    EXPECT_EQ(exits, 1);
}

TEST_F(FocusExitTest, ACheckThatPutsTheFocusBackIsNotItselfAnExitOfTheOtherField)
{
    int otherExits = 0;
    watcher.watch(field, [this] {
        ++exits;
        field->setFocus();
    });
    watcher.watch(other, [&] { ++otherExits; });
    field->setFocus();
    other->setFocus();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(otherExits, 0);
    EXPECT_EQ(QApplication::focusWidget(), field);
}

TEST_F(FocusExitTest, AClickThatLeavesAFaultyFieldDoesNotAct)
{
    bool faulty = true;
    watcher.watch(field, [&] {
        ++exits;
        if (faulty)
            field->setFocus();
    });
    field->setFocus();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(QApplication::focusWidget(), field);
    QCoreApplication::processEvents();  // the next round of events lifts the block

    faulty = false;
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace kvor::ui
