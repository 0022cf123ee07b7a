#include "ui/charts/influence_chart_panel.h"

#include "influence/influence_chart_data.h"
#include "ui/charts/chart_warning_panel.h"

#include <QPushButton>

namespace kvor::ui {

namespace {

ChartPanelSetup influenceChartSetup()
{
    return ChartPanelSetup{
        QStringLiteral("Label46"),
        QStringLiteral("Grafy příčinkových čar"),
        LineChartLook{QStringLiteral("Chart1"), QSize(566, 155), QStringLiteral("staničení [m]"),
                      QStringLiteral("pořadnice "), false},
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
    connect(warningPanel()->backButton(), &QPushButton::clicked, this, &InfluenceChartPanel::BitBtn12Click);
}

void InfluenceChartPanel::BitBtn12Click()
{
    warningPanel()->hide();
}

}  // namespace kvor::ui
