#pragma once
// The influence-line chart of page "Příčinkové čáry": the title `Label46`
// "Grafy příčinkových čar", the chart `Chart1` (566 x 155 pixels, bottom axis
// "staničení [m]", left axis "pořadnice ") and the warning panel `Panel2` with
// its "Zpět" `BitBtn12`. "Graf" (`BitBtn9`) calls draw().

#include "ui/charts/chart_panel.h"

namespace kvor::ui {

class InfluenceChartPanel final : public ChartPanel {
    Q_OBJECT
public:
    explicit InfluenceChartPanel(QWidget* parent = nullptr);
};

}  // namespace kvor::ui
