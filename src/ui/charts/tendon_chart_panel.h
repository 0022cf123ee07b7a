#pragma once
// The tendon layout chart of page "Vedení předpětí v konstrukci": the title
// `Label51` "Vedení předpínacích kabelů", the chart `Chart2` (593 x 161 pixels,
// bottom axis "staničení [m]", left axis "vzdálenost od n.osy e [m]", inverted
// so that positive eccentricities lie below the neutral axis) and the warning
// panel `Panel3` with its "Zpět" `BitBtn27`. "Vykresli" (`BitBtn10`) calls
// draw().

#include "ui/charts/chart_panel.h"

namespace kvor::ui {

class TendonChartPanel final : public ChartPanel {
    Q_OBJECT
public:
    explicit TendonChartPanel(QWidget* parent = nullptr);
};

}  // namespace kvor::ui
