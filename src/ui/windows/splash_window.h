#pragma once
// The splash window: the application's main window. It counts down two ticks
// of a 1000 ms timer and then hands over to the start window. Closing it ends
// the program, whichever other windows are up.

#include "ui/app_context.h"

#include <QWidget>

class QLineEdit;
class QTimer;

namespace kvor::ui {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(AppContext& context, QWidget* parent = nullptr);

    // One tick of the count-down: the count text goes down by one; at 0 the
    // timer stops, the start window comes up and the splash goes.
    void tick();

signals:
    void countDownFinished();  // show the start window
    void programEnded();       // the splash was closed: end the run

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& context_;
    QLineEdit* Edit1;
    QTimer* Timer1;
};

}  // namespace kvor::ui
