#include "ui/charts/tendon_chart_panel.h"

#include "tendons/tendon_chart_data.h"

namespace kvor::ui {

namespace {

ChartPanelSetup tendonChartSetup()
{
    // The chart's heading, also the title of its larger copy.
    const QString title = QStringLiteral("Vedení předpínacích kabelů");
    return ChartPanelSetup{
        QStringLiteral("Label51"),
        title,
        LineChartLook{QStringLiteral("Chart2"), QSize(593, 161), QStringLiteral("staničení [m]"),
                      QStringLiteral("vzdálenost od n.osy e [m]"), true, title},
        QStringLiteral("Panel3"),
        {QStringLiteral("Je nutné vybrat, u kterého předpínacího kabelu chcete"),
         QStringLiteral("vykreslit jeho tvar !!!"),
         QStringLiteral("Zadejte tvar kabelu a označte volbu \"Kreslit kabel\"")},
        QStringLiteral("BitBtn27"),
        &buildTendonChart,
    };
}

}  // namespace

TendonChartPanel::TendonChartPanel(QWidget* parent) : ChartPanel(tendonChartSetup(), parent)
{
}

}  // namespace kvor::ui
