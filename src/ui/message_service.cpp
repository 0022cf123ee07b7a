#include "ui/message_service.h"

#include "model/error.h"
#include "ui/field_controls.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QtGlobal>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <exception>
#include <new>
#include <vector>

namespace kvor::ui {

void MessageService::message(std::string_view text)
{
    showMessage(toQString(text));
}

void MessageService::errorBox(std::string_view runtimeText)
{
    showErrorBox(QString::fromStdString(errorBoxText(runtimeText)));
}

void MessageService::showReport(const Report& report, QWidget* focusScope)
{
    if (report.focus != Field::None && focusScope)
        focusControl(focusScope, QString::fromLatin1(controlName(report.focus)));
    if (report.beep == Beep::BeforeMessage)
        beep();
    message(report.message);
    if (report.beep == Beep::AfterMessage)
        beep();
}

void MessageService::internalError(const char* what)
{
    // A broken rule of the program itself, not a fault of the input: its
    // text is for the developers, the user learns only that the command ended.
    qCritical("Kvor1.1: internal error: %s", what);
    errorBox(kInternalErrorText);
}

bool MessageService::runCommand(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const Error& e) {
        errorBox(e.what());
    } catch (const std::bad_alloc&) {
        errorBox("Out of memory");
    } catch (const std::logic_error& e) {
        internalError(e.what());
    } catch (const std::exception& e) {
        // A failure of the system (a file, a stream) is the user's to see.
        errorBox(e.what());
    } catch (...) {
        internalError("an exception of unknown type");
    }
    return false;
}

namespace {

// A modal box over the active window. Once it closes, that window is made
// active again and its field at fault gets the focus back: on an X session
// without a window manager nothing else does it, the focus would stay with
// the closed box, and the next exit from the field would go unchecked.
void execBox(QMessageBox::Icon icon, const QString& text)
{
    const QPointer<QWidget> owner = QApplication::activeWindow();
    const QPointer<QWidget> focused = QApplication::focusWidget();
    QMessageBox box(icon, kApplicationTitle, text, QMessageBox::Ok, owner);
    box.exec();
    if (!owner || !owner->isVisible())
        return;
    owner->activateWindow();
    QApplication::setActiveWindow(owner);
    if (focused && focused->window() == owner && focused->isVisible())
        focused->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace

void DesktopMessageService::showMessage(const QString& text)
{
    execBox(QMessageBox::NoIcon, text);
}

void DesktopMessageService::showErrorBox(const QString& text)
{
    execBox(QMessageBox::Critical, text);
}

int DesktopMessageService::askQuestion(const QString& text, const QStringList& buttons)
{
    QMessageBox box(QMessageBox::Question, kApplicationTitle, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    std::vector<QPushButton*> pushButtons;
    for (const QString& caption : buttons)
        pushButtons.push_back(box.addButton(caption, QMessageBox::AcceptRole));
    if (!pushButtons.empty()) {
        box.setDefaultButton(pushButtons.front());
        box.setEscapeButton(pushButtons.back());
    }
    box.exec();
    const auto chosen = std::find(pushButtons.begin(), pushButtons.end(), box.clickedButton());
    return chosen == pushButtons.end() ? static_cast<int>(buttons.size()) - 1
                                       : static_cast<int>(chosen - pushButtons.begin());
}

void DesktopMessageService::soundBeep()
{
    QApplication::beep();
}

QString DesktopMessageService::askSaveFile(const QString& caption, const QString& proposedPath,
                                           const QString& filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, proposedPath, filter);
}

bool focusControl(QWidget* scope, const QString& objectName)
{
    QWidget* target = scope->objectName() == objectName ? scope : scope->findChild<QWidget*>(objectName);
    if (!target)
        return false;
    target->setFocus(Qt::OtherFocusReason);
    return true;
}

}  // namespace kvor::ui
