#include "ui/widgets/window_setup.h"

#include "ui/message_service.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace kvor::ui {

void setupFixedWindow(QWidget* window, QSize clientSize, TitleBar titleBar, const QString& caption)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (titleBar == TitleBar::CloseButton)
        flags |= Qt::WindowCloseButtonHint;
    window->setWindowFlags(flags);
    window->setWindowTitle(caption.isEmpty() ? kApplicationTitle : caption);
    window->setFont(windowFont());
    window->setFixedSize(clientSize);
    centreOnDesktop(window);
}

void setMessageWindowColour(QWidget* window, const QColor& colour)
{
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(palette);
}

void centreOnDesktop(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->availableGeometry();
    window->move(desktop.center() - QPoint(window->width() / 2, window->height() / 2));
}

void showInFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void OpenedOver::take(QWidget* opener)
{
    opener_ = opener;
    if (opener_)
        opener_->setEnabled(false);
}

void OpenedOver::giveBack()
{
    if (opener_) {
        opener_->setEnabled(true);
        showInFront(opener_);
    }
    opener_ = nullptr;
}

QFont windowFont()
{
    // The narrow desktop faces first: the fixed layouts were measured with them.
    QFont font;
    font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QPoint at, LabelStyle style)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(style == LabelStyle::Bold || style == LabelStyle::BoldUnderlined);
    font.setUnderline(style == LabelStyle::Underlined || style == LabelStyle::BoldUnderlined);
    label->setFont(font);
    label->move(at);
    label->adjustSize();
    return label;
}

QLabel* makeMessageLine(QWidget* window, const QString& name, const QString& text, int y)
{
    auto* label = new QLabel(text, window);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(15);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, y, window->width(), 22);
    return label;
}

QLineEdit* makeEdit(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                        QStyle::StandardPixmap icon)
{
    QPushButton* button = makeButton(parent, name, caption, geometry);
    button->setIcon(parent->style()->standardIcon(icon));
    return button;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                        QStyle::StandardPixmap icon, std::function<void()> command)
{
    QPushButton* button = makeButton(parent, name, caption, geometry, icon);
    QObject::connect(button, &QPushButton::clicked, parent, [command = std::move(command)] { command(); });
    return button;
}

QPushButton* makeArrowButton(QWidget* parent, const QString& name, Arrow arrow, QPoint at)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(QRect(at, QSize(25, 25)));
    const auto pixmap = arrow == Arrow::Left ? QStyle::SP_ArrowLeft : QStyle::SP_ArrowRight;
    button->setIcon(parent->style()->standardIcon(pixmap));
    return button;
}

}  // namespace kvor::ui
