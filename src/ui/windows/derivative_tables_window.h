#pragma once
// The derivative tables of the last evaluation, one per quantity slot:
// station and slope of the influence line at each of its points.

#include "ui/windows/working_tables_window.h"

#include <array>

class QPushButton;

namespace kvor::ui {

class WorkingGrid;

class DerivativeTablesWindow : public WorkingTablesWindow {
    Q_OBJECT
public:
    explicit DerivativeTablesWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the tables as the last run left them.
    void loadFromModel() override;

    WorkingGrid* grid(int q) const { return grids_[q]; }

signals:
    void mainWindowRequested();

protected:
    // "Button1": back to the main window.
    void goBack() override;

private:
    std::array<WorkingGrid*, kSlotCount> grids_;
    QPushButton* backButton_;
};

}  // namespace kvor::ui
