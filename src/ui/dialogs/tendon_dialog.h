#pragma once
// The tendon dialog: one tendon of the type chosen in the main window, its
// fields and tables checked when the focus leaves them, stored into the slot
// by "Zpět". While it is open the window that opened it is disabled. A stored
// definition reopens read-only; "Opravit" unlocks it.
//
// The type chooses one of the panels (tendon_panels.h); a text that names no
// type shows none, and "Zpět" then stores nothing. The inputs live in the
// panels, not in the project, until "Zpět" stores them; for types 2 to 4
// "Zpět" runs the whole check first. Types 1 to 4 also show the stressing
// part (stressing_panel.h).

#include "model/project.h"
#include "model/report.h"
#include "model/text_table.h"
#include "tendons/parabolic_store.h"
#include "tendons/tendon_store.h"
#include "ui/app_context.h"
#include "ui/dialogs/slot_entry_dialog.h"

#include <array>
#include <optional>
#include <string_view>

class QLabel;
class QPushButton;

namespace kvor::ui {

class BrokenTendonPanel;
class ParabolicTablesPanel;
class SimpleParabolaPanel;
class StraightTendonPanel;
class StressingPanel;
class StressingWindow;
class TendonTypePanel;

class TendonDialog : public SlotEntryDialog {
    Q_OBJECT
public:
    explicit TendonDialog(AppContext& context, QWidget* parent = nullptr);
    ~TendonDialog() override;

    // "Zadat" of slot k (1 to 5): the slot needs a type, and the structure
    // (without it a stored tendon still opens, read-only); then the dialog is
    // prepared and shown over `opener`, a stored slot with its definition.
    // Messages go over `opener`.
    void openForSlot(int slot, QWidget* opener);
    // The steps of opening: "Zadat" prepares the dialog for slot k (1 to 5) and the type box's text:
    // title, type line, slot number, type and panel; a slot that is not stored
    // starts with empty inputs.
    void prepareForSlot(int slot, std::string_view typeText);
    // Shows the prepared dialog over `opener`, which stays disabled until the
    // dialog closes.
    void showOver(QWidget* opener);
    // Shows the slot's stored definition read-only, with "Opravit".
    void loadStoredDefinition();

    TendonType tendonType() const { return type_; }
    const StraightTendonInput& straightInput() const;
    const TextTable& pointTable() const;
    const TextTable& forceTable() const;
    const SimpleParabolicInput& simpleParabolicInput() const;
    const TextTable& parabolicPointTable() const;
    const TextTable& segmentTable() const;
    // The stressing data the forces were computed from, kept until "Zpět".
    const std::optional<TendonStressing>& stressing() const;
    StressingWindow* stressingWindow() const;

    void storeEntry() override;  // "Zpět"
    void correct();  // "Opravit"
    void openStressingWindow();  // "Síly z napínání…"

signals:
    // The structure is missing: the page of the main window where it is entered.
    void inputPageRequested(Page page);

protected:
    bool mayClose() const override;
    void dropEntry() override;

private:
    std::array<TendonTypePanel*, 4> panels() const;
    TendonTypePanel* panelFor(TendonType type) const;
    void showPanel(TendonTypePanel* panel);
    void resetInputs();

    TendonType type_ = TendonType::None;
    StraightTendonPanel* straight_;
    BrokenTendonPanel* broken_;
    SimpleParabolaPanel* simpleParabola_;
    ParabolicTablesPanel* parabolicTables_;
    StressingPanel* stressing_;

    QLabel* title_;
    QLabel* typeLine_;
    QPushButton* correctButton_;
    QPushButton* backButton_;
};

}  // namespace kvor::ui
