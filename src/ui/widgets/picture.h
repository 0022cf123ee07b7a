#pragma once
// A picture drawn by the program itself, stretched over the control: the
// drawing function gets the painter and the control's rectangle.

#include <QWidget>

#include <functional>

class QPainter;

namespace kvor::ui {

using Drawing = std::function<void(QPainter&, const QRectF&)>;

class Picture : public QWidget {
public:
    Picture(const QString& name, Drawing drawing, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing drawing_;
};

}  // namespace kvor::ui
