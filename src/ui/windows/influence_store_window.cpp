#include "ui/windows/influence_store_window.h"

#include "ui/widgets/entry_grid.h"
#include "ui/project_session.h"
#include "ui/widgets/radio_group.h"
#include "ui/models/text_table_model.h"
#include "ui/widgets/window_setup.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableView>

namespace kvor::ui {

InfluenceStoreWindow::InfluenceStoreWindow(AppContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    connect(&context_.session, &ProjectSession::projectReplaced, this, &InfluenceStoreWindow::loadFromModel);
    connect(&context_.session, &ProjectSession::slotStored, this, &InfluenceStoreWindow::loadFromModel);
    setObjectName(QStringLiteral("Form7"));
    setupFixedWindow(this, {420, 330}, TitleBar::CloseButton);

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setGeometry(4, 4, 412, 322);
    for (int k = 1; k <= kSlotCount; ++k) {
        auto* page = new QWidget(pages);
        page->setObjectName(QStringLiteral("TabSheet%1").arg(k));
        pages->addTab(page, QStringLiteral("Veličina %1").arg(k));

        SlotView& view = slots_[static_cast<size_t>(k - 1)];
        view.storeMark = new QCheckBox(QStringLiteral("Již zadáno"), page);
        view.storeMark->setObjectName(QStringLiteral("CheckBox%1").arg(k));
        view.storeMark->setGeometry(8, 8, 120, 20);
        view.entryMode = new RadioGroup(QStringLiteral("RadioGroup%1").arg(k), QString(),
                                        {QStringLiteral("ručně"), QStringLiteral("ze souboru"),
                                         QStringLiteral("z konstrukce")},
                                        page);
        view.entryMode->setGeometry(8, 34, 120, 78);
        view.sourceFile = makeEdit(page, QStringLiteral("Edit%1").arg(k), {8, 120, 120, 22});
        view.sourceFile->setReadOnly(true);
        // What the store holds is changed only by the dialogs.
        showOnly(view.storeMark);
        showOnly(view.entryMode);

        view.model = new TextTableModel(&context_.project.quantities[static_cast<size_t>(k - 1)].line,
                                        TextTableModel::Headings::InHeader, this);
        view.model->setReadOnly(true);
        view.table = makeEntryGrid(page, QStringLiteral("StringGrid%1").arg(k), view.model);
        placeGrid(view.table, {140, 8, 2 * kGridColumnPitch + 2 + 18, 270}, true);
    }
    loadFromModel();
}

void InfluenceStoreWindow::loadFromModel()
{
    for (size_t i = 0; i < slots_.size(); ++i) {
        const QuantitySlot& slot = context_.project.quantities[i];
        SlotView& view = slots_[i];
        view.storeMark->setChecked(slot.storeMark());
        view.entryMode->setItemIndex(static_cast<int>(slot.entryMode));
        view.sourceFile->setText(QString::fromStdString(slot.sourceFile));
        view.model->reload();
    }
}

void InfluenceStoreWindow::showEvent(QShowEvent* event)
{
    loadFromModel();
    QWidget::showEvent(event);
}

}  // namespace kvor::ui
