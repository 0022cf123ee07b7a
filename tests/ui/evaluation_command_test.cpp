// "Výpočet" on the tendon page and the passages between the main window, the
// result window and the working-table windows, through the application shell.

#include "support/result_test_support.h"
#include "support/shell_test_support.h"
#include "support/ui_test_support.h"

#include "evaluation/evaluation_run.h"
#include "model/numbers.h"
#include "ui/application_shell.h"
#include "ui/pages/navigation.h"
#include "ui/widgets/working_grid.h"
#include "ui/windows/derivative_tables_window.h"
#include "ui/windows/exit_confirmation.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/section_stress_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"
#include "ui/windows/tendon_tables_window.h"

#include <QSignalSpy>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::click;
using testing::control;

class EvaluationCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing::startNewProject(shell));
        ui.messages.clear();
    }
    MainWindow& main() { return shell.mainWindow(); }
    ResultWindow& results() { return shell.resultWindow(); }
    void toTendonPage()
    {
        main().pageControl()->setCurrentIndex(kTendonPage);
        QCoreApplication::processEvents();  // the page's warning comes once it has painted
        ui.messages.clear();
    }
    QString resultText(const char* name) { return testing::fieldText(results(), name); }

    testing::UiContext ui;
    ApplicationShell shell{ui.context};
};

TEST_F(EvaluationCommandTest, WithoutATendonItAsksForTendonsAndStays)
{
    testing::enterQuantity(ui.project, 0, "Reakce", "", {{"0", "1"}, {"20", "0"}});
    toTendonPage();
    click(main(), "BitBtn21");
    EXPECT_EQ(ui.messages.events, (QStringList{"message: Zadejte typ a tvar předpínacích kabelů", "beep"}));
    EXPECT_EQ(main().pageControl()->currentIndex(), kTendonPage);
    if (control<QWidget>(main(), "BitBtn22")) {
        EXPECT_EQ(ui.messages.focusAtMessage, QStringList{"BitBtn22"});
    }
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(results().isVisible());
    EXPECT_EQ(ui.project.results.block[0], BlockState::Initial);
}

TEST_F(EvaluationCommandTest, WithoutAnInfluenceLineItGoesToThatPageEvenWithoutAStructure)
{
    testing::enterStraightTendon(ui.project, 0, {"0", "20", "0,3", "-1000"});
    toTendonPage();
    click(main(), "BitBtn21");
    EXPECT_EQ(ui.messages.events, (QStringList{"message: Zadejte průběhy příčinkových čar", "beep"}));
    EXPECT_EQ(main().pageControl()->currentIndex(), kQuantityPage);
    if (control<QWidget>(main(), "BitBtn4")) {
        EXPECT_EQ(ui.messages.focusAtMessage, QStringList{"BitBtn4"});
    }
    EXPECT_FALSE(results().isVisible());
}

TEST_F(EvaluationCommandTest, ARunHidesTheMainWindowAndShowsTheCoresValues)
{
    testing::enterQuantity(ui.project, 1, "Průhyb", "průhyb uprostřed", {{"0", "0"}, {"10", "0,001"}, {"20", "0"}});
    testing::enterStraightTendon(ui.project, 0, {"2", "18", "0,25", "-1500"});
    Project expected = ui.project;
    evaluateProject(expected, ',');

    toTendonPage();
    click(main(), "BitBtn21");
    EXPECT_TRUE(ui.messages.events.isEmpty());
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(results().isVisible());
    EXPECT_EQ(resultText("Edit6"), QString::fromStdString(expected.results.value[1][0]));
    EXPECT_EQ(resultText("Edit7"), "###");
    EXPECT_EQ(control<QLabel>(results(), "Label27")->text(), "[m]");
    EXPECT_EQ(control<QLabel>(results(), "Label20")->text(), "- Průhyb");
}

TEST_F(EvaluationCommandTest, AFailedRunKeepsTheMainWindowAndWhatItWroteBeforeTheFailure)
{
    testing::enterQuantity(ui.project, 0, "Ohybový moment", "", {{"0", "0"}, {"10", "2,5"}, {"20", "0"}});
    // Two first points at one station: the slope divides by zero.
    testing::enterQuantity(ui.project, 1, "Reakce", "", {{"0", "1"}, {"0", "0,5"}, {"20", "0"}});
    testing::enterStraightTendon(ui.project, 0, {"0", "20", "0,3", "-1000"});
    toTendonPage();
    click(main(), "BitBtn21");
    EXPECT_EQ(ui.messages.events, QStringList{"error: Floating point division by zero."});
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(results().isVisible());

    // "Pomoc" shows what the run wrote before it failed.
    main().pageControl()->setCurrentIndex(kInfoPage);
    click(main(), "Button3");
    EXPECT_TRUE(results().isVisible());
    EXPECT_FALSE(main().isVisible());
    EXPECT_FALSE(resultText("Edit1").isEmpty());
    EXPECT_EQ(resultText("Edit2"), "###");
    EXPECT_EQ(control<QLabel>(results(), "Label7")->text(), "- Ohybový moment");
}

TEST_F(EvaluationCommandTest, PomocShowsTheResultsAsTheyLastWereAndZpetReturnsToPageOne)
{
    click(main(), "Button3");
    EXPECT_TRUE(results().isVisible());
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(control<QLabel>(results(), "Label7")->text(), "- posouvající síla");

    main().pageControl()->setCurrentIndex(kStructurePage);
    click(results(), "BitBtn1");
    EXPECT_FALSE(results().isVisible());
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().pageControl()->currentIndex(), kInfoPage);
}

TEST_F(EvaluationCommandTest, TheSectionStressWindowShowsTheCheckedMomentsAndLeadsBack)
{
    // Midspan moment of the 20 m simple beam, its station given; tendon 1 straight.
    testing::enterSimpleBeam(ui.project);
    testing::enterQuantity(ui.project, 0, "Ohybový moment", "", {{"0", "0"}, {"10", "5"}, {"20", "0"}});
    testing::enterQuantity(ui.project, 1, "Ohybový moment", "", {{"0", "0"}, {"10", "5"}, {"20", "0"}});
    ui.project.quantities[0].station = "10";
    testing::enterStraightTendon(ui.project, 0, {"0", "20", "0,3", "-1000"});
    toTendonPage();
    click(main(), "BitBtn21");
    click(results(), "BitBtn13");
    SectionStressWindow& stresses = shell.sectionStress();
    EXPECT_FALSE(results().isVisible());
    ASSERT_TRUE(stresses.isVisible());
    ASSERT_EQ(stresses.shownTableCount(), 1);
    QAbstractItemModel* table = stresses.grid(0)->model();
    ASSERT_EQ(table->rowCount(), 6);  // five tendons and the total
    EXPECT_EQ(table->headerData(3, Qt::Horizontal).toString(), "e [m]");
    const auto cell = [&](int row, int column) { return table->index(row, column).data().toString(); };
    EXPECT_EQ((QStringList{cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 3), cell(0, 4), cell(0, 5), cell(0, 6)}),
              (QStringList{"1", "10", "-1000", "0,3", "-300", "0", "-300"}));
    EXPECT_EQ(cell(1, 2), "###");
    EXPECT_EQ(cell(5, 0), "celkem");

    // Without A the window names it and shows no table.
    click(stresses, "BitBtn1");
    EXPECT_TRUE(results().isVisible());
    EXPECT_FALSE(stresses.isVisible());
    ui.project.section.area.clear();
    click(results(), "BitBtn13");
    EXPECT_EQ(stresses.shownTableCount(), 0);
    EXPECT_EQ(control<QLabel>(stresses, "Label2")->text(),
              "Pro posouzení napětí v průřezu chybí hodnoty průřezu: plocha A.");
}

TEST_F(EvaluationCommandTest, TheWorkingTablesAreReachedFromTheResultsAndLeadBack)
{
    click(main(), "Button3");
    click(results(), "BitBtn11");
    EXPECT_FALSE(results().isVisible());
    EXPECT_TRUE(shell.tendonTablesWindow().isVisible());
    click(shell.tendonTablesWindow(), "Button1");
    EXPECT_TRUE(results().isVisible());
    EXPECT_FALSE(shell.tendonTablesWindow().isVisible());

    click(results(), "BitBtn11");
    click(shell.tendonTablesWindow(), "Button2");
    EXPECT_FALSE(shell.tendonTablesWindow().isVisible());
    EXPECT_TRUE(shell.derivativeTablesWindow().isVisible());
    // The derivative tables' own button leads to the input as "Zpět na zadání"
    // does: a saved project counts as unsaved again, so "Konec" after a change
    // and a new run warns.
    ui.project.results.saved = true;
    main().pageControl()->setCurrentIndex(kStructurePage);
    ui.messages.clear();
    click(shell.derivativeTablesWindow(), "Button1");
    EXPECT_FALSE(shell.derivativeTablesWindow().isVisible());
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().pageControl()->currentIndex(), kInfoPage);
    EXPECT_FALSE(ui.project.results.saved);
    EXPECT_EQ(ui.messages.events, QStringList{"beep"});
}

TEST_F(EvaluationCommandTest, ClosingTheResultWindowsFrameAsksInItsExitPanel)
{
    QSignalSpy ended(&shell, &ApplicationShell::programEnded);
    click(main(), "Button3");
    results().close();
    QWidget* panel = results().findChild<QWidget*>("Panel2");
    EXPECT_TRUE(results().isVisible());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(results().findChild<QWidget*>("Label73")->isVisible());  // "Projekt není uložen!"
    EXPECT_FALSE(shell.exitConfirmation().isVisible());

    click(*panel, "BitBtn6");  // "Storno"
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(results().isVisible());
    EXPECT_EQ(ended.count(), 0);

    results().close();
    click(*panel, "BitBtn5");  // "Konec"
    EXPECT_FALSE(results().isVisible());
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(EvaluationCommandTest, KonecInTheExitPanelEndsTheProgram)
{
    QSignalSpy ended(&shell, &ApplicationShell::programEnded);
    click(main(), "Button3");
    click(results(), "BitBtn3");
    click(*results().findChild<QWidget*>("Panel2"), "BitBtn5");
    EXPECT_FALSE(results().isVisible());
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(EvaluationCommandTest, TheWorkingWindowsCarryTheirCaptions)
{
    EXPECT_EQ(results().windowTitle(), "Kvor1.1");
    EXPECT_EQ(shell.derivativeTablesWindow().windowTitle(), "Výpočet derivací příčinkových čar ");
    EXPECT_EQ(shell.tendonTablesWindow().windowTitle(), "Tabulka kabelů");
    EXPECT_FALSE(results().isVisible());
    EXPECT_FALSE(shell.derivativeTablesWindow().isVisible());
    EXPECT_FALSE(shell.tendonTablesWindow().isVisible());
}

}  // namespace
}  // namespace kvor::ui

namespace kvor::ui {
namespace {

// A parabolic tendon from an opened file never went through the dialog: its
// checks run before the first quantity and stop the run at the first fault.
TEST_F(EvaluationCommandTest, AParabolicTendonOfAFileIsCheckedBeforeTheRun)
{
    ui.project.beam.length = "20";
    ui.project.section.eBottom = "0,3";
    ui.project.section.eTop = "-0,3";
    testing::enterQuantity(ui.project, 0, "Ohybový moment", "", {{"0", "0"}, {"10", "5"}, {"20", "0"}});
    TendonSlot& slot = ui.project.tendons[0];
    slot.shown = true;
    slot.status = SlotStatus::Entered;
    slot.type = TendonType::SimpleParabolic;
    slot.divisions = "1001";
    slot.points = TextTable(3, 4);
    slot.points.setRow(1, {"0", "0", "-1000", "0,2"});
    slot.points.setRow(2, {"20", "0", "-1000", ""});
    toTendonPage();
    click(main(), "BitBtn21");
    EXPECT_EQ(ui.messages.events,
              (QStringList{"beep", "message: Počet dělení paraboly musí být celé číslo od 1 do 1000!!!"}));
    EXPECT_EQ(ui.messages.focusAtMessage, QStringList{"BitBtn22"});  // "Zadat" of tendon 1
    EXPECT_FALSE(results().isVisible());
    EXPECT_EQ(ui.project.results.block[0], BlockState::Initial);

    ui.messages.clear();
    slot.divisions = "20";
    click(main(), "BitBtn21");
    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join(" | ").toStdString();
    // N·m = -200 kNm at midspan, to the chords' accuracy.
    EXPECT_NEAR(static_cast<double>(toNumber(ui.project.results.value[0][0], ',')), -200.0, 0.2);
    EXPECT_TRUE(results().isVisible());
}

}  // namespace
}  // namespace kvor::ui
