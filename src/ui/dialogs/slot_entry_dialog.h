#pragma once
// What the two entry dialogs of a slot share (the influence line of a
// quantity, the definition of a tendon): they open over the window that
// asked for them, which stays disabled until they close; their fields are
// checked when the focus leaves them; "Zpět" stores the entry into the slot;
// closing through the frame stores nothing, but typed input is not dropped
// silently: kept (stored as "Zpět" stores it), dropped, or worked on.

#include "ui/app_context.h"
#include "ui/widgets/window_setup.h"

#include <QSize>
#include <QString>
#include <QWidget>

namespace kvor::ui {

class FocusExitWatcher;

class SlotEntryDialog : public QWidget {
    Q_OBJECT
public:
    // The slot being entered (1 to 5).
    int slotNumber() const { return slot_; }

    // "Zpět": stores the entry and closes, or reports why it cannot.
    virtual void storeEntry() = 0;

protected:
    // `editsWhat` completes the question about typed input ("kabelu").
    SlotEntryDialog(AppContext& context, const QString& objectName, QSize size, QString editsWhat,
                    QWidget* parent);

    // Counts the user's edits in every field built so far: called once the
    // controls are built.
    void watchForEdits();
    void setSlotNumber(int slot) { slot_ = slot; }
    // Disables `opener` until the dialog closes; edits are counted from here.
    void takeOpener(QWidget* opener);
    // Shows the dialog in front with the focus on `start`.
    void showInFrontWithFocus(QWidget* start);
    // Hides the dialog and gives the opener back.
    void closeDialog();

    // Whether the frame may close the dialog now.
    virtual bool mayClose() const { return true; }
    // The frame closed the dialog without storing: the entry is emptied.
    virtual void dropEntry() = 0;

    void closeEvent(QCloseEvent* event) final;

    AppContext& context_;
    FocusExitWatcher* exits_;

private:
    QString editsWhat_;
    OpenedOver opener_;
    bool edited_ = false;  // a field was typed in since the dialog opened
    int slot_ = 0;         // none before the first opening
};

}  // namespace kvor::ui
