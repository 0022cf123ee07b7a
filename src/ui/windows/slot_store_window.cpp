#include "ui/windows/slot_store_window.h"

#include "ui/export_name.h"
#include "ui/project_session.h"
#include "ui/models/text_table_model.h"
#include "ui/widgets/entry_grid.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/window_setup.h"

#include <QCheckBox>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableView>

namespace kvor::ui {

SlotStoreWindow::SlotStoreWindow(AppContext& context, const Layout& layout, QWidget* parent)
    : QWidget(parent), context_(context), project_(context.project), layout_(layout)
{
    connect(&context_.session, &ProjectSession::projectReplaced, this, &SlotStoreWindow::loadFromModel);
    connect(&context_.session, &ProjectSession::slotStored, this, &SlotStoreWindow::loadFromModel);
    setObjectName(layout.objectName);
    setupFixedWindow(this, layout.clientSize, TitleBar::CloseButton, layout.caption);

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setGeometry(layout.pages);
    for (int k = 1; k <= kSlotCount; ++k) {
        SlotView& view = slots_[static_cast<size_t>(k - 1)];
        view.page = new QWidget(pages);
        view.page->setObjectName(QStringLiteral("TabSheet%1").arg(k));
        pages->addTab(view.page, layout.pageTitle.arg(k));

        view.storeMark = new QCheckBox(QStringLiteral("Již zadáno"), view.page);
        view.storeMark->setObjectName(QStringLiteral("CheckBox%1").arg(k));
        view.storeMark->setGeometry(8, 8, layout.marksWidth, 20);
        view.mode = new RadioGroup(QStringLiteral("RadioGroup%1").arg(k), layout.modeCaption, layout.modeItems,
                                   view.page);
        view.mode->setGeometry(8, 34, layout.marksWidth, layout.modeHeight);
        // What the store holds is changed only by the dialogs.
        showOnly(view.storeMark);
        showOnly(view.mode);
    }
}

void SlotStoreWindow::addGrids()
{
    for (int k = 1; k <= kSlotCount; ++k) {
        SlotView& view = slots_[static_cast<size_t>(k - 1)];
        view.model = new TextTableModel(&layout_.storeTable(project_, static_cast<size_t>(k - 1)),
                                        TextTableModel::Headings::InHeader, this);
        view.table = makeEntryGrid(view.page, QStringLiteral("StringGrid%1").arg(k), view.model);
        setExportTitle(view.table, layout_.pageTitle.arg(k));
        placeGrid(view.table, layout_.grid, true);
    }
}

void SlotStoreWindow::loadFromModel()
{
    for (size_t i = 0; i < slots_.size(); ++i) {
        showSlot(i, slots_[i]);
        slots_[i].model->reload();
    }
}

void SlotStoreWindow::showEvent(QShowEvent* event)
{
    loadFromModel();
    QWidget::showEvent(event);
}

}  // namespace kvor::ui
