#pragma once
// What the windows of the last evaluation share (the results, the section
// stresses, the tendon tables, the derivative tables, the effects of the
// loads): read-only views of the project, loaded anew each time the program
// shows the window, and one way out, the window's back button ("Konec" for the
// result window). Closing the window through the frame goes the same way, so
// that the window it leads back to is never left hidden.

#include "ui/app_context.h"

#include <QWidget>

namespace kvor::ui {

class WorkingTablesWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the tables as the project holds them now.
    virtual void loadFromModel() = 0;

protected:
    WorkingTablesWindow(AppContext& context, QWidget* parent);

    // What the back button does.
    virtual void goBack() = 0;

    // New results: a hidden window reads them when it is shown next.
    void reloadIfShown();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    AppContext& context_;
    const Project& project_;  // only read: the session changes it
};

}  // namespace kvor::ui
