#include "ui/form3_exit_confirmation.h"

#include "ui/window_setup.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace kvor::ui {

Form3::Form3(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setupFixedWindow(this, {292, 123}, TitleBar::NoButtons);
    setAutoFillBackground(true);
    QPalette red = palette();
    red.setColor(QPalette::Window, QColor(Qt::red));
    red.setColor(QPalette::WindowText, Qt::black);
    setPalette(red);

    makeMessageLine(this, QStringLiteral("Label1"), QStringLiteral("Opravdu si přejete "), 14);
    makeMessageLine(this, QStringLiteral("Label2"), QStringLiteral("ukončit program Kvor 1.1 ?"), 38);

    auto* konec = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Konec"), {30, 80, 100, 28});
    konec->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
    auto* storno = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Storno"), {162, 80, 100, 28});
    storno->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    connect(konec, &QPushButton::clicked, this, &Form3::BitBtn1Click);
    connect(storno, &QPushButton::clicked, this, &Form3::BitBtn2Click);
}

void Form3::ask(QWidget* asking)
{
    asking_ = asking;
    showInFront(this);
    if (asking)
        asking->setEnabled(false);
}

void Form3::BitBtn1Click()
{
    if (asking_)
        asking_->hide();
    hide();
    emit programEndRequested();
}

void Form3::BitBtn2Click()
{
    hide();
    if (asking_) {
        asking_->setEnabled(true);
        showInFront(asking_);
    }
}

void Form3::closeEvent(QCloseEvent* event)
{
    // No close button; a close from the window system answers "Storno".
    event->ignore();
    BitBtn2Click();
}

}  // namespace kvor::ui
