#pragma once
// Page "Vedení předpětí v konstrukci": the prestressing tendons, one row per
// tendon slot below the column headings, and the tendon layout chart.

#include "ui/pages/slot_page.h"

namespace kvor::ui {

class TendonPage : public SlotPage {
    Q_OBJECT
public:
    TendonPage(AppContext& context, QWidget* parent);

    // "Button2": opens the window of the stored tendon definitions.
    QPushButton* storeButton() const { return storeButton_; }
    // "Výpočet": evaluates the project.
    QPushButton* evaluateButton() const { return evaluateButton_; }

private:
    QPushButton* storeButton_;
    QPushButton* evaluateButton_;
};

}  // namespace kvor::ui
