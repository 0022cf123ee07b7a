#include "ui/windows/exit_confirmation.h"

#include "ui/widgets/window_setup.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace kvor::ui {

ExitConfirmation::ExitConfirmation(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setupFixedWindow(this, {292, 123}, TitleBar::NoButtons);
    setMessageWindowColour(this, QColor(Qt::red));

    makeMessageLine(this, QStringLiteral("Label1"), QStringLiteral("Opravdu si přejete "), 14);
    makeMessageLine(this, QStringLiteral("Label2"), QStringLiteral("ukončit program Kvor 1.1 ?"), 38);

    auto* konec = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Konec"), {30, 80, 100, 28},
                             QStyle::SP_DialogNoButton);
    auto* storno = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Storno"), {162, 80, 100, 28},
                              QStyle::SP_BrowserReload);
    connect(konec, &QPushButton::clicked, this, &ExitConfirmation::endProgram);
    connect(storno, &QPushButton::clicked, this, &ExitConfirmation::cancel);
}

void ExitConfirmation::ask(QWidget* asking)
{
    asking_ = asking;
    showInFront(this);
    if (asking)
        asking->setEnabled(false);
}

void ExitConfirmation::endProgram()
{
    if (asking_)
        asking_->hide();
    hide();
    emit programEndRequested();
}

void ExitConfirmation::cancel()
{
    hide();
    if (asking_) {
        asking_->setEnabled(true);
        showInFront(asking_);
    }
}

void ExitConfirmation::closeEvent(QCloseEvent* event)
{
    // No close button; a close from the window system answers "Storno".
    event->ignore();
    cancel();
}

}  // namespace kvor::ui
