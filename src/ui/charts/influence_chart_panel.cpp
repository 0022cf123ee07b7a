#include "ui/charts/influence_chart_panel.h"

#include "influence/influence_chart_data.h"

namespace kvor::ui {

namespace {

ChartPanelSetup influenceChartSetup()
{
    // The chart's heading, also the title of its larger copy.
    const QString title = QStringLiteral("Grafy příčinkových čar");
    return ChartPanelSetup{
        QStringLiteral("Label46"),
        title,
        LineChartLook{QStringLiteral("Chart1"), QSize(566, 155), QStringLiteral("staničení [m]"),
                      QStringLiteral("pořadnice "), false, title},
        QStringLiteral("Panel2"),
        {QStringLiteral("Je nutné vybrat, u které vyhodnocované veličiny chcete"),
         QStringLiteral("vykreslit průběh příčinkové čáry !!!"),
         QStringLiteral("Zadejte průběh příčinkové čáry a označte volbu \"Kreslit graf\"")},
        QStringLiteral("BitBtn12"),
        &buildInfluenceChart,
    };
}

}  // namespace

InfluenceChartPanel::InfluenceChartPanel(QWidget* parent) : ChartPanel(influenceChartSetup(), parent)
{
}

}  // namespace kvor::ui
