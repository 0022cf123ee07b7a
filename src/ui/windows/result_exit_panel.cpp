#include "ui/windows/result_exit_panel.h"

#include "ui/message_service.h"
#include "ui/widgets/window_setup.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace kvor::ui {

ExitPanel::ExitPanel(MessageService& messages, QWidget* window)
    : OverlayPanel(QStringLiteral("Panel2"), {130, 200, 385, 140}, window), messages_(messages)
{
    QLabel* question = makeLabel(this, QStringLiteral("Label72"),
                                 QStringLiteral("Opravdu si přejete ukončit program Kvor1.1?"), {0, 16},
                                 LabelStyle::Bold);
    question->setGeometry(0, 16, width(), 18);
    question->setAlignment(Qt::AlignCenter);

    unsavedWarning_ = makeLabel(this, QStringLiteral("Label73"), QStringLiteral("Projekt není uložen!"), {0, 46},
                                LabelStyle::Bold);
    unsavedWarning_->setGeometry(0, 46, width(), 18);
    unsavedWarning_->setAlignment(Qt::AlignCenter);
    QPalette red = unsavedWarning_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    unsavedWarning_->setPalette(red);
    unsavedWarning_->hide();

    endButton_ = makeButton(this, QStringLiteral("BitBtn5"), QStringLiteral("Konec"), {60, 92, 110, 28},
                            QStyle::SP_DialogNoButton, [this] { endProgram(); });
    cancelButton_ = makeButton(this, QStringLiteral("BitBtn6"), QStringLiteral("Storno"), {215, 92, 110, 28},
                               QStyle::SP_DialogCancelButton, [this] { cancel(); });
}

void ExitPanel::openAsking(bool warnUnsaved)
{
    unsavedWarning_->setVisible(warnUnsaved);
    open();
}

void ExitPanel::endProgram()
{
    emit programEndRequested();
}

void ExitPanel::cancel()
{
    messages_.beep();
    close();
    unsavedWarning_->hide();
}

}  // namespace kvor::ui
