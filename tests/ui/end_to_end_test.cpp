// One project as a new user goes through it: a new project, a simple beam with
// a rectangular section, two influence lines, a straight and a broken tendon,
// "Výpočet", a group of both tendons, a save, the exit; then a second start
// that finds the saved file in the start window and previews it.
//
// The two entry dialogs store through the core's store operations here, as
// their "Zpět" does; every other step drives the real windows.

#include "support/result_test_support.h"
#include "support/shell_test_support.h"
#include "support/ui_test_support.h"

#include "evaluation/evaluation_run.h"
#include "model/slots.h"
#include "results/group_sums.h"
#include "ui/application_shell.h"
#include "ui/pages/navigation.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::click;
using testing::control;
using testing::fieldText;
using testing::typeInto;

TEST(EndToEndTest, ANewProjectIsEvaluatedGroupedSavedAndPreviewedAtTheNextStart)
{
    testing::WorkingDirectoryGuard guard;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    Project expected;

    {
        testing::UiContext ui;
        ApplicationShell shell(ui.context);
        QSignalSpy ended(&shell, &ApplicationShell::programEnded);
        ASSERT_TRUE(testing::startNewProject(shell));
        MainWindow& main = shell.mainWindow();

        typeInto(control<QLineEdit>(main, "Edit1"), "Lávka přes Svratku");
        typeInto(control<QLineEdit>(main, "Edit2"), "Předpjatý prostý nosník");
        typeInto(control<QLineEdit>(main, "Edit3"), "Ing. Šárka Žáková");
        click(main, "BitBtn13");

        typeInto(control<QLineEdit>(main, "Edit6"), "20");
        typeInto(control<QLineEdit>(main, "Edit11"), "0,4");
        typeInto(control<QLineEdit>(main, "Edit12"), "1");
        click(main, "BitBtn1");  // "Spočti"
        EXPECT_EQ(fieldText(main, "Edit7"), "0,4");
        EXPECT_EQ(fieldText(main, "Edit9"), "0,5");
        click(main, "BitBtn14");
        ASSERT_EQ(main.pageControl()->currentIndex(), kQuantityPage);

        // Influence-line dialog of slots 1 and 2 ("Další" shows slot 2).
        addSlotRow(ui.project.quantities);
        testing::enterQuantity(ui.project, 0, "Ohybový moment", "moment uprostřed rozpětí",
                               {{"0", "0"}, {"10", "5"}, {"20", "0"}});
        testing::enterQuantity(ui.project, 1, "Posouvající síla", "posouvající síla u podpory",
                               {{"0", "1"}, {"20", "0"}});
        click(main, "BitBtn17");
        ASSERT_EQ(main.pageControl()->currentIndex(), kTendonPage);

        // Tendon dialog of slots 1 (straight) and 2 (broken).
        addSlotRow(ui.project.tendons);
        testing::enterStraightTendon(ui.project, 0, {"0", "20", "0,35", "-1200"});
        testing::enterBrokenTendon(ui.project, 1, {{"0", "0"}, {"6", "0,4"}, {"14", "0,4"}, {"20", "0"}},
                                   {"-900", "-880", "-860"});
        expected = ui.project;
        evaluateProject(expected, ',');
        EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join('\n').toStdString();

        click(main, "BitBtn21");  // "Výpočet"
        ResultWindow& results = shell.resultWindow();
        ASSERT_TRUE(results.isVisible());
        EXPECT_FALSE(main.isVisible());
        for (int q = 0; q < 2; ++q)
            for (int t = 0; t < kSlotCount; ++t)
                EXPECT_EQ(fieldText(results, QStringLiteral("Edit%1").arg(5 * q + t + 1).toLatin1()),
                          QString::fromStdString(expected.results.value[q][t]));
        EXPECT_EQ(fieldText(results, "Edit3"), "###");
        EXPECT_EQ(control<QLabel>(results, "Label21")->text(), "posouvající síla u podpory");
        EXPECT_EQ(control<QLabel>(results, "Label27")->text(), "[kN]");
        EXPECT_TRUE(control<QLabel>(results, "Label45")->isVisible());  // quantity 3

        click(results, "BitBtn4");
        click(results, "CheckBox2");
        click(results, "CheckBox3");
        EXPECT_FALSE(control<QCheckBox>(results, "CheckBox4")->isEnabled());
        click(results, "BitBtn9");
        expected.results.group[0] = expected.results.group[1] = true;
        computeGroupSums(expected, ',');
        EXPECT_EQ(fieldText(results, "Edit27"), QString::fromStdString(expected.results.groupSum[0]));
        EXPECT_EQ(fieldText(results, "Edit28"), QString::fromStdString(expected.results.groupSum[1]));
        EXPECT_EQ(fieldText(results, "Edit29"), "###");
        click(results, "BitBtn10");

        click(results, "BitBtn2");
        click(results, "RadioGroup1Item1");
        click(results, "BitBtn7");
        EXPECT_TRUE(QFile::exists(folder.filePath("Kvorprj.txt")));

        click(results, "BitBtn3");
        EXPECT_FALSE(control<QLabel>(results, "Label73")->isVisible());
        click(results, "BitBtn5");
        EXPECT_EQ(ended.count(), 1);
        EXPECT_FALSE(results.isVisible());
        EXPECT_EQ(ui.messages.events, (QStringList{"beep", "beep", "beep"}));  // save panel, saved, exit panel
    }

    testing::UiContext ui;
    ApplicationShell shell(ui.context);
    shell.start();
    testing::passSplash(shell);
    StartWindow& start = shell.startWindow();
    auto* files = control<QListWidget>(start, "FileListBox1");
    const auto found = files->findItems("Kvorprj.txt", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    files->setCurrentItem(found.front());
    EXPECT_EQ(fieldText(start, "Edit1"), "Kvorprj.txt");
    EXPECT_EQ(fieldText(start, "Edit2"), "Lávka přes Svratku");
    EXPECT_EQ(fieldText(start, "Edit3"), "Předpjatý prostý nosník");
    EXPECT_EQ(fieldText(start, "Edit4"), "Ing. Šárka Žáková");

    click(start, "BitBtn1");  // "Otevřít"
    ASSERT_TRUE(shell.mainWindow().isVisible());
    EXPECT_EQ(fieldText(shell.mainWindow(), "Edit1"), "Lávka přes Svratku");
    EXPECT_EQ(fieldText(shell.mainWindow(), "Edit4"), QString::fromStdString(expected.info.createdOn));
    EXPECT_FALSE(control<QLineEdit>(shell.mainWindow(), "Edit1")->isEnabled());
    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join('\n').toStdString();
}

}  // namespace
}  // namespace kvor::ui
