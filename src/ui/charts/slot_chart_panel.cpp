#include "ui/charts/slot_chart_panel.h"

#include "influence/influence_chart_data.h"
#include "tendons/tendon_chart_data.h"

namespace kvor::ui {

namespace {

struct SlotChart {
    const char* titleName;
    const char* title;  // the chart's heading, also the title of its larger copy
    const char* chartName;
    QSize size;
    const char* leftTitle;
    bool leftAxisInverted;
    const char* warningName;
    std::array<const char*, 3> warningLines;
    const char* warningBackName;
    ChartBuilder build;
};

const SlotChart kQuantityChart = {
    "Label46", "Grafy příčinkových čar", "Chart1", {566, 155}, "pořadnice ", false, "Panel2",
    {"Je nutné vybrat, u které vyhodnocované veličiny chcete", "vykreslit průběh příčinkové čáry !!!",
     "Zadejte průběh příčinkové čáry a označte volbu \"Kreslit graf\""},
    "BitBtn12", &buildInfluenceChart};

const SlotChart kTendonChart = {
    "Label51", "Vedení předpínacích kabelů", "Chart2", {593, 161}, "vzdálenost od n.osy e [m]", true, "Panel3",
    {"Je nutné vybrat, u kterého předpínacího kabelu chcete", "vykreslit jeho tvar !!!",
     "Zadejte tvar kabelu a označte volbu \"Kreslit kabel\""},
    "BitBtn27", &buildTendonChart};

ChartPanelSetup slotChartSetup(SlotKind kind)
{
    const SlotChart& c = kind == SlotKind::Quantity ? kQuantityChart : kTendonChart;
    const QString title = QString::fromUtf8(c.title);
    return ChartPanelSetup{
        QString::fromLatin1(c.titleName),
        title,
        LineChartLook{QString::fromLatin1(c.chartName), c.size, QStringLiteral("staničení [m]"),
                      QString::fromUtf8(c.leftTitle), c.leftAxisInverted, title},
        QString::fromLatin1(c.warningName),
        {QString::fromUtf8(c.warningLines[0]), QString::fromUtf8(c.warningLines[1]),
         QString::fromUtf8(c.warningLines[2])},
        QString::fromLatin1(c.warningBackName),
        c.build,
    };
}

}  // namespace

SlotChartPanel::SlotChartPanel(SlotKind kind, QWidget* parent) : ChartPanel(slotChartSetup(kind), parent)
{
}

}  // namespace kvor::ui
