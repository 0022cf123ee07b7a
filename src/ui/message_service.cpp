#include "ui/message_service.h"

#include "model/error.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <exception>
#include <new>

namespace kvor::ui {

void MessageService::message(std::string_view text)
{
    showMessage(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MessageService::errorBox(std::string_view runtimeText)
{
    showErrorBox(QString::fromStdString(errorBoxText(runtimeText)));
}

void MessageService::showReport(const Report& report, QWidget* focusScope)
{
    if (!report.focus.empty() && focusScope)
        focusControl(focusScope, QString::fromStdString(report.focus));
    if (report.beep == Beep::BeforeMessage)
        beep();
    message(report.message);
    if (report.beep == Beep::AfterMessage)
        beep();
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
    } catch (const std::exception& e) {
        // Nothing may escape an event handler; anything else is shown the same way.
        errorBox(e.what());
    }
    return false;
}

void DesktopMessageService::showMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void DesktopMessageService::showErrorBox(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void DesktopMessageService::soundBeep()
{
    QApplication::beep();
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
