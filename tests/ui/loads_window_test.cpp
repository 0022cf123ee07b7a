// The loads: the window "Zatížení" opened from the page "Příčinkové čáry",
// its checks and the loads it stores through the session; the window
// "Účinky zatížení" with its table and its chart of the axles.

#include "support/entry_test_support.h"
#include "support/result_test_support.h"

#include "ui/charts/chart_line_view.h"
#include "ui/dialogs/loads_window.h"
#include "ui/pages/navigation.h"
#include "ui/pages/quantity_page.h"
#include "ui/widgets/working_grid.h"
#include "ui/windows/load_effects_window.h"

#include <QCheckBox>
#include <QLineSeries>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace kvor::ui {
namespace {

using testing::clickAndSettle;
using testing::control;
using testing::focusName;
using testing::typeInto;

class LoadsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        linkLoadsWindow(w.main, loads);
        ASSERT_TRUE(w.showOnPage(kQuantityPage));
    }
    void openLoads()
    {
        clickAndSettle(w.main, "BitBtn28");
        ASSERT_TRUE(loads.isVisible());
        ASSERT_TRUE(testing::bringUp(loads));
    }
    QLineEdit* field(const char* name) { return control<QLineEdit>(loads, name); }
    QTableView* axleGrid() { return control<QTableView>(loads, "StringGrid1"); }

    testing::EntryWindows w;
    LoadsWindow loads{w.ui.context};
};

TEST_F(LoadsWindowTest, AFieldThatIsNoNumberIsReportedAndKeepsTheFocus)
{
    struct Case {
        const char* field;
        QString typed;
        QString message;
    };
    const Case cases[] = {
        {"Edit1", "12a", "Vlastní tíha g0 musí být zadána jako číslo!"},
        {"Edit2", "1,2,3", "Ostatní stálé zatížení g1 musí být zadáno jako číslo!"},
        {"Edit3", "x", "Rovnoměrné proměnné zatížení q musí být zadáno jako číslo!"},
        {"Edit4", "21", "Počet náprav musí být celé číslo od 0 do 20!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        openLoads();
        EXPECT_FALSE(w.main.isEnabled());
        w.ui.messages.clear();
        typeInto(field(c.field), c.typed);
        // "Zpět" takes the focus: the field's check runs, and the click does not act.
        clickAndSettle(loads, "BitBtn2");
        EXPECT_EQ(w.events(), (QStringList{"message: " + c.message, "beep"}));
        EXPECT_EQ(w.ui.messages.focusAtMessage, QStringList{c.field});
        EXPECT_EQ(focusName(), c.field);
        EXPECT_TRUE(loads.isVisible());
        EXPECT_FALSE(w.project().loads.entered());
        // "Zrušit" takes no focus, so the field's check does not hold it up;
        // it leaves the project's loads as they were.
        clickAndSettle(loads, "BitBtn3");
        EXPECT_FALSE(loads.isVisible());
        EXPECT_TRUE(w.main.isEnabled());
        EXPECT_FALSE(w.project().loads.entered());
    }
}

TEST_F(LoadsWindowTest, EnteredLoadsAreStoredWithTheProjectThroughTheSession)
{
    w.project().section.area = "0,5";
    QSignalSpy stored(&w.ui.session, &ProjectSession::loadsChanged);
    openLoads();
    EXPECT_EQ(control<QLabel>(loads, "Label3")->text(), "návrh: 12,5 kN/m (A·25 kN/m³)");
    clickAndSettle(loads, "BitBtn1");  // "Převzít návrh"
    EXPECT_EQ(field("Edit1")->text(), "12,5");
    typeInto(field("Edit2"), "3");
    typeInto(field("Edit4"), "2");
    testing::typeCell(axleGrid(), 1, 0, "300");  // leaving the count gives the table its rows, a_1 = 0
    EXPECT_EQ(testing::cellText(axleGrid(), 1, 1), "0");
    testing::typeCell(axleGrid(), 2, 0, "300");
    testing::typeCell(axleGrid(), 2, 1, "1,2");
    clickAndSettle(loads, "BitBtn2");
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join(" | ").toStdString();
    EXPECT_FALSE(loads.isVisible());
    EXPECT_TRUE(w.main.isEnabled());
    EXPECT_EQ(stored.count(), 1);
    const LoadInput& kept = w.project().loads;
    EXPECT_EQ(kept.selfWeight, "12,5");
    EXPECT_EQ(kept.permanent, "3");
    EXPECT_EQ(kept.variable, "");
    ASSERT_EQ(kept.axleCount(), 2);
    EXPECT_EQ(kept.axles.cell(2, 0), "300");
    EXPECT_EQ(kept.axles.cell(2, 1), "1,2");

    // Reopened, the window shows what is stored.
    openLoads();
    EXPECT_EQ(field("Edit4")->text(), "2");
    EXPECT_EQ(testing::cellText(axleGrid(), 2, 1), "1,2");
}

TEST_F(LoadsWindowTest, AnAxleTableFaultAtZpetPointsToItsCellAndStoresNothing)
{
    openLoads();
    typeInto(field("Edit4"), "2");
    QTest::keyClick(field("Edit4"), Qt::Key_Return);  // Enter gives the table its rows
    auto* cells = axleGrid()->model();
    for (auto [row, column, text] : {std::tuple{0, 0, "300"}, {1, 0, "300"}, {1, 1, "0"}})  // a_2 not beyond a_1
        cells->setData(cells->index(row, column), QString::fromUtf8(text));
    w.ui.messages.clear();
    clickAndSettle(loads, "BitBtn2");  // the count is left for "Zpět", the whole input checked
    EXPECT_EQ(w.events().size(), 2);
    EXPECT_TRUE(w.events().front().contains("vzestupně")) << w.events().front().toStdString();
    EXPECT_EQ(focusName(), "StringGrid1");
    EXPECT_EQ(axleGrid()->currentIndex().row(), 1);
    EXPECT_EQ(axleGrid()->currentIndex().column(), 1);
    EXPECT_TRUE(loads.isVisible());
    EXPECT_FALSE(w.project().loads.entered());
}

// The frame's close button after edits asks, as the entry dialogs do; without edits it just leaves.
TEST_F(LoadsWindowTest, ClosingThroughTheFrameAfterEditsAsksWhetherToKeepThem)
{
    enum Answer { kKeep = 0, kDiscard = 1, kStay = 2 };
    for (const int answer : {kStay, kDiscard, kKeep}) {
        SCOPED_TRACE(answer);
        openLoads();
        loads.close();
        EXPECT_FALSE(loads.isVisible());
        openLoads();
        typeInto(field("Edit3"), "4");
        w.ui.messages.clear();
        w.ui.messages.answers = {answer};
        loads.close();
        EXPECT_EQ(w.events(), QStringList{"question: Zadání zatížení bylo změněno. Ponechat změny?"});
        EXPECT_EQ(loads.isVisible(), answer == kStay);
        EXPECT_EQ(w.project().loads.variable, answer == kKeep ? "4" : "");
        if (answer == kStay)
            clickAndSettle(loads, "BitBtn3");
        EXPECT_TRUE(w.main.isEnabled());
    }
}

// The effects of the loads on a simple beam of 20 m: the midspan moment's
// line (0; 0), (10; 5), (20; 0) and the reaction's line (0; 1), (20; 0).
class LoadEffectsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui.project.beam.length = "20";
        testing::enterQuantity(ui.project, 0, "Ohybový moment", "uprostřed", {{"0", "0"}, {"10", "5"}, {"20", "0"}});
        testing::enterQuantity(ui.project, 2, "Reakce", "", {{"0", "1"}, {"20", "0"}});
    }
    QStringList shownSeries() const
    {
        QStringList names;
        for (const ChartSeries& s : window.chartView()->shownSeries())
            names << QString::fromStdString(s.name);
        return names;
    }
    QString cell(int row, int column) const
    {
        return window.grid()->model()->index(row, column).data().toString();
    }

    testing::UiContext ui;
    LoadEffectsWindow window{ui.context};
};

TEST_F(LoadEffectsWindowTest, TheTableGivesEachEnteredQuantityItsEffects)
{
    ui.project.loads.selfWeight = "10";
    ui.project.loads.variable = "2";
    setAxleCount(ui.project.loads, 1);
    ui.project.loads.axles.setRow(1, {"100", "0"});
    window.show();
    ASSERT_EQ(window.shownRowCount(), 2);
    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join(" | ").toStdString();
    EXPECT_EQ(cell(0, 0), "1 Ohybový moment (uprostřed)");
    EXPECT_EQ(cell(0, 1), "[kNm]");
    EXPECT_EQ(cell(0, 2), "500");   // G0 = g·L²/8
    EXPECT_EQ(cell(0, 4), "100");   // Q+
    EXPECT_EQ(cell(0, 6), "500");   // T+ = F·max η at midspan
    EXPECT_EQ(cell(0, 7), "10");
    EXPECT_EQ(cell(1, 0), "3 Reakce");
    EXPECT_EQ(cell(1, 2), "100");   // g·L/2

    // The chart of the current row: the axle of T+ stands at midspan, its tip on the line.
    EXPECT_TRUE(shownSeries().contains("T+ 1"));
    const auto& series = window.chartView()->shownSeries();
    const auto plus = std::find_if(series.begin(), series.end(), [](const ChartSeries& s) { return s.name == "T+ 1"; });
    ASSERT_NE(plus, series.end());
    EXPECT_EQ(plus->points[1].x, 10);
    EXPECT_EQ(plus->points[1].y, 5);
    control<QCheckBox>(window, "CheckBox1")->setChecked(false);
    EXPECT_EQ(shownSeries(), (QStringList{"beamAxis", "line"}));
    control<QCheckBox>(window, "CheckBox1")->setChecked(true);
    window.grid()->setCurrentIndex(window.grid()->model()->index(1, 3));
    EXPECT_EQ(control<QLabel>(window, "Label4")->text(), "3 Reakce");
    EXPECT_TRUE(shownSeries().contains("T− 1"));
}

TEST_F(LoadEffectsWindowTest, WithoutLoadsTheWindowSaysSoInsteadOfAnEmptyTable)
{
    window.show();
    EXPECT_EQ(window.shownRowCount(), 0);
    EXPECT_FALSE(window.grid()->isVisible());
    EXPECT_TRUE(control<QLabel>(window, "Label2")->text().startsWith("Zatížení není zadáno."));
    EXPECT_TRUE(ui.messages.events.isEmpty());
}

}  // namespace
}  // namespace kvor::ui
