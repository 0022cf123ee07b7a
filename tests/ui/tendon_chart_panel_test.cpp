#include "chart_test_support.h"

#include "ui/charts/chart_warning_panel.h"
#include "ui/charts/slot_chart_panel.h"

#include <QApplication>
#include <QChart>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QScatterSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <memory>

using namespace kvor;
using namespace kvor::ui;
using namespace kvor::ui::testing;

namespace {

class TendonChartPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
            window = std::make_unique<QWidget>();
        memberTable = new QTableWidget(3, 2, window.get());
        memberTable->setObjectName(QStringLiteral("StringGrid1"));
        memberTable->setGeometry(0, 0, 100, 40);
        panel = new SlotChartPanel(SlotKind::Tendon, window.get());
        panel->move(0, 50);
        panel->setPageSelector([this](int page) { selectedPage = page; });
        window->resize(620, 260);
        window->show();
        project.beam.length = "20";
        project.section.eBottom = "0,3";
        project.section.eTop = "-0,3";
    }

    QChart* chart() const { return panel->chartView()->chart(); }
    void vykresli() { panel->draw(project, ',', messages); }

    std::unique_ptr<QWidget> window;
    QTableWidget* memberTable = nullptr;
    SlotChartPanel* panel = nullptr;
    RecordingMessageService messages;
    int selectedPage = -1;
    Project project;
};

}  // namespace

TEST_F(TendonChartPanelTest, StartsHiddenWithItsNamesTitlesSizeAndAnInvertedLeftAxis)
{
    EXPECT_EQ(panel->title()->objectName(), "Label51");
    EXPECT_EQ(panel->title()->text(), "Vedení předpínacích kabelů");
    EXPECT_EQ(panel->chartView()->objectName(), "Chart2");
    EXPECT_EQ(panel->chartView()->size(), QSize(593, 161));
    EXPECT_EQ(panel->warningPanel()->objectName(), "Panel3");
    EXPECT_FALSE(panel->title()->isVisible());
    EXPECT_FALSE(panel->chartView()->isVisible());
    EXPECT_FALSE(panel->warningPanel()->isVisible());

    EXPECT_EQ(panel->chartView()->bottomAxis()->titleText(), "staničení [m]");
    EXPECT_EQ(panel->chartView()->leftAxis()->titleText(), "vzdálenost od n.osy e [m]");
    EXPECT_TRUE(panel->chartView()->leftAxis()->isReverse());
    EXPECT_FALSE(panel->chartView()->bottomAxis()->isReverse());
    EXPECT_TRUE(chart()->title().isEmpty());
    EXPECT_FALSE(chart()->legend()->isVisible());
    EXPECT_EQ(chart()->plotAreaBackgroundBrush().color(), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(TendonChartPanelTest, PositiveEccentricityIsDrawnBelowTheNeutralAxis)
{
    storeStraightTendonAndChoose(project.tendons[0], "0", "20", "0,15");

    vykresli();

    ASSERT_EQ(lineNames(chart()), (QStringList{"topFibres", "bottomFibres", "neutralAxis", "tendon1"}));
    EXPECT_EQ(lineNamed(chart(), "tendon1")->color(), QColor(255, 0, 0));
    EXPECT_EQ(lineNamed(chart(), "tendon1")->points(), (QList<QPointF>{{0, 0.15}, {20, 0.15}}));
    // Screen y grows downwards: the bottom fibres (+0,3) lie lowest, the top fibres (-0,3) highest.
    const QPointF top = chart()->mapToPosition({10, -0.3}, lineNamed(chart(), "topFibres"));
    const QPointF axis = chart()->mapToPosition({10, 0}, lineNamed(chart(), "neutralAxis"));
    const QPointF tendon = chart()->mapToPosition({10, 0.15}, lineNamed(chart(), "tendon1"));
    const QPointF bottom = chart()->mapToPosition({10, 0.3}, lineNamed(chart(), "bottomFibres"));
    EXPECT_LT(top.y(), axis.y());
    EXPECT_LT(axis.y(), tendon.y());
    EXPECT_LT(tendon.y(), bottom.y());
}

TEST_F(TendonChartPanelTest, TwoMemberSupportsSeries)
{
    setContinuousBeam(project, {"10", "12"});
    storeStraightTendonAndChoose(project.tendons[1], "0", "22", "0,1");

    vykresli();

    EXPECT_TRUE(messages.events.isEmpty()) << messages.events.join('|').toStdString();
    QLineSeries* supports = lineNamed(chart(), "supports");
    ASSERT_NE(supports, nullptr);
    EXPECT_EQ(supports->color(), QColor(0, 0, 0));
    EXPECT_EQ(supports->points(), (QList<QPointF>{{0, -0.3}, {10, -0.3}, {10, 0.3}, {22, 0.3}, {22, -0.3}}));
    EXPECT_EQ(lineNamed(chart(), "tendon2")->color(), QColor(0, 0, 255));
}

TEST_F(TendonChartPanelTest, NothingChosenShowsTheWarningPanelWithABeepAndZpetHidesIt)
{
    vykresli();

    EXPECT_EQ(messages.events, QStringList{"beep"});
    EXPECT_FALSE(panel->chartView()->isVisible());
    EXPECT_FALSE(panel->title()->isVisible());
    ChartWarningPanel* warning = panel->warningPanel();
    ASSERT_TRUE(warning->isVisible());
    QStringList lines;
    for (QLabel* label : warning->findChildren<QLabel*>())
        lines << label->text();
    EXPECT_EQ(lines, (QStringList{"Je nutné vybrat, u kterého předpínacího kabelu chcete", "vykreslit jeho tvar !!!",
                                  "Zadejte tvar kabelu a označte volbu \"Kreslit kabel\""}));
    QPushButton* back = warning->findChild<QPushButton*>("BitBtn27");
    ASSERT_NE(back, nullptr);
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_FALSE(warning->isVisible());
}

TEST_F(TendonChartPanelTest, MissingFirstMemberKeepsTheTendonsAndSendsToTheMemberTable)
{
    setContinuousBeam(project, {"", "12"});
    storeStraightTendonAndChoose(project.tendons[0], "0", "20", "0,1");

    vykresli();

    EXPECT_EQ(messages.events, QStringList{"message: Zadejte tvar konstrukce"});
    EXPECT_EQ(selectedPage, 1);
    EXPECT_EQ(window->focusWidget(), memberTable);
    EXPECT_EQ(lineNames(chart()), QStringList{"tendon1"});
}

TEST_F(TendonChartPanelTest, ACompositeParabolaIsDrawnSmoothWithItsGivenPointsMarked)
{
    TendonSlot& slot = project.tendons[2];
    slot.shown = true;
    slot.draw = true;
    slot.status = SlotStatus::Entered;
    slot.type = TendonType::CompositeParabolic;
    slot.divisions = "20";
    slot.points = TextTable(4, 4);
    slot.points.setRow(1, {"0", "0", "-1000", "0,25"});
    slot.points.setRow(2, {"12", "-0,1", "-1000", "0,2"});
    slot.points.setRow(3, {"20", "0", "-1000", ""});

    vykresli();

    EXPECT_TRUE(messages.events.isEmpty()) << messages.events.join('|').toStdString();
    EXPECT_EQ(lineNamed(chart(), "tendon3")->points().size(), 41);
    QScatterSeries* marks = nullptr;
    for (QAbstractSeries* s : chart()->series())
        if (s->name() == "tendon3Points")
            marks = qobject_cast<QScatterSeries*>(s);
    ASSERT_NE(marks, nullptr);
    EXPECT_EQ(marks->color(), QColor(0, 0x80, 0));
    EXPECT_EQ(marks->points(), (QList<QPointF>{{0, 0}, {12, -0.1}, {20, 0}}));
}

// The legend beside the plot names the tendons drawn and leaves out the outline.
TEST_F(TendonChartPanelTest, TheLegendNamesTheTendonsDrawn)
{
    storeStraightTendonAndChoose(project.tendons[0], "0", "20", "0,15");
    storeStraightTendonAndChoose(project.tendons[2], "0", "20", "-0,1");
    project.tendons[0].name = "K1 spodní";

    vykresli();

    QStringList shown;
    for (QLegendMarker* marker : chart()->legend()->markers())
        if (marker->isVisible())
            shown << marker->label();
    EXPECT_EQ(shown, (QStringList{"Kabel 1: K1 spodní", "Kabel 3"}));
    EXPECT_TRUE(chart()->legend()->isVisible());
    EXPECT_EQ(chart()->legend()->alignment(), Qt::AlignRight);
    // Neither a tick label nor the axis titles are cut for the legend.
    QApplication::processEvents();
    for (QGraphicsItem* item : panel->chartView()->scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible()) {
            EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("..."))) << text->toPlainText().toStdString();
        }
}
