// The engineer's input is never lost without being asked: "Uložit" and
// "Uložit jako…" on the main window, the unsaved marker in its title, the
// question "Uložit / Neukládat / Storno" on every way out, and the save
// panel's own file names that replace another file only when told to.

#include "support/child_process.h"
#include "support/shell_test_support.h"
#include "support/ui_test_support.h"

#include "results/project_file.h"
#include "ui/application_shell.h"
#include "ui/recovery_copy.h"
#include "ui/windows/exit_confirmation.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::click;
using testing::control;

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QAction* action(const QWidget& widget, const char* name)
{
    for (QAction* a : widget.actions())
        if (a->objectName() == QLatin1String(name))
            return a;
    return nullptr;
}

class UnsavedWorkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QDir::setCurrent(folder.path());
        ASSERT_TRUE(testing::startNewProject(shell));
        ui.messages.clear();
    }
    void typeProjectName(const QString& name)
    {
        testing::typeInto(control<QLineEdit>(shell.mainWindow(), "Edit1"), name);
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    testing::WorkingDirectoryGuard directoryGuard;
    QTemporaryDir folder;
    testing::UiContext ui;
    ApplicationShell shell{ui.context};
};

TEST_F(UnsavedWorkTest, TypingMarksTheProjectUnsavedAndCtrlSSavesItUnderTheChosenName)
{
    EXPECT_FALSE(ui.session.isModified());
    typeProjectName(QStringLiteral("Most přes Vltavu"));
    EXPECT_TRUE(ui.session.isModified());
    EXPECT_TRUE(shell.mainWindow().isWindowModified());

    // Without a file of its own, "Uložit" asks for one.
    ui.messages.saveFileAnswer = path("most.txt");
    action(shell.mainWindow(), "saveAction")->trigger();
    ASSERT_EQ(ui.messages.events.size(), 1);
    EXPECT_EQ(ui.messages.events[0], "save file: Uložit projekt jako " + path("Kvordat.txt"));
    EXPECT_TRUE(QFile(path("most.txt")).exists());
    EXPECT_FALSE(ui.session.isModified());
    EXPECT_FALSE(shell.mainWindow().isWindowModified());
    EXPECT_EQ(shell.mainWindow().windowTitle(), "Kvor1.1 – most.txt[*]");

    // With one, it writes that file again without asking.
    typeProjectName(QStringLiteral("Most přes Labe"));
    ui.messages.clear();
    action(shell.mainWindow(), "saveAction")->trigger();
    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join('|').toStdString();
    EXPECT_TRUE(fileBytes(path("most.txt")).contains("Most p\xf8" "es Labe"));
}

// Every way out with unsaved input: "Storno" stays, "Neukládat" leaves, "Uložit" saves and leaves.
TEST(UnsavedWorkExits, EveryWayOutAsksAboutUnsavedInput)
{
    const std::function<void(ApplicationShell&)> waysOut[] = {
        [](ApplicationShell& s) { s.mainWindow().close(); },
        [](ApplicationShell& s) { s.startWindow().exitProgram(); },
        [](ApplicationShell& s) { s.resultWindow().exitProgram(); },
    };
    enum Answer { kSave = 0, kDiscard = 1, kCancel = 2 };
    testing::WorkingDirectoryGuard directoryGuard;
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    for (size_t way = 0; way < std::size(waysOut); ++way) {
        for (const int answer : {kCancel, kDiscard, kSave}) {
            SCOPED_TRACE(::testing::Message() << "way out " << way << ", answer " << answer);
            testing::UiContext ui;
            ApplicationShell shell{ui.context};
            QSignalSpy ended(&shell, &ApplicationShell::programEnded);
            shell.start();
            ui.project.info.name = "Nosník";
            ui.session.markModified();
            ui.messages.answers = {answer};
            ui.messages.saveFileAnswer = folder.filePath(QStringLiteral("nosnik%1.txt").arg(way));
            waysOut[way](shell);
            // ("Konec" of the start window beeps first, as it always has.)
            const QStringList questions = ui.messages.events.filter(QRegularExpression(QStringLiteral("^question: ")));
            ASSERT_EQ(questions.size(), 1) << ui.messages.events.join('|').toStdString();
            EXPECT_TRUE(questions[0].startsWith("question: Projekt nebyl dosud uložen")) << questions[0].toStdString();
            EXPECT_FALSE(shell.exitConfirmation().isVisible());
            EXPECT_EQ(ended.count(), answer == kCancel ? 0 : 1);
            EXPECT_EQ(ui.session.isModified(), answer != kSave);
            EXPECT_EQ(QFile::exists(ui.messages.saveFileAnswer), answer == kSave);
        }
    }
}

TEST_F(UnsavedWorkTest, WithNothingUnsavedTheExitQuestionIsAsBefore)
{
    shell.mainWindow().close();
    EXPECT_TRUE(shell.exitConfirmation().isVisible());
    EXPECT_TRUE(ui.messages.events.isEmpty());
}

TEST(RecoveryCopyTest, WrittenOnlyWhileUnsavedAndGoneOnceSaved)
{
    QTemporaryDir folder;
    testing::UiContext ui;
    RecoveryCopy recovery(ui.context, folder.filePath(QStringLiteral("data")));
    recovery.writeNow();
    EXPECT_FALSE(recovery.exists());
    ui.session.markModified();
    recovery.writeNow();
    EXPECT_TRUE(recovery.exists());
    ui.session.saveProject(SaveVariant::InputOnly, folder.filePath(QStringLiteral("p.txt")).toStdString(), ',');
    EXPECT_FALSE(recovery.exists());
}

// A run killed with unsaved input leaves its copy; the next start offers it
// and opens it unsaved, without a file of its own.
TEST(RecoveryCopyTest, ACopyLeftByAKilledRunIsOfferedAtTheNextStart)
{
    QTemporaryDir folder;
    const QString data = folder.filePath(QStringLiteral("data"));
    const kvor::testing::ChildEnd killed = kvor::testing::runInChild([&] {
        testing::UiContext ui;
        RecoveryCopy recovery(ui.context, data);
        ui.project.info.name = "Lávka přes Svratku";
        ui.session.markModified();
        recovery.writeNow();
        ::kill(::getpid(), SIGKILL);
        return 0;
    });
    ASSERT_EQ(killed.signal, SIGKILL);

    testing::UiContext ui;
    RecoveryCopy recovery(ui.context, data);
    ASSERT_TRUE(recovery.exists());
    ApplicationShell shell{ui.context};
    shell.setRecoveryCopy(&recovery);
    shell.start();
    ui.messages.answers = {0};  // "Obnovit"
    testing::passSplash(shell);
    ASSERT_FALSE(ui.messages.events.isEmpty());
    EXPECT_TRUE(ui.messages.events[0].startsWith(QStringLiteral("question: Obnovit neuložený projekt z ")))
        << ui.messages.events[0].toStdString();
    EXPECT_EQ(ui.project.info.name, "Lávka přes Svratku");
    EXPECT_FALSE(ui.project.info.readOnly);
    EXPECT_TRUE(ui.session.isModified());
    EXPECT_TRUE(ui.session.projectFile().empty());
    EXPECT_TRUE(shell.mainWindow().isVisible());
    EXPECT_FALSE(recovery.exists()) << "offered once; the unsaved project writes a new copy when it changes";
}

}  // namespace
}  // namespace kvor::ui
