#include "ui/quantity_page.h"

#include <QLabel>
#include <QPushButton>

namespace kvor::ui {

QuantityPage::QuantityPage(AppContext& context, QWidget* parent)
    : PageSheet(QStringLiteral("TabSheet3"), parent), context_(context)
{
    makeLabel(this, QStringLiteral("Label25"), QStringLiteral("Vyhodnocované veličiny -  zadání příčinkové čáry"),
              {12, 10}, LabelStyle::BoldUnderlined);
    const struct {
        const char* name;
        const char* text;
        int x;
    } headings[] = {{"Label26", "Pořadí", 14},  {"Label27", "Název - popis", 70}, {"Label28", "Typ", 262},
                    {"Label29", "Stav", 418},   {"Label30", "Kreslit graf", 480}};
    for (const auto& h : headings)
        makeLabel(this, QString::fromUtf8(h.name), QString::fromUtf8(h.text), {h.x, 40}, LabelStyle::Underlined);

    BitBtn16 = addArrow(QStringLiteral("BitBtn16"), Arrow::Left);
    BitBtn17 = addArrow(QStringLiteral("BitBtn17"), Arrow::Right);
}

}  // namespace kvor::ui
