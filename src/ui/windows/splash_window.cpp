#include "ui/windows/splash_window.h"

#include "model/numbers.h"
#include "ui/message_service.h"
#include "ui/widgets/drawings.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/window_setup.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QTimer>

namespace kvor::ui {

SplashWindow::SplashWindow(AppContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    setObjectName(QStringLiteral("Form1"));
    setupFixedWindow(this, {602, 448}, TitleBar::NoButtons);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    // The 600 x 450 picture is stretched over the client area.
    auto* picture = new Picture(QStringLiteral("Image1"), drawSplash, this);
    picture->setGeometry(0, 0, 602, 448);

    Edit1 = new QLineEdit(QStringLiteral("2"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &SplashWindow::tick);
    Timer1->start();
}

void SplashWindow::tick()
{
    context_.messages.runCommand([this] {
        const int left = toInteger(Edit1->text().toStdString()) - 1;
        Edit1->setText(QString::number(left));
        if (left == 0) {
            Timer1->stop();
            emit countDownFinished();
            hide();
        }
    });
}

void SplashWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit programEnded();
}

}  // namespace kvor::ui
