#include "support/ui_test_support.h"

#include "ui/application_shell.h"
#include "ui/form1_splash.h"
#include "ui/form2_start_window.h"
#include "ui/form3_exit_confirmation.h"
#include "ui/form4_wrong_file.h"
#include "ui/form5_main_window.h"
#include "ui/form6_influence_dialog.h"
#include "ui/form7_influence_store.h"
#include "ui/form8_tendon_dialog.h"
#include "ui/form9_tendon_store.h"
#include "ui/form10_derivative_tables.h"
#include "ui/form12_tendon_tables.h"
#include "ui/section_stress_window.h"

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
    void passSplash()
    {
        shell.form1().Timer1Timer();
        shell.form1().Timer1Timer();
    }

    testing::UiContext ui;
    ApplicationShell shell{ui.context};
};

TEST_F(ApplicationShellTest, TheSplashHandsOverOnTheSecondTick)
{
    EXPECT_TRUE(shell.form1().isVisible());
    EXPECT_EQ(shell.form1().size(), QSize(602, 448));
    auto* timer = control<QTimer>(shell.form1(), "Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());

    shell.form1().Timer1Timer();
    EXPECT_FALSE(shell.form2().isVisible());
    EXPECT_TRUE(shell.form1().isVisible());

    shell.form1().Timer1Timer();
    EXPECT_TRUE(shell.form2().isVisible());
    EXPECT_FALSE(shell.form1().isVisible());
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(shell.form5().isVisible());
}

TEST_F(ApplicationShellTest, KonecAsksAndStornoReturnsToAUsableStartWindow)
{
    passSplash();
    click(shell.form2(), "BitBtn3");
    EXPECT_EQ(ui.messages.events, QStringList{"beep"});
    EXPECT_TRUE(shell.form3().isVisible());
    EXPECT_FALSE(shell.form2().isEnabled());

    click(shell.form3(), "BitBtn2");
    EXPECT_FALSE(shell.form3().isVisible());
    EXPECT_TRUE(shell.form2().isEnabled());
    EXPECT_TRUE(shell.form2().isVisible());
    EXPECT_EQ(control<QLineEdit>(shell.form2(), "Edit1")->text(), "*.txt");
}

TEST_F(ApplicationShellTest, KonecConfirmedEndsTheProgram)
{
    QSignalSpy ended(&shell, &ApplicationShell::programEnded);
    passSplash();
    click(shell.form2(), "BitBtn3");
    click(shell.form3(), "BitBtn1");
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(shell.form2().isVisible());
    EXPECT_FALSE(shell.form3().isVisible());
}

TEST_F(ApplicationShellTest, ClosingTheSplashEndsTheProgramAtOnce)
{
    QSignalSpy ended(&shell, &ApplicationShell::programEnded);
    shell.form1().close();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(ApplicationShellTest, TheWrongFileWindowComesAndGoesBesideTheStartWindow)
{
    passSplash();
    click(shell.form2(), "BitBtn1");  // no file chosen
    EXPECT_TRUE(shell.form4().isVisible());
    EXPECT_TRUE(shell.form2().isEnabled());
    EXPECT_TRUE(ui.messages.events.isEmpty());
    click(shell.form4(), "BitBtn2");
    EXPECT_FALSE(shell.form4().isVisible());
    EXPECT_TRUE(shell.form2().isVisible());
}

TEST_F(ApplicationShellTest, NovyShowsTheMainWindowOnItsFirstPageWithEditableTexts)
{
    passSplash();
    click(shell.form2(), "BitBtn2");
    EXPECT_FALSE(shell.form2().isVisible());
    EXPECT_TRUE(shell.form5().isVisible());
    EXPECT_EQ(shell.form5().pageControl()->currentIndex(), 0);
    EXPECT_TRUE(control<QLineEdit>(shell.form5(), "Edit1")->isEnabled());
}

TEST_F(ApplicationShellTest, ClosingTheMainWindowThroughItsFrameAsksFirst)
{
    QSignalSpy ended(&shell, &ApplicationShell::programEnded);
    passSplash();
    click(shell.form2(), "BitBtn2");
    shell.form5().close();
    EXPECT_TRUE(shell.form5().isVisible());
    EXPECT_TRUE(shell.form3().isVisible());
    EXPECT_FALSE(shell.form5().isEnabled());

    click(shell.form3(), "BitBtn2");
    EXPECT_TRUE(shell.form5().isEnabled());
    EXPECT_EQ(ended.count(), 0);

    shell.form5().close();
    click(shell.form3(), "BitBtn1");
    EXPECT_FALSE(shell.form5().isVisible());
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(ApplicationShellTest, TheSmallWindowsCarryTheirTextsAndSizes)
{
    EXPECT_EQ(shell.form3().size(), QSize(292, 123));
    EXPECT_EQ(control<QLabel>(shell.form3(), "Label1")->text(), "Opravdu si přejete ");
    EXPECT_EQ(control<QLabel>(shell.form3(), "Label2")->text(), "ukončit program Kvor 1.1 ?");
    EXPECT_EQ(control<QPushButton>(shell.form3(), "BitBtn1")->text(), "Konec");
    EXPECT_EQ(control<QPushButton>(shell.form3(), "BitBtn2")->text(), "Storno");
    EXPECT_EQ(shell.form4().size(), QSize(292, 123));
    EXPECT_EQ(control<QLabel>(shell.form4(), "Label1")->text(), "Nebyl vybrán správný");
    EXPECT_EQ(control<QLabel>(shell.form4(), "Label2")->text(), "vstupní soubor pro program Kvor1.1");
    EXPECT_EQ(control<QPushButton>(shell.form4(), "BitBtn2")->text(), "&OK");
    for (QWidget* w : {static_cast<QWidget*>(&shell.form1()), static_cast<QWidget*>(&shell.form2()),
                       static_cast<QWidget*>(&shell.form3()), static_cast<QWidget*>(&shell.form4()),
                       static_cast<QWidget*>(&shell.form5())})
        EXPECT_EQ(w->windowTitle(), "Kvor1.1") << w->objectName().toStdString();
}

// Every table of every window copies and saves as CSV from its context menu,
// the store windows' and the section check's included.
TEST_F(ApplicationShellTest, EveryTableOffersCopyAndCsv)
{
    int tables = 0;
    for (QWidget* window : std::initializer_list<QWidget*>{&shell.form5(), &shell.form6(), &shell.form7(),
                                                           &shell.form8(), &shell.form9(), &shell.form10(),
                                                           &shell.form12(), &shell.sectionStress()}) {
        for (QTableView* table : window->findChildren<QTableView*>()) {
            ++tables;
            const QString name = window->objectName() + "." + table->objectName();
            EXPECT_EQ(table->contextMenuPolicy(), Qt::ActionsContextMenu) << name.toStdString();
            EXPECT_EQ(table->actions().size(), 2) << name.toStdString();
            EXPECT_FALSE(table->testAttribute(Qt::WA_TransparentForMouseEvents)) << name.toStdString();
        }
    }
    EXPECT_GE(tables, 20);
}

}  // namespace
}  // namespace kvor::ui
