#pragma once
// The five slot rows of the quantity page or of the tendon page, under their
// column headings, with the page's "Další" and "Zpět": rows are added and removed from the end, and each
// row's "Zadat" asks for the dialog of its slot. The rows edit the project's
// slots directly as the user types, and show them anew when the session
// opens a project or stores a slot of their kind.
//
// The two pages differ only in their names and positions and in which fields
// of a slot the row shows; the layout below says it.

#include "model/slots.h"
#include "ui/app_context.h"
#include "ui/pages/slot_row.h"

#include <QObject>

#include <array>

class QPushButton;
class QWidget;

namespace kvor::ui {

// A column heading above the rows: its objectName and text.
struct SlotRowsHeading {
    const char* name;
    const char* text;
};

struct SlotRowsLayout {
    SlotKind kind;
    // Order, text, box, status and draw box, in the columns of the rows.
    std::array<SlotRowsHeading, 5> headings;
    std::array<SlotRowNames, kSlotCount> rows;
    const char* addButton;     // "Další"
    const char* removeButton;  // "Zpět"
    int buttonsLeft;           // on the title line, left of the page's other buttons
    int firstRowTop;           // below the column headings
    int rowPitch;
};

class SlotRows : public QObject {
    Q_OBJECT
public:
    SlotRows(AppContext& context, QWidget* page, const SlotRowsLayout& layout);

    // Shows the slots as the project holds them.
    void loadFromModel();

    void addRow();                // "Další" (`BitBtn2`, `BitBtn19`)
    void removeRow();             // "Zpět" (`BitBtn3`, `BitBtn20`)
    void requestEntry(int slot);  // "Zadat" of slot k (1 to 5): `BitBtn4`..`BitBtn8`, `BitBtn22`..`BitBtn26`

signals:
    // "Zadat" of slot k: the dialog of the slot is to be opened.
    void entryRequested(int slot);

private:
    SlotRowState rowState(size_t slot) const;
    // Runs `operation` on the five slots of the rows' kind.
    template <class Operation>
    auto onSlots(Operation operation);

    AppContext& context_;
    SlotKind kind_;
    std::array<SlotRow, kSlotCount> rows_;
    QPushButton* addButton_;
    QPushButton* removeButton_;
};

}  // namespace kvor::ui
