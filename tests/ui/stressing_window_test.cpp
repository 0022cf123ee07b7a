#include "support/entry_test_support.h"

#include "stressing/tendon_stressing.h"
#include "ui/charts/chart_line_view.h"
#include "ui/dialogs/stressing_window.h"
#include "ui/pages/navigation.h"

#include <QLabel>
#include <QComboBox>
#include <QRadioButton>
#include <QLineSeries>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::clickAndSettle;
using testing::control;
using testing::focusName;
using testing::typeInto;

// The tendon dialog of slot 1 on a simple beam of 20 m (e = ±0,3 m), and its
// stressing window.
class StressingWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(w.showOnPage(kTendonPage));
    }

    void open(const QString& type)
    {
        auto* box = control<QComboBox>(w.main, "ComboBox6");
        if (box->isEnabled())
            typeInto(box->lineEdit(), type);
        clickAndSettle(w.main, "BitBtn22");
        ASSERT_TRUE(testing::bringUp(w.tendon));
    }
    // A broken tendon of three points, its forces not typed.
    void openBroken()
    {
        open("lomený kabel");
        control<QSpinBox>(w.tendon, "Edit5")->setValue(3);
        testing::typeRows(grid("StringGrid1"), {{"0", "0"}, {"10", "0,2"}, {"20", "0"}});
    }
    void openWindow()
    {
        clickAndSettle(w.tendon, "BitBtn3");
        ASSERT_TRUE(window().isVisible());
        ASSERT_TRUE(testing::bringUp(window()));
    }
    StressingWindow& window() { return *w.tendon.stressingWindow(); }
    QLineEdit* field(const char* name) { return control<QLineEdit>(window(), name); }
    QTableView* grid(const char* name) { return control<QTableView>(w.tendon, name); }
    TendonSlot& slot() { return w.project().tendons[0]; }
    // P0 and A_p, the two fields without a default.
    void typeForceAndArea(const QString& p0, const QString& area)
    {
        typeInto(field("Edit15"), p0);
        typeInto(field("Edit20"), area);
    }

    testing::EntryWindows w;
};

TEST_F(StressingWindowTest, ComputedForcesFillTheColumnAndAreStoredWithTheirData)
{
    openBroken();
    openWindow();
    EXPECT_FALSE(w.tendon.isEnabled());
    EXPECT_EQ(window().objectName(), "Form14");
    EXPECT_EQ(field("Edit16")->text(), "0,19");
    EXPECT_EQ(field("Edit18")->text(), "6");
    typeForceAndArea("1000", "1000");
    clickAndSettle(window(), "BitBtn6");
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    // Compression below the jacking force in both segments.
    for (int row : {1, 2}) {
        const double force = testing::cellText(grid("StringGrid2"), row, 0).replace(',', '.').toDouble();
        EXPECT_GT(force, -1000) << row;
        EXPECT_LT(force, -800) << row;
    }
    // The chart shows P, P′ and the steps.
    const auto lines = window().chartView()->chart()->series();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_GT(qobject_cast<QLineSeries*>(lines[2])->count(), 100);  // P′ between the three points too

    clickAndSettle(window(), "BitBtn8");
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(w.tendon.isEnabled());
    clickAndSettle(w.tendon, "BitBtn1");
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    ASSERT_TRUE(slot().entered());
    ASSERT_TRUE(slot().stressing.has_value());
    EXPECT_EQ(slot().stressing->end, "L");
    EXPECT_EQ(slot().stressing->jackingForce, "1000");
    EXPECT_EQ(slot().stressing->area, "1000");
    // The stored forces are exactly those the stored data give.
    EXPECT_FALSE(stressingIsStale(slot(), ','));

    // Reopened, the data are shown read-only until "Opravit".
    open("");
    openWindow();
    EXPECT_EQ(field("Edit15")->text(), "1000");
    EXPECT_FALSE(field("Edit15")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(window(), "BitBtn6")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(window(), "BitBtn7")->isEnabled());
    EXPECT_EQ(focusName(), "BitBtn8");
    EXPECT_EQ(window().chartView()->chart()->series().size(), 3);
    QTest::keyClick(&window(), Qt::Key_Escape);
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(w.tendon.isEnabled());
    clickAndSettle(w.tendon, "BitBtn2");
    openWindow();
    EXPECT_TRUE(field("Edit15")->isEnabled());
    EXPECT_EQ(focusName(), "Edit15");
}

struct FaultCase {
    const char* field;
    const char* text;
    const char* message;
    const char* focus;
};

class StressingFault : public StressingWindowTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(StressingFault, IsReportedWithItsBeepAndTheFieldTakesTheFocus)
{
    const FaultCase& c = GetParam();
    openBroken();
    openWindow();
    typeForceAndArea("1000", "1000");
    typeInto(field(c.field), c.text);
    w.events().clear();
    clickAndSettle(window(), "BitBtn6");
    EXPECT_EQ(w.events(), (QStringList{QStringLiteral("message: ") + QString::fromUtf8(c.message), "beep"}));
    EXPECT_EQ(focusName(), c.focus);
    EXPECT_EQ(w.tendon.forceTable().cell(1, 0), "");
    EXPECT_FALSE(w.tendon.stressing().has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, StressingFault,
    ::testing::Values(FaultCase{"Edit15", "", "Napínací síla P0 musí být zadána jako číslo větší než 0!",
                                "Edit15"},
                      FaultCase{"Edit16", "-1", "Součinitel tření μ musí být zadán jako číslo, nejméně 0!",
                                "Edit16"},
                      FaultCase{"Edit21", "100", "Dlouhodobé ztráty musí být zadány jako číslo od 0 do méně než 100 %!",
                                "Edit21"},
                      // A set no anchor force can take: the computation's fault, on its command.
                      FaultCase{"Edit18", "100000",
                                "Pokluz v kotvě je tak velký, že by po zakotvení v kabelu nezůstala žádná síla!",
                                "BitBtn6"}));

TEST_F(StressingWindowTest, AWarningIsToldWithoutABeepAndTheForcesStay)
{
    open("prostý parabolický");
    const char* fields[] = {"Edit6", "Edit7", "Edit8", "Edit9", "Edit10"};
    const char* texts[] = {"0", "0", "20", "0", "0,25"};
    for (int i = 0; i < 5; ++i)
        typeInto(control<QLineEdit>(w.tendon, fields[i]), texts[i]);
    openWindow();
    // 1500 kN on 1000 mm²: 1500 MPa above 0,8 · 1860 = 1488 MPa.
    typeForceAndArea("1500", "1000");
    clickAndSettle(window(), "BitBtn6");
    ASSERT_FALSE(w.events().isEmpty());
    EXPECT_EQ(w.events().first(), "message: Napětí při napínání P0/A_p = 1500 MPa překračuje 0,8·f_pk = 1488 MPa.");
    EXPECT_FALSE(w.events().contains("beep"));
    EXPECT_TRUE(w.tendon.stressing().has_value());
    // The simple parabola's one force field takes the force.
    EXPECT_TRUE(control<QLineEdit>(w.tendon, "Edit11")->text().startsWith('-'));
}

TEST_F(StressingWindowTest, WithoutStressingTheForcesStayAndNoDataAreStored)
{
    openBroken();
    openWindow();
    typeForceAndArea("1000", "1000");
    clickAndSettle(window(), "BitBtn6");
    const std::string computed(w.tendon.forceTable().cell(1, 0));
    ASSERT_FALSE(computed.empty());
    clickAndSettle(window(), "BitBtn7");
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(w.tendon.stressing().has_value());
    clickAndSettle(w.tendon, "BitBtn1");
    ASSERT_TRUE(slot().entered());
    EXPECT_FALSE(slot().stressing.has_value());
    EXPECT_EQ(slot().points.cell(1, 2), computed);
    // The window proposes the defaults again.
    open("");
    clickAndSettle(w.tendon, "BitBtn2");
    openWindow();
    EXPECT_EQ(field("Edit15")->text(), "");
}

TEST_F(StressingWindowTest, ACompositeTendonOpensFromItsSegmentTableWithTheForcesEmpty)
{
    open("složený parabolický");
    control<QSpinBox>(w.tendon, "Edit13")->setValue(3);
    testing::typeRows(grid("StringGrid3"), {{"0", "0"}, {"8", "0,2"}, {"20", "0"}});
    testing::typeCell(grid("StringGrid4"), 1, 1, "0,25");
    testing::typeCell(grid("StringGrid4"), 2, 1, "-0,1");
    // Leaving the segment table for the button is no fault of the forces to come.
    openWindow();
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    control<QRadioButton>(window(), "RadioGroup3Item2")->click();
    typeForceAndArea("2000", "1500");
    clickAndSettle(window(), "BitBtn6");
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    EXPECT_TRUE(testing::cellText(grid("StringGrid4"), 2, 0).startsWith('-'));
    clickAndSettle(window(), "BitBtn8");
    clickAndSettle(w.tendon, "BitBtn1");
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    ASSERT_TRUE(slot().stressing.has_value());
    EXPECT_EQ(slot().stressing->end, "LR");
    EXPECT_FALSE(stressingIsStale(slot(), ','));
}

TEST_F(StressingWindowTest, AForceTableLeftUncomputedIsCheckedWhenTheWindowCloses)
{
    openBroken();
    testing::typeCell(grid("StringGrid2"), 1, 0, "5");
    openWindow();
    EXPECT_TRUE(w.events().isEmpty());
    clickAndSettle(window(), "BitBtn8");
    ASSERT_TRUE(testing::bringUp(w.tendon));
    EXPECT_EQ(focusName(), "StringGrid2");
    clickAndSettle(w.tendon, "BitBtn1");
    EXPECT_EQ(w.events(), (QStringList{"message: Předpínací síla musí být zadána jako záporná-tlaková!", "beep"}));
    EXPECT_FALSE(slot().entered());
}

TEST_F(StressingWindowTest, ClosingThroughTheFrameAfterTypedDataCanComputeAndKeepThem)
{
    openBroken();
    openWindow();
    typeForceAndArea("1000", "1000");
    w.ui.messages.clear();
    w.ui.messages.answers = {0};  // "Ponechat"
    window().close();
    EXPECT_EQ(w.events(), QStringList{"question: Zadání napínání bylo změněno. Ponechat změny?"});
    EXPECT_FALSE(window().isVisible());
    ASSERT_TRUE(w.tendon.stressing().has_value());
    EXPECT_EQ(w.tendon.stressing()->jackingForce, "1000");
    EXPECT_FALSE(w.tendon.forceTable().cell(1, 0).empty());
}

// Forces typed over the computed ones: the window says they no longer follow
// from its data until they are computed again.
TEST_F(StressingWindowTest, StaleForcesAreNotedUntilComputedAgain)
{
    openBroken();
    openWindow();
    QLabel* note = control<QLabel>(window(), "Label32");
    EXPECT_FALSE(note->isVisible());  // no data yet
    typeForceAndArea("1000", "1000");
    clickAndSettle(window(), "BitBtn6");
    clickAndSettle(window(), "BitBtn8");
    openWindow();
    EXPECT_FALSE(note->isVisible());
    clickAndSettle(window(), "BitBtn8");
    testing::typeCell(grid("StringGrid2"), 1, 0, "-900");
    openWindow();
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), "Síly neodpovídají údajům o napínání: přepočítejte je.");
    clickAndSettle(window(), "BitBtn6");
    EXPECT_FALSE(note->isVisible());
    EXPECT_NE(testing::cellText(grid("StringGrid2"), 1, 0), "-900");
}

// A simple parabola by keyboard: its force field lies between the geometry
// and D; left empty it lets the engineer on to the stressing window, and the
// tendon is still not stored without a force.
TEST_F(StressingWindowTest, ASimpleParabolaReachesTheWindowPastAnEmptyForce)
{
    open("prostý parabolický");
    const char* fields[] = {"Edit6", "Edit7", "Edit8", "Edit9", "Edit10"};
    const char* texts[] = {"0", "0", "20", "0", "0,25"};
    for (int i = 0; i < 5; ++i)
        typeInto(control<QLineEdit>(w.tendon, fields[i]), texts[i]);
    control<QLineEdit>(w.tendon, "Edit11")->setFocus(Qt::TabFocusReason);
    control<QLineEdit>(w.tendon, "Edit12")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    EXPECT_EQ(focusName(), "Edit12");
    clickAndSettle(w.tendon, "BitBtn1");
    EXPECT_FALSE(w.events().isEmpty());
    EXPECT_FALSE(slot().entered());
    w.events().clear();
    openWindow();
    typeForceAndArea("1000", "1000");
    clickAndSettle(window(), "BitBtn6");
    EXPECT_TRUE(control<QLineEdit>(w.tendon, "Edit11")->text().startsWith('-'));
    clickAndSettle(window(), "BitBtn8");
    clickAndSettle(w.tendon, "BitBtn1");
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    EXPECT_TRUE(slot().entered());
}

// By keyboard a force table is left for the help beside it: a column not typed
// at all is no fault then (its forces may come from stressing), one typed in
// part is; the tendon is not stored without forces.
TEST_F(StressingWindowTest, AForceTableNotTypedAtAllIsLeftWithoutAFault)
{
    openBroken();
    grid("StringGrid2")->setFocus(Qt::TabFocusReason);
    control<QWidget>(w.tendon, "Memo2")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    clickAndSettle(w.tendon, "BitBtn1");
    EXPECT_FALSE(w.events().isEmpty());
    EXPECT_FALSE(slot().entered());

}

TEST_F(StressingWindowTest, ASegmentTableWithoutForcesIsLeftWithoutAFault)
{
    open("složený parabolický");
    control<QSpinBox>(w.tendon, "Edit13")->setValue(3);
    testing::typeRows(grid("StringGrid3"), {{"0", "0"}, {"8", "0,2"}, {"20", "0"}});
    testing::typeCell(grid("StringGrid4"), 1, 1, "0,25");
    testing::typeCell(grid("StringGrid4"), 2, 1, "-0,1");
    grid("StringGrid4")->setFocus(Qt::TabFocusReason);
    control<QWidget>(w.tendon, "Memo4")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    testing::typeCell(grid("StringGrid4"), 1, 0, "-1000");
    control<QWidget>(w.tendon, "Memo4")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.events(), (QStringList{"message: Políčko v 1.sloupci a 2.řádku neobsahuje číslo!", "beep"}));
}

TEST_F(StressingWindowTest, AStraightTendonHasNoStressing)
{
    open("přímý kabel");
    EXPECT_TRUE(control<QWidget>(w.tendon, "BitBtn3")->isHidden());
}

}  // namespace
}  // namespace kvor::ui
