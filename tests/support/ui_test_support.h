#pragma once
// What the UI tests share: a message service that records what the user would
// see and hear, in order, without ever blocking; a project with its context;
// and small helpers to bring a window up, click, type and move the focus as
// a user does.

#include "model/project.h"
#include "ui/app_context.h"
#include "ui/message_service.h"
#include "ui/project_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QDir>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace kvor::ui::testing {

// The control a focused widget belongs to: the nearest one with a name of the
// program (a table's cell editor belongs to its table, a spin box's text to
// the spin box).
inline QString controlName(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QStringLiteral("qt_")))
            return name;
    }
    return {};
}

// Each event as one line: "message: …", "error: …", "question: …", "beep". A
// message also notes which control held the focus of its window when it came
// up. A question takes the next of `answers` (button indexes); with none left
// it takes the last button, the one that cancels.
class RecordingMessageService final : public MessageService {
public:
    QStringList events;
    QStringList focusAtMessage;
    std::function<void()> atMessage;  // runs as each message comes up
    QList<int> answers;
    QString saveFileAnswer;  // what a file dialog for writing returns; empty: cancelled

    void clear()
    {
        events.clear();
        focusAtMessage.clear();
    }

protected:
    void showMessage(const QString& text) override
    {
        events << QStringLiteral("message: ") + text;
        noteFocus();
        if (atMessage)
            atMessage();
    }
    void showErrorBox(const QString& text) override
    {
        events << QStringLiteral("error: ") + text;
        noteFocus();
    }
    void soundBeep() override { events << QStringLiteral("beep"); }
    int askQuestion(const QString& text, const QStringList& buttons) override
    {
        events << QStringLiteral("question: ") + text;
        return answers.isEmpty() ? static_cast<int>(buttons.size()) - 1 : answers.takeFirst();
    }
    QString askSaveFile(const QString& caption, const QString& proposedPath, const QString&) override
    {
        events << QStringLiteral("save file: ") + caption + QStringLiteral(" ") + proposedPath;
        return saveFileAnswer;
    }

private:
    void noteFocus()
    {
        focusAtMessage << controlName(QApplication::focusWidget());
    }
};

// One project, the recording service and the decimal comma of a Czech system.
struct UiContext {
    ProjectSession session;
    Project& project = session.project();
    RecordingMessageService messages;
    AppContext context{project, messages, ',', session};
};

// Shows the window and makes it the active one, so that focus moves happen
// as on a desktop.
inline bool bringUp(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// The control named `name` inside `scope`, of type T.
template <typename T>
T* control(const QWidget& scope, const char* name)
{
    return scope.findChild<T*>(QString::fromUtf8(name));
}

// Types into a field as the user does: focus it, replace its text.
inline void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        edit->insert(text);  // key clicks know only ASCII; Czech letters are typed too
}

// Clicks the button named `name` inside `scope` as the user does; the button
// must be there and enabled, as it is for the user's click.
inline void click(const QWidget& scope, const char* name)
{
    auto* button = scope.findChild<QAbstractButton*>(QString::fromUtf8(name));
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isEnabled()) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// The text of the field named `name` inside `scope`.
inline QString fieldText(const QWidget& scope, const char* name)
{
    auto* field = control<QLineEdit>(scope, name);
    EXPECT_NE(field, nullptr) << name;
    return field ? field->text() : QString();
}

inline QString focusName()
{
    return controlName(QApplication::focusWidget());
}

// Restores the process's working directory when a test changed it.
class WorkingDirectoryGuard {
public:
    WorkingDirectoryGuard() : saved_(QDir::currentPath()) {}
    ~WorkingDirectoryGuard() { QDir::setCurrent(saved_); }
    WorkingDirectoryGuard(const WorkingDirectoryGuard&) = delete;
    WorkingDirectoryGuard& operator=(const WorkingDirectoryGuard&) = delete;

private:
    QString saved_;
};

}  // namespace kvor::ui::testing
