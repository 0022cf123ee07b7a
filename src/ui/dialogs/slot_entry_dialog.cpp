#include "ui/dialogs/slot_entry_dialog.h"

#include "ui/unsaved_work.h"
#include "ui/widgets/focus_exit.h"
#include "ui/widgets/input_edits.h"
#include "ui/widgets/window_setup.h"

#include <QCloseEvent>
#include <QPalette>

namespace kvor::ui {

SlotEntryDialog::SlotEntryDialog(AppContext& context, const QString& objectName, QSize size, QString editsWhat,
                                 QWidget* parent)
    : QWidget(parent), context_(context), exits_(new FocusExitWatcher(this)), editsWhat_(std::move(editsWhat))
{
    setObjectName(objectName);
    setupFixedWindow(this, size, TitleBar::CloseButton);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, look.color(QPalette::ToolTipBase));
    setPalette(look);
}

void SlotEntryDialog::watchForEdits()
{
    watchInputEdits(this, [this] { edited_ = true; });
}

void SlotEntryDialog::takeOpener(QWidget* opener)
{
    opener_.take(opener);
    edited_ = false;
}

void SlotEntryDialog::showInFrontWithFocus(QWidget* start)
{
    start->setFocus(Qt::OtherFocusReason);
    showInFront(this);
}

void SlotEntryDialog::closeDialog()
{
    hide();
    opener_.giveBack();
}

void SlotEntryDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (!mayClose())
        return;
    if (edited_ && !dropEditsOnClose(context_.messages, editsWhat_, [this] { storeEntry(); }))
        return;
    closeDialog();
    dropEntry();
}

}  // namespace kvor::ui
