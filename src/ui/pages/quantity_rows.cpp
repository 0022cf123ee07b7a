#include "ui/pages/quantity_rows.h"

#include "model/slots.h"
#include "ui/dialogs/influence_line_dialog.h"
#include "ui/pages/quantity_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace kvor::ui {

namespace {

// "Další" and "Zpět" on the title line, left of the page's other buttons.
constexpr int kRowButtonsLeft = 364;

constexpr SlotRowNames kRowNames[kSlotCount] = {
    {"Label31", "Edit15", "ComboBox1", "Label32", "Label33", "CheckBox1", "BitBtn4"},
    {"Label34", "Edit16", "ComboBox2", "Label38", "Label39", "CheckBox2", "BitBtn5"},
    {"Label35", "Edit17", "ComboBox3", "Label40", "Label41", "CheckBox3", "BitBtn6"},
    {"Label36", "Edit18", "ComboBox4", "Label42", "Label43", "CheckBox4", "BitBtn7"},
    {"Label37", "Edit19", "ComboBox5", "Label44", "Label45", "CheckBox5", "BitBtn8"},
};

}  // namespace

QuantityRows::QuantityRows(AppContext& context, QWidget* page) : QObject(page), context_(context), page_(page)
{
    using Handler = void (QuantityRows::*)();
    constexpr Handler kEnterClicks[kSlotCount] = {&QuantityRows::BitBtn4Click, &QuantityRows::BitBtn5Click,
                                                  &QuantityRows::BitBtn6Click, &QuantityRows::BitBtn7Click,
                                                  &QuantityRows::BitBtn8Click};
    QStringList kinds;
    for (const char* label : kQuantityKindLabels)
        kinds << QString::fromUtf8(label);

    for (int i = 0; i < kSlotCount; ++i) {
        SlotRow& row = rows_[static_cast<size_t>(i)];
        row = makeSlotRow(page, kRowNames[i], i, QuantityPage::kFirstRowTop + i * QuantityPage::kRowPitch, kinds);
        QuantitySlot& slot = context_.project.quantities[static_cast<size_t>(i)];
        connect(row.text, &QLineEdit::textChanged, this,
                [&slot](const QString& text) { slot.description = text.toStdString(); });
        connect(row.box, &QComboBox::editTextChanged, this,
                [&slot](const QString& text) { slot.kindText = text.toStdString(); });
        connect(row.draw, &QCheckBox::toggled, this, [&slot](bool on) { slot.draw = on; });
        connect(row.enter, &QPushButton::clicked, this, kEnterClicks[i]);
    }
    BitBtn2 = makeAddRowButton(page, "BitBtn2", kRowButtonsLeft);
    BitBtn3 = makeRemoveRowButton(page, "BitBtn3", kRowButtonsLeft);
    connect(BitBtn2, &QPushButton::clicked, this, &QuantityRows::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QuantityRows::BitBtn3Click);
    loadFromModel();
}

void QuantityRows::setEntryDialog(InfluenceLineDialog* dialog)
{
    dialog_ = dialog;
}

void QuantityRows::loadFromModel()
{
    auto& allSlots = context_.project.quantities;
    for (size_t i = 0; i < allSlots.size(); ++i) {
        const QuantitySlot& slot = allSlots[i];
        rows_[i].show({slot.shown, slot.description, slot.kindText, slot.entered(), slot.draw, true});
    }
    const int shown = shownRowCount(allSlots);
    BitBtn2->setVisible(shown <= 4);
    BitBtn3->setVisible(shown >= 2);
}

void QuantityRows::BitBtn2Click()
{
    addSlotRow(context_.project.quantities);
    loadFromModel();
}

void QuantityRows::BitBtn3Click()
{
    removeSlotRow(context_.project.quantities);
    loadFromModel();
}

void QuantityRows::enterClick(int slot)
{
    if (dialog_)
        dialog_->openForSlot(slot, page_->window());
}

}  // namespace kvor::ui
