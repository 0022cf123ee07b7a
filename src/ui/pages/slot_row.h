#pragma once
// One slot row of the quantity or tendon page: the order label in the slot's
// colour, a text field, a box of labels that also takes typed text, the
// status "nezadáno" (bold red) or "zadáno" (bold black) in one place, the
// draw box and "Zadat". The row shows what the project holds; the pages say
// which fields of the slot these are.

#include <QStringList>

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kvor::ui {

// objectNames of a row's controls.
struct SlotRowNames {
    const char* order;       // "Label31"
    const char* text;        // "Edit15"
    const char* box;         // "ComboBox1"
    const char* notEntered;  // "Label32"
    const char* entered;     // "Label33"
    const char* draw;        // "CheckBox1"
    const char* enter;       // "BitBtn4"
};

// What a row shows of its slot.
struct SlotRowState {
    bool shown = false;
    std::string text;
    std::string boxText;
    bool entered = false;    // the status; the draw box is enabled exactly then
    bool draw = false;
    bool boxEnabled = true;  // a stored tendon keeps its type
};

struct SlotRow {
    QLabel* order;
    QLineEdit* text;
    QComboBox* box;
    QLabel* notEntered;
    QLabel* entered;
    QCheckBox* draw;
    QPushButton* enter;

    // Shows the state without reporting the changes as edits.
    void show(const SlotRowState& state);
};

// Builds row `slotIndex` (0 to 4) of a page with its top edge at `top`.
SlotRow makeSlotRow(QWidget* page, const SlotRowNames& names, int slotIndex, int top,
                    const QStringList& boxItems);

// The page's "Další" (down arrow) and "Zpět" (up arrow), side by side on the
// title line from `left`.
QPushButton* makeAddRowButton(QWidget* page, const char* name, int left);
QPushButton* makeRemoveRowButton(QWidget* page, const char* name, int left);

}  // namespace kvor::ui
