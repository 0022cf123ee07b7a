#pragma once
// Page "Příčinkové čáry": the evaluated quantities, one row per quantity slot
// below the column headings, and the chart of their influence lines.

#include "ui/pages/slot_page.h"

namespace kvor::ui {

class QuantityPage : public SlotPage {
    Q_OBJECT
public:
    QuantityPage(AppContext& context, QWidget* parent);

    QPushButton* rightArrow() const { return nextArrow_; }
    // "Zatížení…": the loads the lines are loaded with.
    QPushButton* loadsButton() const { return loadsButton_; }

private:
    QPushButton* nextArrow_;
    QPushButton* loadsButton_;
};

}  // namespace kvor::ui
