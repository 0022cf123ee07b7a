#pragma once
// The one way the windows talk to the user: modal message boxes captioned
// "Kvor1.1", the error box of the general error report, and the system beep.
// Tests put a recording implementation in place of the real one.

#include "model/report.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string_view>

class QWidget;

namespace kvor::ui {

inline const QString kApplicationTitle = QStringLiteral("Kvor1.1");
// What the error box says of a fault of the program itself (the final full stop comes with the box).
inline constexpr std::string_view kInternalErrorText =
    "V programu došlo k vnitřní chybě, příkaz byl ukončen. Podrobnosti jsou v protokolu programu";

class MessageService {
public:
    virtual ~MessageService() = default;

    // A modal message box with the text, captioned with the application title.
    void message(const QString& text) { showMessage(text); }
    void message(std::string_view text);
    // The general error report: the error icon and the runtime text followed by
    // the final full stop that errorBoxText adds.
    void errorBox(std::string_view runtimeText);
    void beep() { soundBeep(); }
    // A modal question box captioned with the application title, one button
    // per caption; returns the index of the button chosen. Escape or closing
    // the box chooses the last button, which should be the one that cancels.
    int question(const QString& text, const QStringList& buttons) { return askQuestion(text, buttons); }
    // A file dialog for a file to write, opened at `proposedPath`; the path
    // chosen, or empty when the user cancelled.
    QString chooseSaveFile(const QString& caption, const QString& proposedPath, const QString& filter)
    {
        return askSaveFile(caption, proposedPath, filter);
    }

    // A check's report: the focus goes to the control named in it (looked up in
    // `focusScope`) first, so the message box hands the focus back to the field
    // at fault; then the beep before, the message, the beep after.
    void showReport(const Report& report, QWidget* focusScope);

    // Runs one command of a window. A failure that no check covers ends the
    // command there and shows the error box; returns whether it ran to its end.
    // A fault of the program (a broken precondition: std::logic_error, or an
    // exception of no standard type) is logged with its text, and the box says
    // only that an internal error ended the command.
    bool runCommand(const std::function<void()>& command);

protected:
    void internalError(const char* what);

    virtual void showMessage(const QString& text) = 0;
    virtual void showErrorBox(const QString& text) = 0;
    virtual void soundBeep() = 0;
    virtual int askQuestion(const QString& text, const QStringList& buttons) = 0;
    virtual QString askSaveFile(const QString& caption, const QString& proposedPath, const QString& filter) = 0;
};

// Real modal boxes and the system beep.
class DesktopMessageService final : public MessageService {
protected:
    void showMessage(const QString& text) override;
    void showErrorBox(const QString& text) override;
    void soundBeep() override;
    int askQuestion(const QString& text, const QStringList& buttons) override;
    QString askSaveFile(const QString& caption, const QString& proposedPath, const QString& filter) override;
};

// Puts the focus on the control named `objectName` inside `scope` (the scope
// itself when it carries the name). Returns whether one was found.
bool focusControl(QWidget* scope, const QString& objectName);

}  // namespace kvor::ui
