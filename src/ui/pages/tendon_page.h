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

    QPushButton* leftArrow() const { return BitBtn18; }
    // The five tendon rows with "Další" and "Zpět".
    SlotRows* rows() const { return rows_; }
    // "Button2": opens the window of the stored tendon definitions.
    QPushButton* storeButton() const { return Button2; }
    // "Výpočet": evaluates the project.
    QPushButton* evaluateButton() const { return BitBtn21; }
    // "Vykresli" and the tendon layout chart at the foot of the page.
    TendonChartPanel* chartPanel() const { return chartPanel_; }
    void BitBtn10Click();

    static constexpr int kFirstRowTop = 62;
    static constexpr int kRowPitch = 32;

private:
    AppContext& context_;
    QPushButton* Button2;
    QPushButton* BitBtn18;
    SlotRows* rows_;
    QPushButton* BitBtn21;
    QPushButton* BitBtn10;
    TendonChartPanel* chartPanel_;
};

}  // namespace kvor::ui
