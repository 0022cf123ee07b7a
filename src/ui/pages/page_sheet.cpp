#include "ui/pages/page_sheet.h"

#include <QPushButton>
#include <QShowEvent>

namespace kvor::ui {

namespace {
constexpr int kArrowMargin = 6;
constexpr int kArrowSize = 25;
}

PageSheet::PageSheet(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
}

QPushButton* PageSheet::addArrow(const QString& name, Arrow arrow)
{
    QPushButton* button = makeArrowButton(this, name, arrow, {0, 0});
    (arrow == Arrow::Left ? left_ : right_) = button;
    placeArrows();
    return button;
}

void PageSheet::placeArrows()
{
    const int y = height() - kArrowSize - kArrowMargin;
    if (left_)
        left_->move(kArrowMargin, y);
    if (right_)
        right_->move(width() - kArrowSize - kArrowMargin, y);
}

void PageSheet::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeArrows();
}

void PageSheet::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        emit shown();
}

}  // namespace kvor::ui
