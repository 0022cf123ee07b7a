#include "support/entry_test_support.h"

#include "ui/pages/navigation.h"

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::clickAndSettle;
using testing::control;
using testing::focusName;
using testing::typeCell;
using testing::typeInto;

const char* const kEnterButtons[] = {"BitBtn22", "BitBtn23", "BitBtn24", "BitBtn25", "BitBtn26"};
const char* const kTypeBoxes[] = {"ComboBox6", "ComboBox7", "ComboBox8", "ComboBox9", "ComboBox10"};

// The main window on page 4 with a simple beam of 20 m and e_d = 0,3,
// e_h = -0,3, and its tendon dialog.
class TendonDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(w.showOnPage(kTendonPage));
    }

    // Chooses the type of slot k in its type box and opens the dialog.
    void open(int k, const QString& type)
    {
        auto* box = control<QComboBox>(w.main, kTypeBoxes[k - 1]);
        if (box->isEnabled())
            typeInto(box->lineEdit(), type);
        clickAndSettle(w.main, kEnterButtons[k - 1]);
        ASSERT_TRUE(dialog().isVisible());
        ASSERT_TRUE(testing::bringUp(dialog()));
    }
    TendonDialog& dialog() { return w.tendon; }
    template <typename T = QWidget>
    T* get(const char* name)
    {
        T* found = control<T>(dialog(), name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* field(int n) { return get<QLineEdit>(n == 1 ? "Edit1" : n == 2 ? "Edit2" : n == 3 ? "Edit3" : "Edit4"); }
    QTableView* points() { return get<QTableView>("StringGrid1"); }
    QTableView* forces() { return get<QTableView>("StringGrid2"); }
    QSpinBox* pointCount() { return get<QSpinBox>("Edit5"); }
    TendonSlot& slot(int k) { return w.project().tendons[static_cast<size_t>(k - 1)]; }
    void typeStraight(const QString& s1, const QString& s2, const QString& e, const QString& n)
    {
        typeInto(field(1), s1);
        typeInto(field(2), s2);
        typeInto(field(3), e);
        typeInto(field(4), n);
    }
    // A broken tendon of m points typed into both tables, the forces first.
    void typeBroken(const std::vector<std::pair<QString, QString>>& pointRows, const QStringList& segmentForces)
    {
        pointCount()->setValue(static_cast<int>(pointRows.size()));
        for (int r = 0; r < segmentForces.size(); ++r)
            typeCell(forces(), r + 1, 0, segmentForces[r]);
        testing::typeRows(points(), pointRows);
    }

    testing::EntryWindows w;
};

TEST_F(TendonDialogTest, SlotTwoOpensOnTheEmptyStraightTendonFields)
{
    clickAndSettle(w.main, "BitBtn19");
    open(2, "přímý kabel");
    EXPECT_FALSE(w.main.isEnabled());
    EXPECT_EQ(dialog().size(), QSize(553, 354));
    EXPECT_EQ(get<QLabel>("Label1")->text(), "Zadání 2.předpínacího kabelu");
    EXPECT_EQ(get<QLabel>("Label2")->text(), "Typ předpínacího kabelu: přímý kabel");
    EXPECT_TRUE(get("Panel3")->isVisible());
    EXPECT_TRUE(get("Panel3")->isEnabled());
    EXPECT_EQ(control<QWidget>(dialog(), "Panel2"), nullptr);  // the notice of old is never shown
    EXPECT_TRUE(get("Panel4")->isHidden());
    EXPECT_TRUE(get("BitBtn2")->isHidden());
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(field(n)->text(), "") << n;
    EXPECT_EQ(dialog().slotNumber(), 2);
    EXPECT_EQ(get<QPlainTextEdit>("Memo1")->toPlainText().split('\n').size(), 10);
    EXPECT_EQ(get<QPlainTextEdit>("Memo2")->toPlainText().split('\n').size(), 13);
}

struct FieldCase {
    const char* s1;
    int field;  // the field typed and left
    const char* text;
    QStringList events;
    const char* focusAfter;
};

// Shown as the field and its text, in the test list and in failures.
void PrintTo(const FieldCase& c, std::ostream* out)
{
    *out << "field " << c.field << " " << ::testing::PrintToString(std::string(c.text));
}

class StraightFieldExit : public TendonDialogTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(StraightFieldExit, ReportsWithItsOwnBeep)
{
    const FieldCase& c = GetParam();
    open(1, "přímý kabel");
    // An s1 left empty was never entered: the user went straight to the field.
    if (*c.s1 && c.field != 1)
        typeInto(field(1), c.s1);
    typeInto(field(c.field), c.text);
    w.events().clear();
    field(c.field == 4 ? 1 : 4)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.events(), c.events) << w.events().join(" | ").toStdString();
    EXPECT_EQ(focusName(), c.focusAfter) << focusName().toStdString();
}

const QString kTooLong = "message: Staničení nemůže být větší než celková délka nosníku!!!";

INSTANTIATE_TEST_SUITE_P(
    Fields, StraightFieldExit,
    ::testing::Values(
        FieldCase{"", 1, "20", {kTooLong, "beep"}, "Edit1"},
        FieldCase{"", 1, "-1", {"message: Staničení nesmí být záporné"}, "Edit1"},
        FieldCase{"", 1, "2.5", {"message: Staničení musí být zadáno jako číslo!!!", "beep"}, "Edit1"},
        FieldCase{"0", 2, "20", {}, "Edit4"},
        FieldCase{"0", 2, "-1", {"message: Staničení nesmí být záporné", "beep"}, "Edit2"},
        FieldCase{"0", 2, "20,5", {kTooLong, "beep"}, "Edit2"},
        FieldCase{"5", 2, "5",
                  {"message: Staničení 2.bodu kabelu musí být větší než staničení 1.bodu kabelu!!!", "beep"},
                  "Edit2"},
        // An empty s1 is asked for, and s2 is then held against 0.
        FieldCase{"", 2, "-3",
                  {"message: Zadejte hodnotu staničení 1.bodu kabelu", "message: Staničení nesmí být záporné",
                   "beep"},
                  "Edit2"},
        FieldCase{"", 2, "3", {"message: Zadejte hodnotu staničení 1.bodu kabelu"}, "Edit1"},
        FieldCase{"0", 3, "0,31", {"beep", "message: Kabel musí ležet uvnitř průřezu!!!"}, "Edit3"},
        FieldCase{"0", 3, "0,3", {}, "Edit4"},
        FieldCase{"0", 3, "-0,3", {}, "Edit4"},
        FieldCase{"0", 4, "0", {"beep", "message: Předpínací síla musí být zadána jako záporná-tlaková!!!"},
                  "Edit4"},
        FieldCase{"0", 4, "x", {"beep", "message: Předpínací síla musí být zadána jako číslo!!!"}, "Edit4"}));

TEST_F(TendonDialogTest, AStraightTendonIsStoredAndReopensReadOnly)
{
    open(1, "přímý kabel");
    typeStraight("0", "20", "0,15", "-1000");
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_TRUE(w.events().isEmpty());
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(w.main.isEnabled());

    ASSERT_TRUE(slot(1).entered());
    EXPECT_EQ(slot(1).type, TendonType::Straight);
    const TextTable& store = slot(1).points;
    ASSERT_EQ(store.rowCount(), 3);
    EXPECT_EQ(store.cell(1, 0), "0");
    EXPECT_EQ(store.cell(2, 0), "20");
    EXPECT_EQ(store.cell(2, 1), "0,15");
    EXPECT_EQ(store.cell(2, 2), "-1000");
    // The stored tendon keeps its type; its row shows "zadáno" and an enabled draw box.
    EXPECT_FALSE(control<QComboBox>(w.main, "ComboBox6")->isEnabled());
    EXPECT_FALSE(control<QLabel>(w.main, "Label62")->isHidden());
    EXPECT_TRUE(control<QCheckBox>(w.main, "CheckBox6")->isEnabled());
    // The dialog's fields were emptied.
    EXPECT_EQ(dialog().straightInput().s1, "");

    open(1, "");
    EXPECT_FALSE(get("Panel3")->isEnabled());
    EXPECT_FALSE(get("BitBtn2")->isHidden());
    EXPECT_EQ(field(1)->text(), "0");
    EXPECT_EQ(field(2)->text(), "20");
    EXPECT_EQ(field(3)->text(), "0,15");
    EXPECT_EQ(field(4)->text(), "-1000");

    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_TRUE(get("Panel3")->isEnabled());
    EXPECT_TRUE(get("BitBtn2")->isHidden());
    EXPECT_EQ(focusName(), "Edit1");
    typeInto(field(4), "-900");
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_TRUE(w.events().isEmpty());
    EXPECT_EQ(slot(1).points.cell(1, 2), "-900");
}

TEST_F(TendonDialogTest, AnIncompleteStraightTendonIsNotStored)
{
    open(1, "přímý kabel");
    typeInto(field(1), "0");
    typeInto(field(2), "20");
    typeInto(field(3), "0,15");
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_EQ(w.events(), QStringList{"message: Zadejte parametry předpínacího kabelu"});
    EXPECT_EQ(focusName(), "Edit1");
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_FALSE(slot(1).entered());
    EXPECT_EQ(slot(1).points.rowCount(), 12);
}

TEST_F(TendonDialogTest, AFaultyFieldIsNotStoredByTheClickThatReportsIt)
{
    open(1, "přímý kabel");
    typeStraight("0", "20", "0,15", "1000");
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_EQ(w.events(), (QStringList{"beep", "message: Předpínací síla musí být zadána jako záporná-tlaková!!!"}));
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_FALSE(slot(1).entered());
}

TEST_F(TendonDialogTest, ASimpleParabolaIsCheckedStoredAndReopensReadOnly)
{
    open(1, "prostý parabolický");
    EXPECT_TRUE(get("Panel5")->isVisible());
    EXPECT_EQ(control<QWidget>(dialog(), "Panel2"), nullptr);  // the notice of old is never shown
    EXPECT_TRUE(get("Panel6")->isHidden());
    EXPECT_EQ(get<QLineEdit>("Edit12")->text(), "100");
    const char* fields[] = {"Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11"};
    const char* texts[] = {"0", "0", "20", "0,3", "0,25", "-1000"};
    for (int i = 0; i < 6; ++i)
        typeInto(get<QLineEdit>(fields[i]), texts[i]);
    // e2 on the bottom fibres and m = 0,25: the parabola bulges below them.
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_EQ(w.events(), (QStringList{"beep", "message: Parabola kabelu vybíhá mimo průřez nosníku, kabel musí "
                                               "ležet od e_h = -0,3 do e_d = 0,3 m!!!"}));
    EXPECT_EQ(focusName(), "Edit10");
    EXPECT_FALSE(slot(1).entered());

    w.events().clear();
    typeInto(get<QLineEdit>("Edit9"), "0");
    // Sag 0,25 m over a hundred chords.
    EXPECT_EQ(get<QLabel>("Label18")->text(), "Odchylka tětiv od paraboly: f/D² = 0,025 mm.");
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    EXPECT_FALSE(dialog().isVisible());
    ASSERT_TRUE(slot(1).entered());
    EXPECT_EQ(slot(1).type, TendonType::SimpleParabolic);
    EXPECT_EQ(slot(1).divisions, "100");
    ASSERT_EQ(slot(1).points.rowCount(), 3);
    EXPECT_EQ(slot(1).points.cell(1, 3), "0,25");
    EXPECT_EQ(slot(1).points.cell(2, 2), "-1000");
    EXPECT_EQ(slot(1).points.cell(2, 3), "");

    open(1, "");
    EXPECT_FALSE(get("Panel5")->isEnabled());
    EXPECT_EQ(get<QLineEdit>("Edit10")->text(), "0,25");
    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_EQ(focusName(), "Edit6");
    // Leaving the mid-eccentricity empty is reported when the focus leaves it.
    typeInto(get<QLineEdit>("Edit10"), "");
    get<QLineEdit>("Edit11")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.events(), (QStringList{"beep", "message: Zadejte excentricitu kabelu uprostřed úseku!!!"}));
    EXPECT_EQ(focusName(), "Edit10");
}

TEST_F(TendonDialogTest, ACompositeParabolaTakesTwoTablesAndNamesTheCellAtFault)
{
    open(1, "složený parabolický");
    EXPECT_TRUE(get("Panel6")->isVisible());
    QTableView* pointGrid = get<QTableView>("StringGrid3");
    QTableView* segmentGrid = get<QTableView>("StringGrid4");
    EXPECT_EQ(segmentGrid->model()->headerData(1, Qt::Horizontal).toString(), "  Excentr. uprostřed [m]");
    // Every heading whole; the help text beside the tables as wide as in the
    // other panels, the dialog grown by what the headings add.
    for (QTableView* grid : {pointGrid, segmentGrid})
        for (int c = 0; c < 2; ++c)
            EXPECT_GT(grid->columnWidth(c), grid->horizontalHeader()->fontMetrics().horizontalAdvance(
                                                grid->model()->headerData(c, Qt::Horizontal).toString()));
    EXPECT_EQ(pointGrid->height(), 83);
    EXPECT_EQ(segmentGrid->height(), 56);
    const QRect memo = get("Memo4")->geometry();
    EXPECT_EQ(memo.width(), 186);
    EXPECT_GT(memo.left(), segmentGrid->geometry().right() + 18);  // room for the scroll bars of long tables
    EXPECT_LE(get("Panel6")->geometry().right(), dialog().width());
    EXPECT_EQ(get("BitBtn1")->geometry().right(), dialog().width() - 14);
    get<QSpinBox>("Edit13")->setValue(3);
    EXPECT_EQ(dialog().segmentTable().rowCount(), 3);
    testing::typeRows(pointGrid, {{"0", "0"}, {"10", "0,1"}, {"20", "0"}});
    typeCell(segmentGrid, 1, 0, "-1000");
    typeCell(segmentGrid, 1, 1, "0,2");
    typeCell(segmentGrid, 2, 0, "-950");
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    // Leaving the segment table for "Zpět" finds the missing mid-eccentricity.
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_EQ(w.events(), (QStringList{"message: Zadejte excentricitu kabelu uprostřed 2.úseku!", "beep"}));
    EXPECT_EQ(focusName(), "StringGrid4");
    EXPECT_EQ(segmentGrid->currentIndex().row(), 1);
    EXPECT_EQ(segmentGrid->currentIndex().column(), 1);
    EXPECT_FALSE(slot(1).entered());

    w.events().clear();
    typeCell(segmentGrid, 2, 1, "0,15");
    typeInto(get<QLineEdit>("Edit14"), "10");
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    ASSERT_TRUE(slot(1).entered());
    EXPECT_EQ(slot(1).type, TendonType::CompositeParabolic);
    EXPECT_EQ(slot(1).divisions, "10");
    ASSERT_EQ(slot(1).points.rowCount(), 4);
    EXPECT_EQ(slot(1).points.cell(2, 3), "0,15");
    EXPECT_EQ(slot(1).points.cell(3, 2), "-950");

    open(1, "");
    EXPECT_FALSE(get<QSpinBox>("Edit13")->isEnabled());
    EXPECT_EQ(get<QSpinBox>("Edit13")->value(), 3);
    EXPECT_EQ(get<QLineEdit>("Edit14")->text(), "10");
    EXPECT_EQ(testing::cellText(segmentGrid, 2, 1), "0,15");
    EXPECT_FALSE(get("BitBtn2")->isHidden());
}

TEST_F(TendonDialogTest, ATextNamingNoTypeShowsNoPanelAndZpetStoresNothing)
{
    open(1, "přímý kabel");
    typeStraight("0", "20", "0,15", "-1000");
    w.ui.messages.answers = {1};  // "Zahodit" of the question about the typed input
    dialog().close();
    w.events().clear();
    open(1, "přímý");
    EXPECT_EQ(get<QLabel>("Label2")->text(), "Typ předpínacího kabelu: přímý");
    for (const char* panel : {"Panel3", "Panel4", "Panel5", "Panel6"})
        EXPECT_TRUE(get(panel)->isHidden()) << panel;
    EXPECT_EQ(control<QWidget>(dialog(), "Panel2"), nullptr);
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_FALSE(slot(1).entered());
    EXPECT_TRUE(w.events().isEmpty());
}

TEST_F(TendonDialogTest, SixPointsFitSevenScrollTheTwoTablesTogether)
{
    open(1, "lomený kabel");
    EXPECT_EQ(points()->size(), QSize(176, 83));
    EXPECT_EQ(forces()->size(), QSize(89, 56));
    pointCount()->setValue(6);
    EXPECT_EQ(dialog().pointTable().rowCount(), 7);
    EXPECT_EQ(dialog().forceTable().rowCount(), 6);
    EXPECT_EQ(points()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    const int normalForceX = forces()->x();
    // Each force stands half a row below its first point.
    EXPECT_EQ(forces()->y() - points()->y(), 14);

    pointCount()->setValue(7);
    EXPECT_EQ(dialog().pointTable().rowCount(), 8);
    EXPECT_EQ(points()->size(), QSize(194, 191));
    EXPECT_EQ(forces()->size(), QSize(107, 164));
    EXPECT_EQ(forces()->x(), normalForceX + 18);
    EXPECT_EQ(points()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(forces()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    pointCount()->setValue(40);
    QScrollBar* pointBar = points()->verticalScrollBar();
    pointBar->setValue(pointBar->maximum());
    EXPECT_EQ(forces()->verticalScrollBar()->value(), pointBar->value());
    EXPECT_EQ(forces()->verticalScrollBar()->maximum(), pointBar->maximum());
    EXPECT_TRUE(w.events().isEmpty());
}

TEST_F(TendonDialogTest, PointCountsOutsideTheRangeNeverReachTheTables)
{
    open(1, "lomený kabel");
    pointCount()->setValue(5);
    for (const char* typed : {"0", "1", "", "x"}) {
        pointCount()->setFocus(Qt::MouseFocusReason);
        pointCount()->selectAll();
        QTest::keyClicks(pointCount(), typed);
        QTest::keyClick(pointCount(), Qt::Key_Return);
        get("Edit5")->clearFocus();
        EXPECT_EQ(pointCount()->value(), 5) << typed;
        EXPECT_EQ(dialog().pointTable().rowCount(), 6) << typed;
        EXPECT_EQ(dialog().forceTable().rowCount(), 5) << typed;
    }
    EXPECT_EQ(pointCount()->minimum(), 2);
    EXPECT_EQ(pointCount()->maximum(), 32766);
    EXPECT_TRUE(w.events().isEmpty());
}

TEST_F(TendonDialogTest, ABrokenTendonIsStoredAndReopensWithItsPointsAndForces)
{
    open(1, "lomený kabel");
    typeBroken({{"0", "0"}, {"5", "0,2"}, {"12", "0,25"}, {"20", "-0,1"}}, {"-800", "-700", "-650"});
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_TRUE(w.events().isEmpty());
    EXPECT_FALSE(dialog().isVisible());

    ASSERT_TRUE(slot(1).entered());
    EXPECT_EQ(slot(1).type, TendonType::Broken);
    const TextTable& store = slot(1).points;
    ASSERT_EQ(store.rowCount(), 5);
    EXPECT_EQ(store.cell(2, 1), "0,2");
    EXPECT_EQ(store.cell(3, 2), "-650");
    EXPECT_EQ(store.cell(4, 2), "-650");  // the last point repeats the last segment's force
    // The dialog is back to two empty points in the small tables.
    EXPECT_EQ(pointCount()->value(), 2);
    EXPECT_EQ(dialog().pointTable().rowCount(), 3);
    EXPECT_EQ(dialog().pointTable().cell(1, 0), "");
    EXPECT_EQ(points()->size(), QSize(176, 83));

    open(1, "");
    EXPECT_TRUE(get("Panel4")->isVisible());
    EXPECT_FALSE(get("BitBtn2")->isHidden());
    EXPECT_EQ(pointCount()->value(), 4);
    EXPECT_FALSE(pointCount()->isEnabled());
    EXPECT_EQ(testing::cellText(points(), 4, 0), "20");
    EXPECT_EQ(testing::cellText(forces(), 3, 0), "-650");
    EXPECT_EQ(dialog().forceTable().rowCount(), 4);
    typeCell(points(), 2, 1, "0,1");  // locked
    EXPECT_EQ(dialog().pointTable().cell(2, 1), "0,2");

    clickAndSettle(dialog(), "BitBtn2");
    EXPECT_EQ(focusName(), "StringGrid1");
    EXPECT_TRUE(pointCount()->isEnabled());
    typeCell(points(), 2, 1, "0,1");
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_TRUE(w.events().isEmpty());
    EXPECT_EQ(slot(1).points.cell(2, 1), "0,1");
}

TEST_F(TendonDialogTest, AFaultyPointTableIsNotStoredByTheClickThatReportsIt)
{
    open(1, "lomený kabel");
    typeBroken({{"0", "0"}, {"10", "0,5"}, {"5", "0"}}, {"-800", "-700"});
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_EQ(w.events(),
              (QStringList{"message: Staničení nesmí být zadáváno sestupně, staničení v 3.řádku je menší než v "
                           "2.řádku!",
                           "beep", "message: Bod kabelu nesmí ležet mimo průřez nosníku", "beep"}));
    EXPECT_EQ(focusName(), "StringGrid1");
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_FALSE(slot(1).entered());
}

TEST_F(TendonDialogTest, SegmentForcesMayBeZeroButNotPositive)
{
    open(1, "lomený kabel");
    typeBroken({{"0", "0"}, {"10", "0,1"}, {"20", "0"}}, {"0", "-1"});
    typeCell(forces(), 2, 0, "5");
    pointCount()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.events(), (QStringList{"message: Předpínací síla musí být zadána jako záporná-tlaková!", "beep"}));
    EXPECT_EQ(focusName(), "StringGrid2");
}

TEST_F(TendonDialogTest, ABrokenTendonNeedsItsFirstStationAndFirstForce)
{
    open(1, "lomený kabel");
    // The force table never had the focus, so its empty first force was not reported.
    testing::typeRows(points(), {{"0", "0"}, {"10", "0,1"}});
    clickAndSettle(dialog(), "BitBtn1");
    EXPECT_EQ(w.events(), QStringList{"message: Zadejte parametry předpínacího kabelu"});
    EXPECT_EQ(focusName(), "StringGrid1");
    EXPECT_FALSE(slot(1).entered());
}

TEST_F(TendonDialogTest, ClosingThroughTheFrameAfterEditsCanKeepThemAsZpetDoes)
{
    open(1, "přímý kabel");
    typeStraight("0", "20", "0,15", "-1000");
    w.events().clear();
    w.ui.messages.answers = {0};  // "Ponechat"
    dialog().close();
    EXPECT_EQ(w.events(), QStringList{"question: Zadání kabelu bylo změněno. Ponechat změny?"});
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(slot(1).entered());
}

TEST_F(TendonDialogTest, ClosingThroughTheFrameStoresNothingAndEmptiesTheInputs)
{
    open(1, "přímý kabel");
    typeStraight("0", "20", "0,15", "-1000");
    w.ui.messages.answers = {1};  // "Zahodit" of the question about the typed input
    dialog().close();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(w.main.isEnabled());
    EXPECT_FALSE(slot(1).entered());
    clickAndSettle(w.main, "BitBtn19");
    open(2, "přímý kabel");
    EXPECT_EQ(field(1)->text(), "");
}

}  // namespace
}  // namespace kvor::ui
