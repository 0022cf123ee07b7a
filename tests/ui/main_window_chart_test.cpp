#include "chart_test_support.h"

#include "ui/charts/chart_line_view.h"
#include "ui/pages/navigation.h"
#include "ui/pages/quantity_page.h"
#include "ui/pages/structure_page.h"
#include "ui/pages/tendon_page.h"
#include "ui/windows/main_window.h"

#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QValueAxis>
#include <gtest/gtest.h>

#include <vector>

namespace kvor::ui {
namespace {

using testing::control;
using testing::focusName;

// The two charts as the main window holds them: "Graf" on page 3, "Vykresli"
// on page 4, each with its title, chart and warning panel.
class MainWindowChartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui.project.beam.length = "20";
        ui.project.section.eBottom = "0,3";
        ui.project.section.eTop = "-0,3";
        window.structurePage()->loadFromModel();
        ASSERT_TRUE(testing::bringUp(window));
        ui.messages.clear();
    }

    int page() const { return window.pageControl()->currentIndex(); }
    void goToPage(int index) { window.pageControl()->setCurrentIndex(index); ui.messages.clear(); }
    void click(const char* name) { testing::click(window, name); }
    bool visible(const char* name) const { return control<QWidget>(window, name)->isVisible(); }
    QChart* chart(const char* name) const { return control<QChartView>(window, name)->chart(); }

    testing::UiContext ui;
    MainWindow window{ui.context};
};

TEST_F(MainWindowChartTest, EachPageHoldsItsNamedChartControlsHiddenUntilTheFirstDrawing)
{
    const struct {
        int page;
        QWidget* sheet;
        const char* names[5];
    } pages[] = {{kQuantityPage, window.quantityPage(), {"BitBtn9", "Label46", "Chart1", "Panel2", "BitBtn12"}},
                 {kTendonPage, window.tendonPage(), {"BitBtn10", "Label51", "Chart2", "Panel3", "BitBtn27"}}};
    for (const auto& p : pages) {
        goToPage(p.page);
        for (const char* name : p.names)
            EXPECT_NE(control<QWidget>(*p.sheet, name), nullptr) << name;
        EXPECT_TRUE(visible(p.names[0])) << p.names[0];
        for (int i = 1; i < 4; ++i)
            EXPECT_FALSE(visible(p.names[i])) << p.names[i];
    }
    EXPECT_EQ(control<QPushButton>(window, "BitBtn9")->text(), "Graf");
    EXPECT_EQ(control<QPushButton>(window, "BitBtn10")->text(), "Vykresli");
}

TEST_F(MainWindowChartTest, TheChartsLieInsideTheirPagesClearOfTheArrowsAndTheirButtons)
{
    const struct {
        int page;
        QWidget* sheet;
        const char* chart;
        std::vector<const char*> clearOf;
    } pages[] = {{kQuantityPage, window.quantityPage(), "Chart1", {"BitBtn16", "BitBtn17", "BitBtn9"}},
                 {kTendonPage, window.tendonPage(), "Chart2", {"BitBtn18", "BitBtn10"}}};
    for (const auto& p : pages) {
        goToPage(p.page);  // a page gets its size when it is first shown
        QWidget* view = control<QWidget>(*p.sheet, p.chart);
        const QRect place(view->mapTo(p.sheet, QPoint(0, 0)), view->size());
        EXPECT_TRUE(p.sheet->rect().contains(place))
            << p.chart << " at " << place.x() << "," << place.y() << " " << place.width() << "x" << place.height()
            << " on a page of " << p.sheet->width() << "x" << p.sheet->height();
        for (const char* name : p.clearOf)
            EXPECT_FALSE(place.intersects(control<QWidget>(*p.sheet, name)->geometry())) << p.chart << " " << name;
    }
}

TEST_F(MainWindowChartTest, GrafDrawsTheChosenLinesAndNothingChosenShowsTheWarningPanel)
{
    goToPage(kQuantityPage);
    testing::storeInfluenceLineAndChoose(ui.project.quantities[0], {{"0", "0"}, {"10", "1"}, {"20", "0"}});

    click("BitBtn9");
    EXPECT_TRUE(ui.messages.events.isEmpty());
    EXPECT_TRUE(visible("Chart1"));
    EXPECT_TRUE(visible("Label46"));
    EXPECT_EQ(testing::lineNames(chart("Chart1")), (QStringList{"quantity1", "beamAxis"}));

    ui.project.quantities[0].draw = false;
    click("BitBtn9");
    EXPECT_EQ(ui.messages.events, QStringList{"beep"});
    EXPECT_TRUE(visible("Panel2"));
    EXPECT_FALSE(visible("Chart1"));
    EXPECT_FALSE(visible("Label46"));

    click("BitBtn12");
    EXPECT_FALSE(visible("Panel2"));
    EXPECT_EQ(page(), kQuantityPage);
}

TEST_F(MainWindowChartTest, GrafWithoutTheBeamLengthBringsTheStructurePageWithTheFocusOnL)
{
    goToPage(kQuantityPage);
    testing::storeInfluenceLineAndChoose(ui.project.quantities[1], {{"0", "0"}, {"20", "1"}});
    ui.project.beam.length = "";  // emptied meanwhile, page 3 reached by page 4's left arrow

    click("BitBtn9");

    EXPECT_EQ(ui.messages.events, QStringList{"message: Zadejte tvar konstrukce"});
    EXPECT_EQ(page(), kStructurePage);
    EXPECT_EQ(focusName(), "Edit6");
    EXPECT_EQ(testing::lineNames(chart("Chart1")), QStringList{"quantity2"});
}

TEST_F(MainWindowChartTest, VykresliDrawsTheContinuousBeamWithItsSupportsAndTheChosenTendon)
{
    testing::setContinuousBeam(ui.project, {"10", "12"});
    window.structurePage()->loadFromModel();
    goToPage(kTendonPage);
    testing::storeStraightTendonAndChoose(ui.project.tendons[0], "0", "22", "0,15");

    click("BitBtn10");

    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join('|').toStdString();
    EXPECT_TRUE(visible("Chart2"));
    EXPECT_TRUE(visible("Label51"));
    EXPECT_EQ(testing::lineNames(chart("Chart2")),
              (QStringList{"supports", "topFibres", "bottomFibres", "neutralAxis", "tendon1"}));
    EXPECT_EQ(testing::lineNamed(chart("Chart2"), "supports")->points(),
              (QList<QPointF>{{0, -0.3}, {10, -0.3}, {10, 0.3}, {22, 0.3}, {22, -0.3}}));
    EXPECT_TRUE(control<LineChartView>(window, "Chart2")->leftAxis()->isReverse());
}

TEST_F(MainWindowChartTest, VykresliWithoutTheFirstMemberBringsTheStructurePageWithTheFocusOnTheMemberTable)
{
    testing::setContinuousBeam(ui.project, {"", "12"});
    window.structurePage()->loadFromModel();
    goToPage(kTendonPage);
    testing::storeStraightTendonAndChoose(ui.project.tendons[0], "0", "20", "0");

    click("BitBtn10");

    EXPECT_EQ(ui.messages.events, QStringList{"message: Zadejte tvar konstrukce"});
    EXPECT_EQ(page(), kStructurePage);
    EXPECT_EQ(focusName(), "StringGrid1");
    EXPECT_EQ(testing::lineNames(chart("Chart2")), QStringList{"tendon1"});
}

}  // namespace
}  // namespace kvor::ui
