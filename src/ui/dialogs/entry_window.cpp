#include "ui/dialogs/entry_window.h"

#include "ui/unsaved_work.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <utility>

namespace kvor::ui {

EntryWindow::EntryWindow(AppContext& context, QString editsWhat, QWidget* parent)
    : QWidget(parent), context_(context), editsWhat_(std::move(editsWhat))
{
}

void EntryWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (isVisible() && hasEdits() && !dropEditsOnClose(context_.messages, editsWhat_, [this] { keepEdits(); }))
        return;
    leave();
}

void EntryWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        leave();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kvor::ui
