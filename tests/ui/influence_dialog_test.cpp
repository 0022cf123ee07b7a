#include "support/entry_test_support.h"

#include "ui/pages/navigation.h"
#include "ui/widgets/file_pickers.h"
#include "ui/widgets/radio_group.h"
#include "ui/windows/influence_store_window.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::clickAndSettle;
using testing::control;
using testing::focusName;
using testing::typeCell;
using testing::typeRows;

const QString kNoLine = "message: Zadejte průběh příčinkové čáry";

// The main window on page 3 with a simple beam of 20 m, and its dialog.
class InfluenceDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(w.showOnPage(kQuantityPage));
    }

    void open(const char* enterButton = "BitBtn4")
    {
        clickAndSettle(w.main, enterButton);
        ASSERT_TRUE(dialog().isVisible());
        ASSERT_TRUE(testing::bringUp(dialog()));
    }
    InfluenceLineDialog& dialog() { return w.influence; }
    template <typename T = QWidget>
    T* get(const char* name)
    {
        T* found = control<T>(dialog(), name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QTableView* grid() { return get<QTableView>("StringGrid1"); }
    QSpinBox* count() { return get<QSpinBox>("Edit1"); }
    RadioGroup* mode() { return get<RadioGroup>("RadioGroup1"); }
    QuantitySlot& slot(int k) { return w.project().quantities[static_cast<size_t>(k - 1)]; }
    // Types a count and confirms it with Enter, as into any spin field.
    void typeCount(const QString& text)
    {
        count()->setFocus(Qt::MouseFocusReason);
        count()->selectAll();
        QTest::keyClicks(count(), text);
        QTest::keyClick(count(), Qt::Key_Return);
    }
    // Clicks a mode on its round indicator.
    void chooseMode(int item)
    {
        QRadioButton* button = mode()->item(item);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        QCoreApplication::processEvents();
    }
    // Leaves the table for the value count field.
    void leaveTable() { count()->setFocus(Qt::TabFocusReason); }

    testing::EntryWindows w;
};

TEST_F(InfluenceDialogTest, AnEmptySlotOpensOnTwoEmptyRowsTypedByHand)
{
    open();
    EXPECT_FALSE(w.main.isEnabled());
    EXPECT_TRUE(w.main.isVisible());
    EXPECT_EQ(get<QLabel>("Label4")->text(), "Zadání příčinkové čáry 1.vyhodnocované veličiny");
    EXPECT_EQ(dialog().size(), QSize(553, 354));
    EXPECT_EQ(mode()->itemIndex(), 0);
    EXPECT_EQ(count()->value(), 2);
    EXPECT_EQ(count()->minimum(), 2);
    EXPECT_EQ(count()->maximum(), 32750);
    const TextTable& table = dialog().entryTable();
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.cell(0, 0), "  Staničení [m]");
    EXPECT_EQ(table.cell(0, 1), "    Pořadnice");
    EXPECT_EQ(table.cell(1, 0), "");
    EXPECT_EQ(table.cell(2, 1), "");
    EXPECT_EQ(grid()->size(), QSize(176, 85));
    EXPECT_EQ(grid()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(grid()->isVisible());
    for (const char* hidden : {"DriveComboBox1", "DirectoryListBox1", "FilterComboBox1", "FileListBox1", "Label3",
                               "Edit2", "BitBtn1", "BitBtn3"})
        EXPECT_TRUE(get(hidden)->isHidden()) << hidden;
}

TEST_F(InfluenceDialogTest, ZpetOnAnEmptyTableStoresNothingAndStaysOpen)
{
    open();
    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_EQ(w.events(), QStringList{kNoLine});
    EXPECT_EQ(w.ui.messages.focusAtMessage.value(0).left(11), "RadioGroup1");
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_FALSE(w.main.isEnabled());
    EXPECT_FALSE(slot(1).entered());
    EXPECT_EQ(slot(1).line.rowCount(), 20);
}

TEST_F(InfluenceDialogTest, FourPointsFitFiveNeedAScrollBar)
{
    open();
    count()->setValue(4);
    EXPECT_EQ(dialog().entryTable().rowCount(), 5);
    EXPECT_EQ(grid()->size(), QSize(176, 27 * 5 + 4));
    EXPECT_EQ(grid()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    count()->setValue(5);
    EXPECT_EQ(dialog().entryTable().rowCount(), 6);
    EXPECT_EQ(grid()->size(), QSize(194, 139));
    EXPECT_EQ(grid()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(w.events().isEmpty());
}

TEST_F(InfluenceDialogTest, ACountTakesEffectWhenTypedAndKeepsTheTypedCells)
{
    open();
    typeRows(grid(), {{"0", "0"}, {"10", "1"}});
    typeCount("12");
    EXPECT_EQ(dialog().entryTable().rowCount(), 13);
    EXPECT_EQ(dialog().entryTable().cell(2, 0), "10");
    EXPECT_EQ(dialog().entryTable().cell(2, 1), "1");
    EXPECT_TRUE(w.events().isEmpty());
}

TEST_F(InfluenceDialogTest, CountsOutsideTheRangeNeverReachTheTable)
{
    open();
    count()->setValue(7);
    // 0 and 1 are no count of the spinner; the field returns to 7.
    for (const char* typed : {"0", "1", "abc", ""}) {
        typeCount(typed);
        leaveTable();
        EXPECT_EQ(count()->value(), 7) << typed;
        EXPECT_EQ(dialog().entryTable().rowCount(), 8) << typed;
    }
    // Digits that would pass 32750 are refused as they are typed.
    typeCount("99999999");
    EXPECT_LE(count()->value(), 32750);
    EXPECT_EQ(dialog().entryTable().rowCount(), count()->value() + 1);
    EXPECT_TRUE(w.events().isEmpty());
}

TEST_F(InfluenceDialogTest, TwoPointsTypedByHandAreStoredIntoTheSlot)
{
    open();
    typeRows(grid(), {{"0", "0"}, {"10", "0"}});
    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_TRUE(w.events().isEmpty());
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(w.main.isEnabled());

    ASSERT_TRUE(slot(1).entered());
    ASSERT_EQ(slot(1).line.rowCount(), 3);
    EXPECT_EQ(slot(1).line.cell(0, 0), "Staničení [m]");
    EXPECT_EQ(slot(1).line.cell(2, 0), "10");
    EXPECT_EQ(slot(1).entryMode, EntryMode::Manual);
    EXPECT_FALSE(control<QLabel>(w.main, "Label33")->isHidden());  // "zadáno"
    EXPECT_TRUE(control<QLabel>(w.main, "Label32")->isHidden());   // "nezadáno"
    auto* draw = control<QCheckBox>(w.main, "CheckBox1");
    EXPECT_TRUE(draw->isEnabled());
    EXPECT_FALSE(draw->isChecked());
    // The dialog's table was emptied.
    EXPECT_EQ(dialog().entryTable().cell(1, 0), "");
}

TEST_F(InfluenceDialogTest, AStoredLineReopensReadOnlyAndOpravitUnlocksIt)
{
    open();
    typeRows(grid(), {{"0", "0"}, {"10", "0"}});
    clickAndSettle(dialog(), "BitBtn2");
    open();
    EXPECT_EQ(count()->value(), 2);
    EXPECT_EQ(testing::cellText(grid(), 2, 0), "10");
    EXPECT_FALSE(get("BitBtn3")->isHidden());
    EXPECT_FALSE(mode()->isEnabled());
    EXPECT_FALSE(count()->isEnabled());
    typeCell(grid(), 2, 1, "5");  // no editor opens on a locked table
    EXPECT_EQ(dialog().entryTable().cell(2, 1), "0");

    clickAndSettle(dialog(), "BitBtn3");
    EXPECT_TRUE(get("BitBtn3")->isHidden());
    EXPECT_TRUE(mode()->isEnabled());
    EXPECT_TRUE(count()->isEnabled());
    typeCell(grid(), 2, 1, "5");
    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_TRUE(w.events().isEmpty());
    EXPECT_EQ(slot(1).line.cell(2, 1), "5");
}

TEST_F(InfluenceDialogTest, TheSectionStationIsCheckedStoredAndShownLocked)
{
    open();
    auto* station = get<QLineEdit>("Edit6");
    typeRows(grid(), {{"0", "0"}, {"20", "0"}});
    station->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(station, "21");
    clickAndSettle(dialog(), "BitBtn2");  // leaving the field reports, the click stores nothing
    EXPECT_EQ(w.events(),
              (QStringList{"message: Staničení posuzovaného průřezu X musí ležet na nosníku, od 0 do 20 m!", "beep"}));
    EXPECT_EQ(focusName(), "Edit6");
    EXPECT_FALSE(slot(1).entered());

    w.events().clear();
    station->setText("12,5");
    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_TRUE(w.events().isEmpty());
    EXPECT_EQ(slot(1).station, "12,5");
    open();
    EXPECT_EQ(station->text(), "12,5");
    EXPECT_TRUE(station->isReadOnly());
    clickAndSettle(dialog(), "BitBtn3");
    EXPECT_FALSE(station->isReadOnly());
    station->clear();
    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_EQ(slot(1).station, "");
}

TEST_F(InfluenceDialogTest, ZpetWithoutOpravitStoresTheSameLineAgain)
{
    open();
    typeRows(grid(), {{"0", "1,5"}, {"20", "-2"}});
    clickAndSettle(dialog(), "BitBtn2");
    const TextTable stored = slot(1).line;
    open();
    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_EQ(slot(1).line, stored);
    EXPECT_TRUE(slot(1).entered());
}

TEST_F(InfluenceDialogTest, LeavingTheTableReportsOneFaultPerColumn)
{
    open();
    count()->setValue(3);
    typeRows(grid(), {{"0", ""}, {"5", "1"}, {"4", "2"}});
    leaveTable();
    EXPECT_EQ(w.events(),
              (QStringList{"message: Staničení nesmí být zadáváno sestupně, staničení v 3.řádku je menší než v "
                           "2.řádku!",
                           "beep", "message: Políčko v 2.sloupci a 1.řádku neobsahuje číslo!", "beep"}));
    EXPECT_EQ(focusName(), "StringGrid1");
}

TEST_F(InfluenceDialogTest, AFaultyTableIsNotStoredByTheClickThatReportsIt)
{
    open();
    typeRows(grid(), {{"0", "0"}, {"25", "0"}});
    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_EQ(w.events(),
              (QStringList{"message: Staničení v 2.řádku nemůže být větší než celková délka nosníku!", "beep"}));
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_FALSE(slot(1).entered());
    EXPECT_EQ(slot(1).line.rowCount(), 20);

    // Put right, the next click stores.
    w.events().clear();
    typeCell(grid(), 2, 0, "20");
    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_TRUE(w.events().isEmpty());
    EXPECT_TRUE(slot(1).entered());
}

TEST_F(InfluenceDialogTest, AFaultyTableKeepsTheModeChoiceFromChanging)
{
    open();
    typeRows(grid(), {{"x", "0"}, {"5", "0"}});
    chooseMode(1);
    EXPECT_EQ(w.events(), (QStringList{"message: Políčko v 1.sloupci a 1.řádku neobsahuje číslo!", "beep"}));
    EXPECT_EQ(mode()->itemIndex(), 0);
    EXPECT_TRUE(grid()->isVisible());
}

TEST_F(InfluenceDialogTest, TheCheckNeedsTheBeamLength)
{
    w.project().beam.length.clear();
    open();
    typeRows(grid(), {{"0", "0"}, {"5", "0"}});
    leaveTable();
    EXPECT_EQ(w.events(), QStringList{"error: '' is not a valid floating point value."});
}

TEST_F(InfluenceDialogTest, ClosingThroughTheFrameStoresNothingAndGivesTheMainWindowBack)
{
    open();
    typeRows(grid(), {{"0", "0"}, {"10", "0"}});
    count()->setFocus();
    // Typed rows are not dropped silently: "Storno" stays, "Zahodit" closes.
    w.events().clear();
    dialog().close();
    EXPECT_EQ(w.events(), QStringList{"question: Zadání příčinkové čáry bylo změněno. Ponechat změny?"});
    EXPECT_TRUE(dialog().isVisible());
    w.ui.messages.answers = {1};
    dialog().close();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(w.main.isEnabled());
    EXPECT_FALSE(slot(1).entered());
    open();
    EXPECT_EQ(dialog().entryTable().cell(1, 0), "");
}

TEST_F(InfluenceDialogTest, EachRowOpensItsOwnSlot)
{
    clickAndSettle(w.main, "BitBtn2");
    clickAndSettle(w.main, "BitBtn2");
    open("BitBtn6");
    EXPECT_EQ(get<QLabel>("Label4")->text(), "Zadání příčinkové čáry 3.vyhodnocované veličiny");
    EXPECT_EQ(dialog().slotNumber(), 3);
    typeRows(grid(), {{"0", "0"}, {"10", "0"}});
    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_TRUE(slot(3).entered());
    EXPECT_FALSE(slot(1).entered());
    EXPECT_FALSE(control<QLabel>(w.main, "Label41")->isHidden());
}

// The file pickers in a folder of influence-line files.
class InfluenceFileTest : public InfluenceDialogTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        writeFile("vliv1.txt", "0 0\r\n5.25 1.3125\r\n10 0\r\n");
        writeFile("carky.txt", "0 0\n5,25 1\n");
        ASSERT_TRUE(QDir(folder.path()).mkdir("dalsi"));
        writeFile("dalsi/vliv2.txt", "0 1 20 2");
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        InfluenceDialogTest::SetUp();
    }
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(QDir(folder.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QListWidget* files() { return get<QListWidget>("FileListBox1"); }
    void pick(const QString& name)
    {
        const auto found = files()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files()->setCurrentItem(found.front());
    }
    void chooseFileMode() { chooseMode(1); }
    QString nameField() { return get<QLineEdit>("Edit2")->text(); }

    testing::WorkingDirectoryGuard restoreDirectory;
    QTemporaryDir folder;
};

TEST_F(InfluenceFileTest, ALineReadFromAFileIsStoredWithItsFileName)
{
    open();
    chooseFileMode();
    EXPECT_TRUE(grid()->isHidden());
    EXPECT_TRUE(count()->isHidden());
    EXPECT_FALSE(get("BitBtn1")->isHidden());
    EXPECT_EQ(nameField(), "*.txt");
    pick("vliv1.txt");
    EXPECT_EQ(nameField(), "vliv1.txt");
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_TRUE(w.events().isEmpty());
    EXPECT_TRUE(grid()->isVisible());
    const TextTable& table = dialog().entryTable();
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.cell(2, 0), "5,25");
    EXPECT_EQ(table.cell(2, 1), "1,3125");
    EXPECT_EQ(grid()->size(), QSize(176, 27 * 4 + 4));
    EXPECT_EQ(count()->value(), 2);  // the value count is not the reader's

    clickAndSettle(dialog(), "BitBtn2");
    ASSERT_TRUE(slot(1).entered());
    EXPECT_EQ(slot(1).entryMode, EntryMode::FromFile);
    EXPECT_EQ(slot(1).sourceFile, "vliv1.txt");
    EXPECT_EQ(slot(1).line.rowCount(), 4);
    EXPECT_EQ(slot(1).line.cell(3, 0), "10");
}

TEST_F(InfluenceFileTest, AStoredFileLineReopensWithItsNameAndLockedPickers)
{
    open();
    chooseFileMode();
    pick("vliv1.txt");
    clickAndSettle(dialog(), "BitBtn1");
    clickAndSettle(dialog(), "BitBtn2");
    open();
    EXPECT_EQ(mode()->itemIndex(), 1);
    EXPECT_FALSE(mode()->isEnabled());
    EXPECT_EQ(nameField(), "vliv1.txt");
    EXPECT_FALSE(get("Edit2")->isHidden());
    EXPECT_TRUE(get("BitBtn1")->isHidden());
    EXPECT_TRUE(grid()->isHidden());
    for (const char* picker : {"DriveComboBox1", "DirectoryListBox1", "FilterComboBox1", "FileListBox1"})
        EXPECT_FALSE(get(picker)->isEnabled()) << picker;

    clickAndSettle(dialog(), "BitBtn3");
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_FALSE(get("BitBtn1")->isHidden());
    EXPECT_TRUE(get("FileListBox1")->isEnabled());
    EXPECT_EQ(dialog().entryTable().cell(2, 0), "5,25");
}

TEST_F(InfluenceFileTest, TheStoreWindowShowsEachSlotAsStored)
{
    open();
    chooseFileMode();
    pick("vliv1.txt");
    clickAndSettle(dialog(), "BitBtn1");
    clickAndSettle(dialog(), "BitBtn2");

    InfluenceStoreWindow store(w.ui.context);
    store.show();
    EXPECT_TRUE(control<QCheckBox>(store, "CheckBox1")->isChecked());
    EXPECT_EQ(control<RadioGroup>(store, "RadioGroup1")->itemIndex(), 1);
    EXPECT_EQ(control<QLineEdit>(store, "Edit1")->text(), "vliv1.txt");
    auto* table = control<QTableView>(store, "StringGrid1");
    EXPECT_EQ(table->model()->rowCount(), 3);
    EXPECT_EQ(table->model()->headerData(0, Qt::Horizontal).toString(), "Staničení [m]");
    EXPECT_EQ(testing::cellText(table, 2, 1), "1,3125");
    // A slot never stored: no mark, no mode, its 20 empty rows.
    EXPECT_FALSE(control<QCheckBox>(store, "CheckBox2")->isChecked());
    EXPECT_EQ(control<RadioGroup>(store, "RadioGroup2")->itemIndex(), -1);
    EXPECT_EQ(control<QTableView>(store, "StringGrid2")->model()->rowCount(), 19);
}

TEST_F(InfluenceFileTest, StoringByHandAfterAFileKeepsTheFileName)
{
    open();
    chooseFileMode();
    pick("vliv1.txt");
    clickAndSettle(dialog(), "BitBtn1");
    clickAndSettle(dialog(), "BitBtn2");
    open();
    clickAndSettle(dialog(), "BitBtn3");
    chooseMode(0);
    EXPECT_TRUE(count()->isVisible());
    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_EQ(slot(1).entryMode, EntryMode::Manual);
    EXPECT_EQ(slot(1).sourceFile, "vliv1.txt");
}

TEST_F(InfluenceFileTest, AFileWithDecimalCommasKeepsThePairsBeforeTheFault)
{
    open();
    chooseFileMode();
    pick("carky.txt");
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_EQ(w.events(), QStringList{"error: Invalid numeric input."});
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(dialog().entryTable().rowCount(), 2);
    EXPECT_EQ(grid()->size(), QSize(176, 27 * 2 + 4));
}

TEST_F(InfluenceFileTest, NoFileChosenIsAFileNotFound)
{
    open();
    chooseFileMode();
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_EQ(w.events(), QStringList{"error: File not found."});
    EXPECT_EQ(dialog().entryTable().rowCount(), 3);
    EXPECT_EQ(dialog().entryTable().cell(0, 1), "    Pořadnice");
}

TEST_F(InfluenceFileTest, PickingAFolderMakesItTheWorkingDirectory)
{
    open();
    chooseFileMode();
    pick("vliv1.txt");
    auto* folders = get<QListWidget>("DirectoryListBox1");
    const auto found = folders->findItems("dalsi", Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    emit folders->itemActivated(found.front());
    EXPECT_EQ(QDir::current().dirName(), "dalsi");
    EXPECT_EQ(nameField(), "*.txt");
    ASSERT_EQ(files()->count(), 1);
    pick("vliv2.txt");
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_EQ(dialog().entryTable().cell(2, 1), "2");
    EXPECT_TRUE(w.events().isEmpty());
}

}  // namespace
}  // namespace kvor::ui
