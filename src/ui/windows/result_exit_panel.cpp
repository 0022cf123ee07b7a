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

    Label73 = makeLabel(this, QStringLiteral("Label73"), QStringLiteral("Projekt není uložen!"), {0, 46},
                        LabelStyle::Bold);
    Label73->setGeometry(0, 46, width(), 18);
    Label73->setAlignment(Qt::AlignCenter);
    QPalette red = Label73->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label73->setPalette(red);
    Label73->hide();

    BitBtn5 = makeButton(this, QStringLiteral("BitBtn5"), QStringLiteral("Konec"), {60, 92, 110, 28});
    BitBtn5->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
    BitBtn6 = makeButton(this, QStringLiteral("BitBtn6"), QStringLiteral("Storno"), {215, 92, 110, 28});
    BitBtn6->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(BitBtn5, &QPushButton::clicked, this, &ExitPanel::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &ExitPanel::BitBtn6Click);
}

void ExitPanel::openAsking(bool warnUnsaved)
{
    Label73->setVisible(warnUnsaved);
    open();
}

void ExitPanel::BitBtn5Click()
{
    emit programEndRequested();
}

void ExitPanel::BitBtn6Click()
{
    messages_.beep();
    close();
    Label73->hide();
}

}  // namespace kvor::ui
