#pragma once
// The group panel of the result window (Panel4): the tendons ticked into the
// group, and per quantity the sum of their shown effects. A tendon's box can
// be ticked only when the last evaluation found it entered. The choice is the
// project's, made through the session; "Zpět" closes the panel and keeps it.

#include "ui/app_context.h"
#include "ui/windows/result_block.h"
#include "ui/windows/result_overlay_panel.h"

#include <array>
#include <optional>

class QCheckBox;
class QPushButton;

namespace kvor::ui {

class GroupPanel : public OverlayPanel {
    Q_OBJECT
public:
    GroupPanel(AppContext& context, QWidget* window);

    // Shows the group boxes and the group lines of the model.
    void loadFromModel();

    void chooseTendon(int t, bool ticked);  // CheckBox2 … CheckBox6: tendon t (0-based)
    void sumGroup();                        // "Výsledky"
    void back();                            // "Zpět"

    AppContext& context_;
    const Project& project_;  // only read: the group is chosen through the session
    std::array<QCheckBox*, kSlotCount> groupBoxes_;
    std::array<std::optional<GroupLine>, kSlotCount> lines_;
    QPushButton* BitBtn9;
    QPushButton* BitBtn10;
};

}  // namespace kvor::ui
