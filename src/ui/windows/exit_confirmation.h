#pragma once
// The exit confirmation window: "Konec" ends the program, "Storno" returns to
// the window that asked, which stays disabled while the question is up.

#include <QPointer>
#include <QWidget>

class QPushButton;

namespace kvor::ui {

class ExitConfirmation : public QWidget {
    Q_OBJECT
public:
    explicit ExitConfirmation(QWidget* parent = nullptr);

    // Puts the question for `asking`: shows this window and disables `asking`.
    void ask(QWidget* asking);

    void endProgram();  // "Konec"
    void cancel();      // "Storno"

signals:
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QWidget> asking_;
};

}  // namespace kvor::ui
