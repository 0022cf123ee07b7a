#pragma once
// The exit panel of the result window (Panel2): the question, the warning
// "Projekt není uložen!" while nothing was saved, "Konec" and "Storno".

#include "ui/windows/result_overlay_panel.h"

class QLabel;
class QPushButton;

namespace kvor::ui {

class MessageService;

class ExitPanel : public OverlayPanel {
    Q_OBJECT
public:
    ExitPanel(MessageService& messages, QWidget* window);

    // Opens the panel; the warning shows exactly when `warnUnsaved`.
    void openAsking(bool warnUnsaved);

    void endProgram();  // "Konec"
    void cancel();      // "Storno"

signals:
    void programEndRequested();

private:
    MessageService& messages_;
    QLabel* unsavedWarning_;  // "Projekt není uložen!"
    QPushButton* endButton_;
    QPushButton* cancelButton_;
};

}  // namespace kvor::ui
