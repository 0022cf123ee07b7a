#include "ui/widgets/picture.h"

#include <QPainter>

namespace kvor::ui {

Picture::Picture(const QString& name, Drawing drawing, QWidget* parent)
    : QWidget(parent), drawing_(std::move(drawing))
{
    setObjectName(name);
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawing_(painter, QRectF(rect()));
}

}  // namespace kvor::ui
