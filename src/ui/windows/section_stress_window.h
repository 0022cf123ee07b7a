#pragma once
// "Napětí v průřezu": what the prestress does in the sections of the
// evaluated bending moments whose station X is known. One table per such
// quantity (each tendon, the chosen group, all tendons: X, P, e, M1, M2, M,
// σ_h, σ_d) with the sign conventions under it; or only the message that
// names the missing section values. Built anew from the project each time the
// window is shown, so it always speaks of the last evaluation and group.

#include "model/project.h"
#include "model/text_table.h"
#include "ui/windows/working_tables_window.h"

#include <array>

class QLabel;
class QPushButton;

namespace kvor::ui {

class WorkingGrid;

class SectionStressWindow : public WorkingTablesWindow {
    Q_OBJECT
public:
    explicit SectionStressWindow(AppContext& context, QWidget* parent = nullptr);

    // Computes the checks from the project's last evaluation and shows them.
    void loadFromModel() override;

    // The grid of the i-th shown table (0-based, in slot order).
    WorkingGrid* grid(int index) const { return grids_[static_cast<size_t>(index)]; }
    int shownTableCount() const { return shown_; }

signals:
    void resultWindowRequested();

protected:
    // "Zpět": back to the result window.
    void goBack() override;

private:
    // At most one table per quantity slot; the ones in use come first.
    std::array<TextTable, kSlotCount> tables_;
    std::array<QWidget*, kSlotCount> blocks_;
    std::array<QLabel*, kSlotCount> titles_;
    std::array<WorkingGrid*, kSlotCount> grids_;
    std::array<QLabel*, kSlotCount> notes_;
    int shown_ = 0;
    QLabel* message_;  // the message when there is nothing to show
    QPushButton* backButton_;
};

}  // namespace kvor::ui
