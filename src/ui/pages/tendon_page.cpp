#include "ui/pages/tendon_page.h"

#include "ui/pages/slot_rows.h"

#include <QPushButton>

namespace kvor::ui {

namespace {

const SlotRowsLayout kRowsLayout = {
    SlotKind::Tendon,
    {{{"Label52", "Pořadí"}, {"Label53", "Název"}, {"Label54", "Typ kabelu"}, {"Label55", "Stav"},
      {"Label56", "Kreslit kabel"}}},
    {{
        {"Label57", "Edit20", "ComboBox6", "Label67", "Label62", "CheckBox6", "BitBtn22"},
        {"Label58", "Edit21", "ComboBox7", "Label68", "Label63", "CheckBox7", "BitBtn23"},
        {"Label59", "Edit22", "ComboBox8", "Label69", "Label64", "CheckBox8", "BitBtn24"},
        {"Label60", "Edit23", "ComboBox9", "Label70", "Label65", "CheckBox9", "BitBtn25"},
        {"Label61", "Edit24", "ComboBox10", "Label71", "Label66", "CheckBox10", "BitBtn26"},
    }},
    "BitBtn19",
    "BitBtn20",
    272,
    TendonPage::kFirstRowTop,
    TendonPage::kRowPitch,
};

}  // namespace

TendonPage::TendonPage(AppContext& context, QWidget* parent)
    : SlotPage(context, QStringLiteral("TabSheet4"), QStringLiteral("Label47"),
               QStringLiteral("Zadání předpínacích kabelů"), kRowsLayout, parent)
{
    storeButton_ = makeButton(this, QStringLiteral("Button2"), QStringLiteral("Button2"), {548, 6, 80, 25});
    backArrow_ = addArrow(QStringLiteral("BitBtn18"), Arrow::Left);
    // On the title line between the title and the row buttons: the chart fills the foot of the page.
    evaluateButton_ = makeButton(this, QStringLiteral("BitBtn21"), QStringLiteral("Výpočet"), {174, 6, 92, 25});

    // "Vykresli": the chosen tendons.
    addDrawButton(QStringLiteral("BitBtn10"), QStringLiteral("Vykresli"), {456, 6, 85, 25});
    // At the foot of the page right of the left arrow, beneath the other controls.
    addChart({39, 211});
}

}  // namespace kvor::ui
