#include "chart_test_support.h"

#include "ui/charts/chart_warning_panel.h"
#include "ui/charts/slot_chart_panel.h"

#include <QChart>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <memory>

using namespace kvor;
using namespace kvor::ui;
using namespace kvor::ui::testing;

namespace {

class InfluenceChartPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
            window = std::make_unique<QWidget>();
        structureField = new QLineEdit(window.get());
        structureField->setObjectName(QStringLiteral("Edit6"));
        panel = new SlotChartPanel(SlotKind::Quantity, window.get());
        panel->move(0, 40);
        panel->setPageSelector([this](int page) { selectedPage = page; });
        window->resize(600, 260);
        window->show();
        project.beam.length = "20";
    }

    QChart* chart() const { return panel->chartView()->chart(); }
    void graf() { panel->draw(project, ',', messages); }

    std::unique_ptr<QWidget> window;
    QLineEdit* structureField = nullptr;
    SlotChartPanel* panel = nullptr;
    RecordingMessageService messages;
    int selectedPage = -1;
    Project project;
};

}  // namespace

TEST_F(InfluenceChartPanelTest, StartsHiddenWithItsNamesTitlesAndSize)
{
    EXPECT_EQ(panel->title()->objectName(), "Label46");
    EXPECT_EQ(panel->title()->text(), "Grafy příčinkových čar");
    EXPECT_EQ(panel->chartView()->objectName(), "Chart1");
    EXPECT_EQ(panel->chartView()->size(), QSize(566, 155));
    EXPECT_EQ(panel->warningPanel()->objectName(), "Panel2");
    EXPECT_FALSE(panel->title()->isVisible());
    EXPECT_FALSE(panel->chartView()->isVisible());
    EXPECT_FALSE(panel->warningPanel()->isVisible());

    EXPECT_EQ(panel->chartView()->bottomAxis()->titleText(), "staničení [m]");
    EXPECT_EQ(panel->chartView()->leftAxis()->titleText(), "pořadnice ");
    EXPECT_FALSE(panel->chartView()->leftAxis()->isReverse());
    EXPECT_FALSE(panel->chartView()->bottomAxis()->isLineVisible());
    EXPECT_TRUE(chart()->title().isEmpty());
    EXPECT_FALSE(chart()->legend()->isVisible());
    EXPECT_EQ(chart()->backgroundBrush().color(), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(InfluenceChartPanelTest, OnlySlotTwoGivesABlueLineAndTheBlackAxis)
{
    storeInfluenceLineAndChoose(project.quantities[1], {{"0", "0"}, {"10", "2,5"}, {"20", "0"}});

    graf();

    EXPECT_TRUE(messages.events.isEmpty()) << messages.events.join('|').toStdString();
    EXPECT_TRUE(panel->title()->isVisible());
    EXPECT_TRUE(panel->chartView()->isVisible());
    ASSERT_EQ(lineNames(chart()), (QStringList{"quantity2", "beamAxis"}));
    QLineSeries* line = lineNamed(chart(), "quantity2");
    EXPECT_EQ(line->color(), QColor(0, 0, 255));
    EXPECT_EQ(line->points(), (QList<QPointF>{{0, 0}, {10, 2.5}, {20, 0}}));
    QLineSeries* axis = lineNamed(chart(), "beamAxis");
    EXPECT_EQ(axis->color(), QColor(0, 0, 0));
    EXPECT_EQ(axis->points(), (QList<QPointF>{{0, 0}, {20, 0}}));
    // Scaled to the points.
    EXPECT_LE(panel->chartView()->bottomAxis()->min(), 0.0);
    EXPECT_GE(panel->chartView()->bottomAxis()->max(), 20.0);
    EXPECT_GE(panel->chartView()->leftAxis()->max(), 2.5);
}

TEST_F(InfluenceChartPanelTest, AllFiveSlotsInTheirColoursAndALaterGrafWithoutSlotOneDropsTheRedLine)
{
    for (auto& slot : project.quantities)
        storeInfluenceLineAndChoose(slot, {{"0", "1"}, {"20", "-1"}});
    graf();
    const QColor expected[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0), QColor(128, 0, 0),
                               QColor(0, 0, 0)};
    for (int q = 0; q < kSlotCount; ++q)
        EXPECT_EQ(lineNamed(chart(), QStringLiteral("quantity%1").arg(q + 1))->color(), expected[q]);

    project.quantities[0].draw = false;
    graf();

    EXPECT_EQ(lineNamed(chart(), "quantity1"), nullptr);
    EXPECT_EQ(chart()->series().size(), 5);
}

TEST_F(InfluenceChartPanelTest, NothingChosenShowsTheWarningPanelWithABeepAndZpetHidesIt)
{
    storeInfluenceLineAndChoose(project.quantities[0], {{"0", "1"}, {"20", "-1"}});
    graf();
    project.quantities[0].draw = false;

    graf();

    EXPECT_EQ(messages.events, QStringList{"beep"});
    EXPECT_FALSE(panel->title()->isVisible());
    EXPECT_FALSE(panel->chartView()->isVisible());
    ChartWarningPanel* warning = panel->warningPanel();
    ASSERT_TRUE(warning->isVisible());
    QStringList lines;
    for (QLabel* label : warning->findChildren<QLabel*>()) {
        lines << label->text();
        EXPECT_TRUE(label->font().bold());
    }
    EXPECT_EQ(lines, (QStringList{"Je nutné vybrat, u které vyhodnocované veličiny chcete",
                                  "vykreslit průběh příčinkové čáry !!!",
                                  "Zadejte průběh příčinkové čáry a označte volbu \"Kreslit graf\""}));
    EXPECT_EQ(warning->palette().color(QPalette::Window), QColor(255, 0, 0));

    QPushButton* back = warning->findChild<QPushButton*>("BitBtn12");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->text(), "Zpět");
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_FALSE(warning->isVisible());

    // The next drawing with a line chosen hides the panel and shows the chart again.
    project.quantities[0].draw = true;
    warning->show();
    graf();
    EXPECT_FALSE(warning->isVisible());
    EXPECT_TRUE(panel->chartView()->isVisible());
}

TEST_F(InfluenceChartPanelTest, MissingLengthDrawsTheLinesThenSendsToTheLengthFieldWithoutABeep)
{
    project.beam.length = "";
    storeInfluenceLineAndChoose(project.quantities[0], {{"0", "1"}, {"20", "-1"}});

    graf();

    EXPECT_EQ(messages.events, QStringList{"message: Zadejte tvar konstrukce"});
    EXPECT_EQ(selectedPage, 1);
    EXPECT_EQ(window->focusWidget(), structureField);
    EXPECT_EQ(lineNames(chart()), QStringList{"quantity1"});
    EXPECT_TRUE(panel->chartView()->isVisible());
}

TEST_F(InfluenceChartPanelTest, AConversionFailureShowsTheErrorBoxAndWhatWasDrawnBefore)
{
    storeInfluenceLineAndChoose(project.quantities[0], {{"0", "1"}, {"20", "-1"}});
    project.beam.length = "2O";  // letter O: no number

    graf();

    EXPECT_EQ(messages.events, QStringList{"error: '2O' is not a valid floating point value."});
    EXPECT_EQ(lineNames(chart()), QStringList{"quantity1"});
    EXPECT_EQ(selectedPage, -1);
}
