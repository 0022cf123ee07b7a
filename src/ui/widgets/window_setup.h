#pragma once
// The common make-up of the program's windows and controls: fixed client
// sizes centred on the desktop, the window font, and small factories that give
// every control its objectName, so that tests and later windows find it.

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStyle>

#include <functional>

class QColor;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kvor::ui {

enum class TitleBar {
    NoButtons,    // caption only: the window is left through its own buttons
    CloseButton,  // caption and the close button
};

// A window of fixed client size, captioned "Kvor1.1" unless `caption` is given,
// centred on the desktop.
void setupFixedWindow(QWidget* window, QSize clientSize, TitleBar titleBar,
                      const QString& caption = {});
void centreOnDesktop(QWidget* window);
// Shows a window in front of the others.
void showInFront(QWidget* window);

// The window another window was opened over: disabled while the other is
// open, then enabled and brought to the front again.
class OpenedOver {
public:
    // Disables `opener` (none for nullptr).
    void take(QWidget* opener);
    // Enables the opener, shows it in front and forgets it.
    void giveBack();

private:
    QPointer<QWidget> opener_;
};

// The window font: a plain sans-serif of the classic desktop's 8 points.
QFont windowFont();

enum class LabelStyle { Plain, Bold, Underlined, BoldUnderlined };

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QPoint at,
                  LabelStyle style = LabelStyle::Plain);
// The background of the small message windows, their text black.
void setMessageWindowColour(QWidget* window, const QColor& colour);
// A bold centred line of the small message windows (15-pixel font) across the window.
QLabel* makeMessageLine(QWidget* window, const QString& name, const QString& text, int y);
QLineEdit* makeEdit(QWidget* parent, const QString& name, const QRect& geometry);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& geometry);
// The same with one of the style's standard icons beside the caption.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                        QStyle::StandardPixmap icon);
// The same, running `command` when it is clicked.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                        QStyle::StandardPixmap icon, std::function<void()> command);

enum class Arrow { Left, Right };
// The 25 x 25 arrow buttons at the lower corners of the main window's pages.
QPushButton* makeArrowButton(QWidget* parent, const QString& name, Arrow arrow, QPoint at);

}  // namespace kvor::ui
