#include "ui/windows/tendon_store_window.h"

#include "tendons/parabolic_polygon.h"
#include "ui/widgets/entry_grid.h"
#include "ui/project_session.h"
#include "ui/widgets/radio_group.h"
#include "ui/models/text_table_model.h"
#include "ui/widgets/window_setup.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableView>

namespace kvor::ui {

TendonStoreWindow::TendonStoreWindow(AppContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    connect(&context_.session, &ProjectSession::projectReplaced, this, &TendonStoreWindow::loadFromModel);
    connect(&context_.session, &ProjectSession::slotStored, this, &TendonStoreWindow::loadFromModel);
    setObjectName(QStringLiteral("Form9"));
    setupFixedWindow(this, {460, 362}, TitleBar::CloseButton,
                     QStringLiteral("Kvor1.1 - informace o zadaných kabelech"));

    QStringList typeLabels;
    for (const char* label : kTendonTypeLabels)
        typeLabels << QString::fromUtf8(label);

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setGeometry(4, 4, 452, 318);
    for (int k = 1; k <= kSlotCount; ++k) {
        auto* page = new QWidget(pages);
        page->setObjectName(QStringLiteral("TabSheet%1").arg(k));
        pages->addTab(page, QStringLiteral("Kabel %1").arg(k));

        SlotView& view = slots_[static_cast<size_t>(k - 1)];
        view.storeMark = new QCheckBox(QStringLiteral("Již zadáno"), page);
        view.storeMark->setObjectName(QStringLiteral("CheckBox%1").arg(k));
        view.storeMark->setGeometry(8, 8, 140, 20);
        view.type = new RadioGroup(QStringLiteral("RadioGroup%1").arg(k), QStringLiteral("Typ kabelu"), typeLabels,
                                   page);
        view.type->setGeometry(8, 34, 140, 124);
        // What the store holds is changed only by the tendon dialog.
        showOnly(view.storeMark);
        showOnly(view.type);

        view.model = new TextTableModel(&context_.project.tendons[static_cast<size_t>(k - 1)].points,
                                        TextTableModel::Headings::InHeader, this);
        view.model->setReadOnly(true);
        view.table = makeEntryGrid(page, QStringLiteral("StringGrid%1").arg(k), view.model);
        placeGrid(view.table, {156, 8, 3 * kGridColumnPitch + 2 + 18, 272}, true);
        view.table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        view.divisions = makeLabel(page, QStringLiteral("Label%1").arg(k), QString(), {8, 166});
    }

    Button1 = makeButton(this, QStringLiteral("Button1"), QStringLiteral("Button1"), {356, 328, 96, 28});
    connect(Button1, &QPushButton::clicked, this, &TendonStoreWindow::Button1Click);
    loadFromModel();
}

void TendonStoreWindow::loadFromModel()
{
    for (size_t i = 0; i < slots_.size(); ++i) {
        const TendonSlot& slot = context_.project.tendons[i];
        SlotView& view = slots_[i];
        view.storeMark->setChecked(slot.storeMark());
        view.type->setItemIndex(static_cast<int>(slot.type));
        view.model->reload();
        view.divisions->setVisible(isParabolicType(slot.type));
        view.divisions->setText(QStringLiteral("Počet dělení paraboly D: ") + QString::fromStdString(slot.divisions));
        view.divisions->adjustSize();
    }
}

void TendonStoreWindow::Button1Click()
{
    hide();
    emit mainWindowRequested();
}

void TendonStoreWindow::showEvent(QShowEvent* event)
{
    loadFromModel();
    QWidget::showEvent(event);
}

void TendonStoreWindow::closeEvent(QCloseEvent* event)
{
    // The main window is hidden while this one is up: closing leads back to it.
    event->ignore();
    Button1Click();
}

}  // namespace kvor::ui
