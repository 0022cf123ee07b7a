#pragma once
// The five quantity rows of page "Příčinkové čáry" with the page's "Další"
// and "Zpět": rows are added and removed from the end, and each row's "Zadat"
// opens the influence-line dialog for its slot. The rows edit the project's
// quantity slots directly.

#include "ui/app_context.h"
#include "ui/pages/slot_row.h"

#include <QObject>
#include <QPointer>

#include <array>

class QPushButton;
class QWidget;

namespace kvor::ui {

class InfluenceLineDialog;

class QuantityRows : public QObject {
    Q_OBJECT
public:
    QuantityRows(AppContext& context, QWidget* page);

    // The dialog that "Zadat" opens; until it is set "Zadat" does nothing.
    void setEntryDialog(InfluenceLineDialog* dialog);

    // Shows the slots as the project holds them.
    void loadFromModel();

    void BitBtn2Click();  // "Další"
    void BitBtn3Click();  // "Zpět"
    // "Zadat" of slot k (1 to 5), identical but for k.
    void enterClick(int slot);
    void BitBtn4Click() { enterClick(1); }
    void BitBtn5Click() { enterClick(2); }
    void BitBtn6Click() { enterClick(3); }
    void BitBtn7Click() { enterClick(4); }
    void BitBtn8Click() { enterClick(5); }

private:
    AppContext& context_;
    QWidget* page_;
    QPointer<InfluenceLineDialog> dialog_;
    std::array<SlotRow, kSlotCount> rows_;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
};

}  // namespace kvor::ui
