#pragma once
// The five tendon rows of page "Vedení předpětí v konstrukci" with the page's
// "Další" and "Zpět": rows are added and removed from the end, and each row's
// "Zadat" checks the type box and the structure, prepares the tendon dialog
// for its slot and opens it. The rows edit the project's tendon slots directly.
//
// While the dialog is open the main window is disabled, also when "Zadat" of a
// stored tendon found the structure incomplete and opened the dialog all the
// same: a second "Zadat" must not retarget an open dialog to another slot.

#include "ui/app_context.h"
#include "ui/pages/slot_row.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

class QPushButton;
class QWidget;

namespace kvor::ui {

class TendonDialog;

class TendonRows : public QObject {
    Q_OBJECT
public:
    TendonRows(AppContext& context, QWidget* page);

    // The dialog that "Zadat" opens, and how to bring a page of the main window
    // to the front (the structure page, when the structure is missing). Until
    // the dialog is set "Zadat" does nothing.
    void setEntryDialog(TendonDialog* dialog, std::function<void(int page)> selectPage);

    // Shows the slots as the project holds them.
    void loadFromModel();

    void BitBtn19Click();  // "Další"
    void BitBtn20Click();  // "Zpět"
    // "Zadat" of slot k (1 to 5), identical but for k and one beep.
    void enterClick(int slot);
    void BitBtn22Click() { enterClick(1); }
    void BitBtn23Click() { enterClick(2); }
    void BitBtn24Click() { enterClick(3); }
    void BitBtn25Click() { enterClick(4); }
    void BitBtn26Click() { enterClick(5); }

private:
    AppContext& context_;
    QWidget* page_;
    QPointer<TendonDialog> dialog_;
    std::function<void(int)> selectPage_;
    std::array<SlotRow, kSlotCount> rows_;
    QPushButton* BitBtn19;
    QPushButton* BitBtn20;
};

}  // namespace kvor::ui
