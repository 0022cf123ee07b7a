#pragma once
// "Zatížení" (`Form15`): the loads the influence lines are loaded with,
// opened by "Zatížení…" of the page "Příčinkové čáry". The self-weight g0
// `Edit1` with the proposal A·γ beside it (`Label3`, taken by "Převzít návrh"
// `BitBtn1`), the other permanent load g1 `Edit2`, the uniform variable load
// q `Edit3`, the count of axles `Edit4` and the axle table `StringGrid1`
// (F_i, a_i); "Zpět" `BitBtn2` stores the loads with the project, "Zrušit"
// `BitBtn3` (also Escape) leaves them as they were. The frame's close button
// after edits asks whether to keep them.
//
// The window edits a copy of the project's loads; each field is checked when
// the focus leaves it, and the whole input once more before "Zpět" stores it
// through the session. While the window is open its opener is disabled.

#include "model/project.h"
#include "ui/app_context.h"
#include "ui/dialogs/entry_window.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kvor::ui {

class FocusExitWatcher;
class TextTableModel;

class LoadsWindow : public EntryWindow {
    Q_OBJECT
public:
    explicit LoadsWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the project's loads over `opener`, which stays disabled until the window closes.
    void openFor(QWidget* opener);

    const LoadInput& draft() const { return draft_; }

    void takeProposal();     // "Převzít návrh"
    void loadFieldExit(int index);  // g0, g1, q
    void axleCountExit();    // the count: the table gets its rows
    void axleTableExit();    // the table check
    void storeAndClose();    // "Zpět"
    void cancel();           // "Zrušit"

protected:
    // The fields or the table differ from the project's loads.
    bool hasEdits() const override;
    void keepEdits() override { storeAndClose(); }  // as "Zpět"
    void leave() override { cancel(); }             // as "Zrušit"

private:
    void showDraft();
    // The typed count checked and given to the table; false after a fault's report.
    bool applyAxleCount();
    void showProposal();
    void closeWindow();

    FocusExitWatcher* exits_;
    LoadInput draft_;
    TextTableModel* axleModel_;
    QString proposal_;  // A·γ as a number text; empty without A

    std::array<QLineEdit*, 3> loadEdits_;  // Edit1 … Edit3: g0, g1, q
    QLabel* proposalNote_;  // the proposal for g0
    QPushButton* takeProposalButton_;
    QLineEdit* axleCount_;
    QTableView* axleGrid_;
    QPushButton* backButton_;
    QPushButton* cancelButton_;
};

}  // namespace kvor::ui
