#pragma once
// The chart at the foot of the quantity page and of the tendon page; the two
// differ only in their names, texts and data:
//
// - quantities: the title `Label46` "Grafy příčinkových čar", the chart
//   `Chart1` (566 x 155 pixels, bottom axis "staničení [m]", left axis
//   "pořadnice ") and the warning panel `Panel2` with its "Zpět" `BitBtn12`;
//   "Graf" (`BitBtn9`) calls draw().
// - tendons: the title `Label51` "Vedení předpínacích kabelů", the chart
//   `Chart2` (593 x 161 pixels, bottom axis "staničení [m]", left axis
//   "vzdálenost od n.osy e [m]", inverted so that positive eccentricities lie
//   below the neutral axis) and the warning panel `Panel3` with its "Zpět"
//   `BitBtn27`; "Vykresli" (`BitBtn10`) calls draw().

#include "model/slots.h"
#include "ui/charts/chart_panel.h"

namespace kvor::ui {

class SlotChartPanel final : public ChartPanel {
    Q_OBJECT
public:
    explicit SlotChartPanel(SlotKind kind, QWidget* parent = nullptr);
};

}  // namespace kvor::ui
