// "Posouzení napětí": the concrete chosen by its class, the fields checked as
// they are left and kept in the project, the tables with their verdicts.

#include "support/project_builders.h"
#include "support/ui_test_support.h"

#include "evaluation/evaluation_run.h"
#include "ui/widgets/working_grid.h"
#include "ui/windows/stress_check_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::control;

TEST(StressCheckWindow, TheClassFillsTheConcreteAndTheTablesGiveTheVerdicts)
{
    testing::UiContext ui;
    // P = −2000 kN at e = 0,3 m with g0 = 10 kN/m: 0,9375 MPa of tension at
    // the top, within f_ctm, beyond the quasi-permanent limit 0.
    ui.project = kvor::testing::stressCheckBeam(',');
    kvor::testing::storeStraight(ui.project, 0, "0", "10", "0,3", "-2000", ',');
    kvor::testing::setLoads(ui.project, "10", "", "", {}, ',');
    evaluateProject(ui.project, ',');
    StressCheckWindow window(ui.context);
    ASSERT_TRUE(testing::bringUp(window));
    EXPECT_EQ(window.objectName(), "Form17");
    EXPECT_EQ(window.shownTableCount(), 0);
    EXPECT_EQ(control<QLabel>(window, "Label2")->text(), "Pro posouzení napětí chybí pevnosti betonu f_ck a f_ctm.");

    auto* classes = control<QComboBox>(window, "ComboBox1");
    classes->setCurrentIndex(3);
    emit classes->activated(3);  // C30/37
    EXPECT_EQ(testing::fieldText(window, "Edit1"), "30");
    EXPECT_EQ(testing::fieldText(window, "Edit2"), "2,9");
    EXPECT_EQ(ui.project.check, (CheckInput{"30", "2,9", "", "", ""}));
    ASSERT_EQ(window.shownTableCount(), 1);
    const QAbstractItemModel* table = window.grid(0)->model();
    ASSERT_EQ(table->rowCount(), 5);
    EXPECT_EQ(table->headerData(9, Qt::Horizontal).toString(), "využití");
    EXPECT_EQ(table->index(0, 8).data().toString(), "vyhovuje");
    EXPECT_EQ(table->index(3, 0).data().toString(), "kvazistálá max");
    EXPECT_EQ(table->index(3, 8).data().toString(), "nevyhovuje");
    EXPECT_TRUE(table->index(3, 8).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_NE(table->index(3, 8).data(Qt::BackgroundRole), table->index(0, 8).data(Qt::BackgroundRole));
    EXPECT_EQ(control<QLabel>(window, "Label11")->text(),
              "Průřez v X = 5 m nevyhovuje: kvazistálá max, kvazistálá min.");

    // A ψ2 above 1 is refused as the field is left, and not kept.
    ui.messages.clear();
    testing::typeInto(control<QLineEdit>(window, "Edit5"), "2");
    QTest::keyClick(control<QLineEdit>(window, "Edit5"), Qt::Key_Tab);
    EXPECT_EQ(ui.messages.events,
              (QStringList{"message: Součinitel ψ2 proměnného zatížení musí být číslo od 0 do 1!", "beep"}));
    EXPECT_EQ(testing::focusName(), "Edit5");
    EXPECT_EQ(ui.project.check.psi2, "");
}

// A field still being typed in when the frame is closed: "Ponechat" checks and keeps it.
TEST(StressCheckWindow, ClosingThroughTheFrameKeepsAFieldNotYetLeft)
{
    testing::UiContext ui;
    ui.project = kvor::testing::stressCheckBeam(',');
    StressCheckWindow window(ui.context);
    ASSERT_TRUE(testing::bringUp(window));
    testing::typeInto(control<QLineEdit>(window, "Edit1"), "35");
    ui.messages.clear();
    ui.messages.answers = {0};
    window.close();
    EXPECT_EQ(ui.messages.events, QStringList{"question: Zadání posouzení napětí bylo změněno. Ponechat změny?"});
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ui.project.check.strength, "35");
}

}  // namespace
}  // namespace kvor::ui
