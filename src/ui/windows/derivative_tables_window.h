#pragma once
// The derivative tables of the last evaluation, one per quantity slot:
// station and slope of the influence line at each of its points.

#include "ui/app_context.h"

#include <QWidget>

#include <array>

class QPushButton;

namespace kvor::ui {

class WorkingGrid;

class DerivativeTablesWindow : public QWidget {
    Q_OBJECT
public:
    explicit DerivativeTablesWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the tables as the last run left them.
    void loadFromModel();

    void Button1Click();  // hides the window and shows the main window

    WorkingGrid* grid(int q) const { return grids_[q]; }

signals:
    void mainWindowRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& context_;
    std::array<WorkingGrid*, kSlotCount> grids_;
    QPushButton* Button1;
};

}  // namespace kvor::ui
