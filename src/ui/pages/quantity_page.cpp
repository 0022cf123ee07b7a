#include "ui/pages/quantity_page.h"

#include "ui/pages/slot_rows.h"

#include <QPushButton>

namespace kvor::ui {

namespace {

const SlotRowsLayout kRowsLayout = {
    SlotKind::Quantity,
    {{{"Label26", "Pořadí"}, {"Label27", "Název - popis"}, {"Label28", "Typ"}, {"Label29", "Stav"},
      {"Label30", "Kreslit graf"}}},
    {{
        {"Label31", "Edit15", "ComboBox1", "Label32", "Label33", "CheckBox1", "BitBtn4"},
        {"Label34", "Edit16", "ComboBox2", "Label38", "Label39", "CheckBox2", "BitBtn5"},
        {"Label35", "Edit17", "ComboBox3", "Label40", "Label41", "CheckBox3", "BitBtn6"},
        {"Label36", "Edit18", "ComboBox4", "Label42", "Label43", "CheckBox4", "BitBtn7"},
        {"Label37", "Edit19", "ComboBox5", "Label44", "Label45", "CheckBox5", "BitBtn8"},
    }},
    "BitBtn2",
    "BitBtn3",
    364,
    QuantityPage::kFirstRowTop,
    QuantityPage::kRowPitch,
};

}  // namespace

QuantityPage::QuantityPage(AppContext& context, QWidget* parent)
    : SlotPage(context, QStringLiteral("TabSheet3"), QStringLiteral("Label25"),
               QStringLiteral("Vyhodnocované veličiny -  zadání příčinkové čáry"), kRowsLayout, parent)
{
    backArrow_ = addArrow(QStringLiteral("BitBtn16"), Arrow::Left);
    nextArrow_ = addArrow(QStringLiteral("BitBtn17"), Arrow::Right);

    // "Graf": the chosen influence lines.
    addDrawButton(QStringLiteral("BitBtn9"), QStringLiteral("Graf"), {548, 6, 80, 25});
    // Beside "Graf": the window that opens it is the application's to link.
    loadsButton_ = makeButton(this, QStringLiteral("BitBtn28"), QStringLiteral("Zatížení…"), {458, 6, 84, 25});
    // Between the arrows at the foot of the page, beneath the rows' controls.
    addChart({35, 211});
}

}  // namespace kvor::ui
