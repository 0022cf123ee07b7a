#include "support/shell_test_support.h"
#include "support/ui_test_support.h"

#include "ui/application_shell.h"
#include "ui/dialogs/influence_line_dialog.h"
#include "ui/dialogs/tendon_dialog.h"
#include "ui/pages/navigation.h"
#include "ui/widgets/radio_group.h"
#include "ui/windows/main_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"

#include "support/entry_test_support.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::clickAndSettle;
using testing::control;
using testing::typeCell;
using testing::typeInto;
using testing::typeRows;

// A new project typed in through the windows, from the start window to the
// evaluation: two influence lines (by hand and from a file) and two tendons
// (straight and broken).
class ProjectEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QFile file(QDir(folder.path()).filePath("reakce.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("0 1\n10 0.5\n20 0\n");
        file.close();
        ASSERT_TRUE(QDir::setCurrent(folder.path()));

        shell.start();
        testing::passSplash(shell);
        clickAndSettle(shell.startWindow(), "BitBtn2");  // "Nový"
        ASSERT_TRUE(testing::bringUp(main()));
        ui.messages.clear();
    }

    MainWindow& main() { return shell.mainWindow(); }
    template <typename T = QLineEdit>
    T* mainControl(const char* name)
    {
        T* found = control<T>(main(), name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Clicks a "Zadat" of the main window and brings the dialog up.
    void enter(const char* button, QWidget& dialog)
    {
        clickAndSettle(main(), button);
        ASSERT_TRUE(dialog.isVisible());
        ASSERT_TRUE(testing::bringUp(dialog));
    }
    void backToMain()
    {
        ASSERT_TRUE(main().isEnabled());
        ASSERT_TRUE(testing::bringUp(main()));
    }

    testing::WorkingDirectoryGuard restoreDirectory;
    QTemporaryDir folder;
    testing::UiContext ui;
    ApplicationShell shell{ui.context};
};

TEST_F(ProjectEntryTest, AWholeProjectIsTypedInAndEvaluated)
{
    // Page 1 and the structure: a simple beam of 20 m, a general section.
    typeInto(mainControl("Edit1"), "Lávka");
    clickAndSettle(main(), "BitBtn13");
    typeInto(mainControl("Edit6"), "20");
    QRadioButton* general = mainControl<RadioGroup>("RadioGroup2")->item(4);
    QTest::mouseClick(general, Qt::LeftButton, {}, QPoint(6, general->height() / 2));
    typeInto(mainControl("Edit7"), "0,3");
    typeInto(mainControl("Edit8"), "0,009");
    typeInto(mainControl("Edit9"), "0,3");
    typeInto(mainControl("Edit10"), "-0,3");
    clickAndSettle(main(), "BitBtn14");
    ASSERT_EQ(main().pageControl()->currentIndex(), kQuantityPage);
    ASSERT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join(" | ").toStdString();

    // Quantity 1 by hand.
    typeInto(mainControl("Edit15"), "Moment uprostřed");
    mainControl<QComboBox>("ComboBox1")->setCurrentIndex(0);
    InfluenceLineDialog& influence = shell.influenceLineDialog();
    enter("BitBtn4", influence);
    control<QSpinBox>(influence, "Edit1")->setValue(3);
    typeRows(control<QTableView>(influence, "StringGrid1"), {{"0", "0"}, {"10", "5"}, {"20", "0"}});
    clickAndSettle(influence, "BitBtn2");
    backToMain();

    // Quantity 2 from a file.
    clickAndSettle(main(), "BitBtn2");
    mainControl<QComboBox>("ComboBox2")->setCurrentIndex(2);
    enter("BitBtn5", influence);
    QRadioButton* fromFile = control<RadioGroup>(influence, "RadioGroup1")->item(1);
    QTest::mouseClick(fromFile, Qt::LeftButton, {}, QPoint(6, fromFile->height() / 2));
    auto* files = control<QListWidget>(influence, "FileListBox1");
    const auto found = files->findItems("reakce.txt", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    files->setCurrentItem(found.front());
    clickAndSettle(influence, "BitBtn1");
    clickAndSettle(influence, "BitBtn2");
    backToMain();

    // Tendon 1 straight, tendon 2 broken.
    clickAndSettle(main(), "BitBtn17");
    ASSERT_EQ(main().pageControl()->currentIndex(), kTendonPage);
    TendonDialog& tendon = shell.tendonDialog();
    mainControl<QComboBox>("ComboBox6")->setCurrentIndex(0);
    enter("BitBtn22", tendon);
    typeInto(control<QLineEdit>(tendon, "Edit1"), "0");
    typeInto(control<QLineEdit>(tendon, "Edit2"), "20");
    typeInto(control<QLineEdit>(tendon, "Edit3"), "0,15");
    typeInto(control<QLineEdit>(tendon, "Edit4"), "-1000");
    clickAndSettle(tendon, "BitBtn1");
    backToMain();

    clickAndSettle(main(), "BitBtn19");
    mainControl<QComboBox>("ComboBox7")->setCurrentIndex(1);
    enter("BitBtn23", tendon);
    control<QSpinBox>(tendon, "Edit5")->setValue(3);
    typeCell(control<QTableView>(tendon, "StringGrid2"), 1, 0, "-800");
    typeCell(control<QTableView>(tendon, "StringGrid2"), 2, 0, "-700");
    typeRows(control<QTableView>(tendon, "StringGrid1"), {{"0", "0"}, {"10", "0,25"}, {"20", "0"}});
    clickAndSettle(tendon, "BitBtn1");
    backToMain();
    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join(" | ").toStdString();

    // What the model holds.
    const Project& p = ui.project;
    EXPECT_EQ(p.info.name, "Lávka");
    const QuantitySlot& q1 = p.quantities[0];
    ASSERT_TRUE(q1.entered());
    EXPECT_EQ(q1.description, "Moment uprostřed");
    EXPECT_EQ(q1.kindText, "Ohybový moment");
    EXPECT_EQ(q1.entryMode, EntryMode::Manual);
    ASSERT_EQ(q1.line.rowCount(), 4);
    EXPECT_EQ(q1.line.cell(2, 1), "5");
    const QuantitySlot& q2 = p.quantities[1];
    ASSERT_TRUE(q2.entered());
    EXPECT_EQ(q2.kindText, "Reakce");
    EXPECT_EQ(q2.entryMode, EntryMode::FromFile);
    EXPECT_EQ(q2.sourceFile, "reakce.txt");
    ASSERT_EQ(q2.line.rowCount(), 4);
    EXPECT_EQ(q2.line.cell(2, 1), "0,5");
    const TendonSlot& t1 = p.tendons[0];
    ASSERT_TRUE(t1.entered());
    EXPECT_EQ(t1.type, TendonType::Straight);
    EXPECT_EQ(t1.points.cell(2, 2), "-1000");
    const TendonSlot& t2 = p.tendons[1];
    ASSERT_TRUE(t2.entered());
    EXPECT_EQ(t2.type, TendonType::Broken);
    ASSERT_EQ(t2.points.rowCount(), 4);
    EXPECT_EQ(t2.points.cell(2, 1), "0,25");
    EXPECT_EQ(t2.points.cell(3, 2), "-700");
    EXPECT_FALSE(mainControl<QComboBox>("ComboBox6")->isEnabled());
    EXPECT_FALSE(mainControl<QComboBox>("ComboBox7")->isEnabled());

    // The project is complete: "Výpočet" evaluates both lines for both tendons.
    clickAndSettle(main(), "BitBtn21");
    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join(" | ").toStdString();
    EXPECT_TRUE(p.results.evaluated(0));
    EXPECT_TRUE(p.results.evaluated(1));
    EXPECT_FALSE(p.results.value[0][0].empty());
    EXPECT_FALSE(p.results.value[1][1].empty());
}

}  // namespace
}  // namespace kvor::ui
