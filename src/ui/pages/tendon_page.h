#pragma once
// Page "Vedení předpětí v konstrukci": the prestressing tendons, one row per
// tendon slot below the column headings, and the tendon layout chart.

#include "ui/app_context.h"
#include "ui/pages/page_sheet.h"

class QPushButton;

namespace kvor::ui {

class TendonChartPanel;
class SlotRows;

class TendonPage : public PageSheet {
    Q_OBJECT
public:
    TendonPage(AppContext& context, QWidget* parent);

    QPushButton* leftArrow() const { return backArrow_; }
    // The five tendon rows with "Další" and "Zpět".
    SlotRows* rows() const { return rows_; }
    // "Button2": opens the window of the stored tendon definitions.
    QPushButton* storeButton() const { return storeButton_; }
    // "Výpočet": evaluates the project.
    QPushButton* evaluateButton() const { return evaluateButton_; }
    // "Vykresli" and the tendon layout chart at the foot of the page.
    TendonChartPanel* chartPanel() const { return chartPanel_; }
    void drawChart();  // "Vykresli": the chosen tendons

    static constexpr int kFirstRowTop = 62;
    static constexpr int kRowPitch = 32;

private:
    AppContext& context_;
    QPushButton* storeButton_;
    QPushButton* backArrow_;
    SlotRows* rows_;
    QPushButton* evaluateButton_;
    QPushButton* drawButton_;
    TendonChartPanel* chartPanel_;
};

}  // namespace kvor::ui
