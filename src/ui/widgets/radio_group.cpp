#include "ui/widgets/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvor::ui {

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this))
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, caption.isEmpty() ? 4 : 2, 8, 4);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(name + QStringLiteral("Item") + QString::number(i));
        group_->addButton(button, i);
        layout->addWidget(button);
        items_.push_back(button);
    }
    if (!items_.empty())
        items_.front()->setChecked(true);
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::itemIndex() const
{
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < itemCount()) {
        items_[static_cast<size_t>(index)]->setChecked(true);
    } else if (index == -1 && group_->checkedButton()) {
        // An exclusive group cannot uncheck its last checked item.
        group_->setExclusive(false);
        group_->checkedButton()->setChecked(false);
        group_->setExclusive(true);
    }
}

}  // namespace kvor::ui
