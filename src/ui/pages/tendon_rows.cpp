#include "ui/pages/tendon_rows.h"

#include "model/slots.h"
#include "tendons/tendon_dialog_state.h"
#include "ui/dialogs/tendon_dialog.h"
#include "ui/message_service.h"
#include "ui/pages/navigation.h"
#include "ui/pages/tendon_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace kvor::ui {

namespace {

// "Další" and "Zpět" on the title line, left of the page's other buttons.
constexpr int kRowButtonsLeft = 272;

constexpr SlotRowNames kRowNames[kSlotCount] = {
    {"Label57", "Edit20", "ComboBox6", "Label67", "Label62", "CheckBox6", "BitBtn22"},
    {"Label58", "Edit21", "ComboBox7", "Label68", "Label63", "CheckBox7", "BitBtn23"},
    {"Label59", "Edit22", "ComboBox8", "Label69", "Label64", "CheckBox8", "BitBtn24"},
    {"Label60", "Edit23", "ComboBox9", "Label70", "Label65", "CheckBox9", "BitBtn25"},
    {"Label61", "Edit24", "ComboBox10", "Label71", "Label66", "CheckBox10", "BitBtn26"},
};

}  // namespace

TendonRows::TendonRows(AppContext& context, QWidget* page) : QObject(page), context_(context), page_(page)
{
    using Handler = void (TendonRows::*)();
    constexpr Handler kEnterClicks[kSlotCount] = {&TendonRows::BitBtn22Click, &TendonRows::BitBtn23Click,
                                                  &TendonRows::BitBtn24Click, &TendonRows::BitBtn25Click,
                                                  &TendonRows::BitBtn26Click};
    QStringList types;
    for (const char* label : kTendonTypeLabels)
        types << QString::fromUtf8(label);

    for (int i = 0; i < kSlotCount; ++i) {
        SlotRow& row = rows_[static_cast<size_t>(i)];
        row = makeSlotRow(page, kRowNames[i], i, TendonPage::kFirstRowTop + i * TendonPage::kRowPitch, types);
        TendonSlot& slot = context_.project.tendons[static_cast<size_t>(i)];
        connect(row.text, &QLineEdit::textChanged, this,
                [&slot](const QString& text) { slot.name = text.toStdString(); });
        connect(row.box, &QComboBox::editTextChanged, this,
                [&slot](const QString& text) { slot.typeText = text.toStdString(); });
        connect(row.draw, &QCheckBox::toggled, this, [&slot](bool on) { slot.draw = on; });
        connect(row.enter, &QPushButton::clicked, this, kEnterClicks[i]);
    }
    BitBtn19 = makeAddRowButton(page, "BitBtn19", kRowButtonsLeft);
    BitBtn20 = makeRemoveRowButton(page, "BitBtn20", kRowButtonsLeft);
    connect(BitBtn19, &QPushButton::clicked, this, &TendonRows::BitBtn19Click);
    connect(BitBtn20, &QPushButton::clicked, this, &TendonRows::BitBtn20Click);
    loadFromModel();
}

void TendonRows::setEntryDialog(TendonDialog* dialog, std::function<void(int)> selectPage)
{
    dialog_ = dialog;
    selectPage_ = std::move(selectPage);
}

void TendonRows::loadFromModel()
{
    auto& allSlots = context_.project.tendons;
    for (size_t i = 0; i < allSlots.size(); ++i) {
        const TendonSlot& slot = allSlots[i];
        rows_[i].show({slot.shown, slot.name, slot.typeText, slot.entered(), slot.draw, slot.typeBoxEnabled()});
    }
    const int shown = shownRowCount(allSlots);
    BitBtn19->setVisible(shown <= 4);
    BitBtn20->setVisible(shown >= 2);
}

void TendonRows::BitBtn19Click()
{
    addSlotRow(context_.project.tendons);
    loadFromModel();
}

void TendonRows::BitBtn20Click()
{
    removeSlotRow(context_.project.tendons);
    loadFromModel();
}

void TendonRows::enterClick(int slot)
{
    if (!dialog_)
        return;
    const TendonSlot& tendon = context_.project.tendons[static_cast<size_t>(slot - 1)];
    QWidget* mainWindow = page_->window();
    if (auto report = checkTendonTypeChosen(tendon, slot)) {
        context_.messages.showReport(*report, mainWindow);
        return;
    }
    dialog_->prepareForSlot(slot, tendon.typeText);

    if (auto report = checkStructureEntered(context_.project)) {
        if (report->page && selectPage_)
            selectPage_(pageIndex(*report->page));
        context_.messages.showReport(*report, mainWindow);
    }
    if (!tendonDialogOpens(context_.project, tendon))
        return;
    dialog_->showOver(mainWindow);
    if (tendon.entered())
        dialog_->loadStoredDefinition();
}

}  // namespace kvor::ui
