#include "support/shell_test_support.h"
#include "support/ui_test_support.h"

#include "ui/application_shell.h"
#include "ui/models/text_cell_delegate.h"
#include "ui/dialogs/influence_line_dialog.h"
#include "ui/dialogs/tendon_dialog.h"
#include "ui/windows/derivative_tables_window.h"
#include "ui/windows/exit_confirmation.h"
#include "ui/windows/influence_store_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/section_stress_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"
#include "ui/windows/tendon_store_window.h"
#include "ui/windows/tendon_tables_window.h"
#include "ui/windows/wrong_file_window.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::click;
using testing::control;

class ApplicationShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        shell.start();
        ui.messages.clear();
    }
    void passSplash() { testing::passSplash(shell); }

    testing::UiContext ui;
    ApplicationShell shell{ui.context};
};

TEST_F(ApplicationShellTest, TheSplashHandsOverOnTheSecondTick)
{
    EXPECT_TRUE(shell.splashWindow().isVisible());
    EXPECT_EQ(shell.splashWindow().size(), QSize(602, 448));
    auto* timer = control<QTimer>(shell.splashWindow(), "Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());

    shell.splashWindow().tick();
    EXPECT_FALSE(shell.startWindow().isVisible());
    EXPECT_TRUE(shell.splashWindow().isVisible());

    shell.splashWindow().tick();
    EXPECT_TRUE(shell.startWindow().isVisible());
    EXPECT_FALSE(shell.splashWindow().isVisible());
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(shell.mainWindow().isVisible());
}

TEST_F(ApplicationShellTest, KonecAsksAndStornoReturnsToAUsableStartWindow)
{
    passSplash();
    click(shell.startWindow(), "BitBtn3");
    EXPECT_EQ(ui.messages.events, QStringList{"beep"});
    EXPECT_TRUE(shell.exitConfirmation().isVisible());
    EXPECT_FALSE(shell.startWindow().isEnabled());

    click(shell.exitConfirmation(), "BitBtn2");
    EXPECT_FALSE(shell.exitConfirmation().isVisible());
    EXPECT_TRUE(shell.startWindow().isEnabled());
    EXPECT_TRUE(shell.startWindow().isVisible());
    EXPECT_EQ(control<QLineEdit>(shell.startWindow(), "Edit1")->text(), "*.txt");
}

TEST_F(ApplicationShellTest, KonecConfirmedEndsTheProgram)
{
    QSignalSpy ended(&shell, &ApplicationShell::programEnded);
    passSplash();
    click(shell.startWindow(), "BitBtn3");
    click(shell.exitConfirmation(), "BitBtn1");
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(shell.startWindow().isVisible());
    EXPECT_FALSE(shell.exitConfirmation().isVisible());
}

TEST_F(ApplicationShellTest, ClosingTheSplashEndsTheProgramAtOnce)
{
    QSignalSpy ended(&shell, &ApplicationShell::programEnded);
    shell.splashWindow().close();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(ApplicationShellTest, TheWrongFileWindowComesAndGoesBesideTheStartWindow)
{
    passSplash();
    click(shell.startWindow(), "BitBtn1");  // no file chosen
    EXPECT_TRUE(shell.wrongFileWindow().isVisible());
    EXPECT_TRUE(shell.startWindow().isEnabled());
    EXPECT_TRUE(ui.messages.events.isEmpty());
    click(shell.wrongFileWindow(), "BitBtn2");
    EXPECT_FALSE(shell.wrongFileWindow().isVisible());
    EXPECT_TRUE(shell.startWindow().isVisible());
}

TEST_F(ApplicationShellTest, NovyShowsTheMainWindowOnItsFirstPageWithEditableTexts)
{
    passSplash();
    click(shell.startWindow(), "BitBtn2");
    EXPECT_FALSE(shell.startWindow().isVisible());
    EXPECT_TRUE(shell.mainWindow().isVisible());
    EXPECT_EQ(shell.mainWindow().pageControl()->currentIndex(), 0);
    EXPECT_TRUE(control<QLineEdit>(shell.mainWindow(), "Edit1")->isEnabled());
}

TEST_F(ApplicationShellTest, ClosingTheMainWindowThroughItsFrameAsksFirst)
{
    QSignalSpy ended(&shell, &ApplicationShell::programEnded);
    passSplash();
    click(shell.startWindow(), "BitBtn2");
    shell.mainWindow().close();
    EXPECT_TRUE(shell.mainWindow().isVisible());
    EXPECT_TRUE(shell.exitConfirmation().isVisible());
    EXPECT_FALSE(shell.mainWindow().isEnabled());

    click(shell.exitConfirmation(), "BitBtn2");
    EXPECT_TRUE(shell.mainWindow().isEnabled());
    EXPECT_EQ(ended.count(), 0);

    shell.mainWindow().close();
    click(shell.exitConfirmation(), "BitBtn1");
    EXPECT_FALSE(shell.mainWindow().isVisible());
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(ApplicationShellTest, TheSmallWindowsCarryTheirTextsAndSizes)
{
    EXPECT_EQ(shell.exitConfirmation().size(), QSize(292, 123));
    EXPECT_EQ(control<QLabel>(shell.exitConfirmation(), "Label1")->text(), "Opravdu si přejete ");
    EXPECT_EQ(control<QLabel>(shell.exitConfirmation(), "Label2")->text(), "ukončit program Kvor 1.1 ?");
    EXPECT_EQ(control<QPushButton>(shell.exitConfirmation(), "BitBtn1")->text(), "Konec");
    EXPECT_EQ(control<QPushButton>(shell.exitConfirmation(), "BitBtn2")->text(), "Storno");
    EXPECT_EQ(shell.wrongFileWindow().size(), QSize(292, 123));
    EXPECT_EQ(control<QLabel>(shell.wrongFileWindow(), "Label1")->text(), "Nebyl vybrán správný");
    EXPECT_EQ(control<QLabel>(shell.wrongFileWindow(), "Label2")->text(), "vstupní soubor pro program Kvor1.1");
    EXPECT_EQ(control<QPushButton>(shell.wrongFileWindow(), "BitBtn2")->text(), "&OK");
    for (QWidget* w : {static_cast<QWidget*>(&shell.splashWindow()), static_cast<QWidget*>(&shell.startWindow()),
                       static_cast<QWidget*>(&shell.exitConfirmation()), static_cast<QWidget*>(&shell.wrongFileWindow())})
        EXPECT_EQ(w->windowTitle(), "Kvor1.1") << w->objectName().toStdString();
    EXPECT_EQ(shell.mainWindow().windowTitle(), "Kvor1.1[*]");  // the unsaved marker's place
}

// Every table of every window copies and saves as CSV from its context menu,
// the store windows' and the section check's included, and cuts its long
// texts by the one rule of the cells.
TEST_F(ApplicationShellTest, EveryTableOffersCopyAndCsvAndCutsTextsInTheMiddle)
{
    int tables = 0;
    for (QWidget* window : std::initializer_list<QWidget*>{&shell.mainWindow(), &shell.influenceLineDialog(), &shell.influenceStoreWindow(),
                                                           &shell.tendonDialog(), &shell.tendonStoreWindow(), &shell.derivativeTablesWindow(),
                                                           &shell.tendonTablesWindow(), &shell.sectionStress()}) {
        for (QTableView* table : window->findChildren<QTableView*>()) {
            ++tables;
            const QString name = window->objectName() + "." + table->objectName();
            EXPECT_EQ(table->contextMenuPolicy(), Qt::ActionsContextMenu) << name.toStdString();
            EXPECT_EQ(table->actions().size(), 2) << name.toStdString();
            EXPECT_FALSE(table->testAttribute(Qt::WA_TransparentForMouseEvents)) << name.toStdString();
            EXPECT_NE(qobject_cast<TextCellDelegate*>(table->itemDelegate()), nullptr) << name.toStdString();
        }
    }
    EXPECT_GE(tables, 20);
}

}  // namespace
}  // namespace kvor::ui
