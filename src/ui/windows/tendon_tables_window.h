#pragma once
// The tendon tables of the last evaluation: for each quantity (rows "1.veličina"
// to "5.veličina") and tendon (columns "1.kabel" to "5.kabel") the nine-column
// table of the tendon's points with their forces, moments, ordinates and
// slopes. Above each tendon column a radio group shows the tendon type that
// the run recorded, and a note which points the tables list. The window
// scrolls over the 25 grids, whose columns are as wide as their headings.

#include "ui/windows/working_tables_window.h"

#include <array>

class QLabel;
class QPushButton;

namespace kvor::ui {

class RadioGroup;
class WorkingGrid;

class TendonTablesWindow : public WorkingTablesWindow {
    Q_OBJECT
public:
    explicit TendonTablesWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the tables and the recorded tendon types as the last run left them.
    void loadFromModel() override;

    void showDerivativeTables();  // "Derivace příčinkových čar"

    // The grid of quantity q and tendon t (0-based): StringGrid 5·q + t + 1.
    WorkingGrid* grid(int q, int t) const { return grids_[q][t]; }

signals:
    void resultWindowRequested();
    void derivativeTablesRequested();

protected:
    // "Zpět": back to the result window.
    void goBack() override;

private:
    std::array<std::array<WorkingGrid*, kSlotCount>, kSlotCount> grids_;
    std::array<RadioGroup*, kSlotCount> typeGroups_;
    std::array<QLabel*, kSlotCount> notes_;
    QPushButton* backButton_;
    QPushButton* derivativesButton_;
};

}  // namespace kvor::ui
