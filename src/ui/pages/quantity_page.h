#pragma once
// Page "Příčinkové čáry": the evaluated quantities, one row per quantity slot
// below the column headings, and the chart of their influence lines.

#include "ui/app_context.h"
#include "ui/pages/page_sheet.h"

class QPushButton;

namespace kvor::ui {

class InfluenceChartPanel;
class SlotRows;

class QuantityPage : public PageSheet {
    Q_OBJECT
public:
    QuantityPage(AppContext& context, QWidget* parent);

    QPushButton* leftArrow() const { return backArrow_; }
    QPushButton* rightArrow() const { return nextArrow_; }
    // The five quantity rows with "Další" and "Zpět".
    SlotRows* rows() const { return rows_; }
    // "Graf" and the chart of the chosen influence lines at the foot of the page.
    InfluenceChartPanel* chartPanel() const { return chartPanel_; }
    // "Zatížení…": the loads the lines are loaded with.
    QPushButton* loadsButton() const { return loadsButton_; }
    void drawChart();  // "Graf": the chosen influence lines

    // Where the slot rows begin: the first row's top edge, below the headings.
    static constexpr int kFirstRowTop = 62;
    static constexpr int kRowPitch = 32;

private:
    AppContext& context_;
    QPushButton* backArrow_;
    QPushButton* nextArrow_;
    SlotRows* rows_;
    QPushButton* chartButton_;
    QPushButton* loadsButton_;
    InfluenceChartPanel* chartPanel_;
};

}  // namespace kvor::ui
