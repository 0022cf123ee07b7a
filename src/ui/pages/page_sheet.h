#pragma once
// A page of the main window's page control, with its 25 x 25 arrow buttons
// kept at the page's lower corners: left for going back, right for going on.

#include "ui/widgets/window_setup.h"

#include <QWidget>

class QPushButton;

namespace kvor::ui {

class PageSheet : public QWidget {
    Q_OBJECT
public:
    PageSheet(const QString& name, QWidget* parent);

    QPushButton* addArrow(const QString& name, Arrow arrow);

signals:
    // The page became visible (chosen, or its window shown with it current).
    void shown();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeArrows();

    QPushButton* left_ = nullptr;
    QPushButton* right_ = nullptr;
};

}  // namespace kvor::ui
