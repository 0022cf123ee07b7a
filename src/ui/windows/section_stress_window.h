#pragma once
// "Napětí v průřezu": what the prestress does in the sections of the
// evaluated bending moments whose station X is known. One table per such
// quantity (each tendon, the chosen group, all tendons: X, P, e, M1, M2, M,
// σ_h, σ_d) with the sign conventions under it; or only the message that
// names the missing section values. Built anew from the project each time the
// window is shown, so it always speaks of the last evaluation and group.

#include "ui/windows/checked_sections_window.h"

namespace kvor::ui {

class SectionStressWindow : public CheckedSectionsWindow {
    Q_OBJECT
public:
    explicit SectionStressWindow(AppContext& context, QWidget* parent = nullptr);

    // Computes the checks from the project's last evaluation and shows them.
    void loadFromModel() override;

private:
    std::array<QLabel*, kSlotCount> notes_;
};

}  // namespace kvor::ui
