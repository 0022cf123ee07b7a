#include "ui/windows/working_tables_window.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace kvor::ui {

WorkingTablesWindow::WorkingTablesWindow(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), project_(context.project)
{
}

void WorkingTablesWindow::reloadIfShown()
{
    if (isVisible())
        loadFromModel();
}

void WorkingTablesWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A spontaneous show (the window restored from the task bar) keeps what is shown.
    if (!event->spontaneous())
        loadFromModel();
}

void WorkingTablesWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    goBack();
}

}  // namespace kvor::ui
