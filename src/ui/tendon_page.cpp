#include "ui/tendon_page.h"

#include <QLabel>
#include <QPushButton>

namespace kvor::ui {

TendonPage::TendonPage(AppContext& context, QWidget* parent)
    : PageSheet(QStringLiteral("TabSheet4"), parent), context_(context)
{
    makeLabel(this, QStringLiteral("Label47"), QStringLiteral("Zadání předpínacích kabelů"), {12, 10},
              LabelStyle::BoldUnderlined);
    const struct {
        const char* name;
        const char* text;
        int x;
    } headings[] = {{"Label52", "Pořadí", 14},    {"Label53", "Název", 70}, {"Label54", "Typ kabelu", 262},
                    {"Label55", "Stav", 418},     {"Label56", "Kreslit kabel", 480}};
    for (const auto& h : headings)
        makeLabel(this, QString::fromUtf8(h.name), QString::fromUtf8(h.text), {h.x, 40}, LabelStyle::Underlined);

    Button2 = makeButton(this, QStringLiteral("Button2"), QStringLiteral("Button2"), {548, 6, 80, 25});
    BitBtn18 = addArrow(QStringLiteral("BitBtn18"), Arrow::Left);
    BitBtn21 = makeButton(this, QStringLiteral("BitBtn21"), QStringLiteral("Výpočet"), {538, 228, 90, 28});
}

}  // namespace kvor::ui
