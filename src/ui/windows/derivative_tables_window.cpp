#include "ui/windows/derivative_tables_window.h"

#include "ui/export_name.h"
#include "ui/project_session.h"
#include "ui/widgets/window_setup.h"
#include "ui/widgets/working_grid.h"

#include <QLabel>
#include <QPushButton>

namespace kvor::ui {

namespace {
constexpr int kColumnWidth = 86;
constexpr int kGridPitch = 236;
}  // namespace

DerivativeTablesWindow::DerivativeTablesWindow(AppContext& context, QWidget* parent)
    : WorkingTablesWindow(context, parent)
{
    connect(&context_.session, &ProjectSession::projectReplaced, this, &DerivativeTablesWindow::loadFromModel);
    connect(&context_.session, &ProjectSession::resultsChanged, this, &DerivativeTablesWindow::reloadIfShown);
    setObjectName(QStringLiteral("Form10"));
    setupFixedWindow(this, {1200, 520}, TitleBar::NoButtons, QStringLiteral("Výpočet derivací příčinkových čar "));

    for (int q = 0; q < kSlotCount; ++q) {
        const int x = 8 + kGridPitch * q;
        makeLabel(this, QStringLiteral("Label%1").arg(q + 1), QStringLiteral("%1. veličina").arg(q + 1), {x, 8},
                  LabelStyle::Bold);
        grids_[q] = new WorkingGrid(QStringLiteral("StringGrid%1").arg(q + 1), &project_.results.derivatives[q],
                                    kColumnWidth, WorkingGrid::kRowHeight, this);
        setExportTitle(grids_[q], QStringLiteral("derivace veličiny %1").arg(q + 1));
        grids_[q]->setGeometry(x, 28, kGridPitch - 6, 440);
    }
    backButton_ = makeButton(this, QStringLiteral("Button1"), QStringLiteral("Button1"), {1102, 482, 90, 28});
    connect(backButton_, &QPushButton::clicked, this, &DerivativeTablesWindow::goBack);
}

void DerivativeTablesWindow::loadFromModel()
{
    for (WorkingGrid* grid : grids_)
        grid->reload();
}

void DerivativeTablesWindow::goBack()
{
    hide();
    emit mainWindowRequested();
}

}  // namespace kvor::ui
