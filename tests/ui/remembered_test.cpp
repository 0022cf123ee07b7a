// What the program remembers between runs: the recent projects (listed on the
// start window, opened from there or by dropping a file), the folder last
// used and the windows' positions.

#include "support/ui_test_support.h"

#include "results/project_file.h"
#include "ui/remembered.h"
#include "ui/windows/start_window.h"

#include <QFile>
#include <QListWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

class RememberedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QSettings(QStringLiteral("Kvor"), QStringLiteral("Kvor1.1")).clear();
    }
    // A saved project named `name` in the test's folder.
    QString savedProject(const char* name)
    {
        const QString path = folder.filePath(QString::fromUtf8(name));
        testing::UiContext saving;
        saving.project.info.name = name;
        saveProjectAs(saving.project, SaveVariant::InputOnly, path.toStdString(), ',');
        return path;
    }

    testing::WorkingDirectoryGuard directoryGuard;
    QTemporaryDir folder;
};

TEST_F(RememberedTest, TheRecentProjectsKeepTheLastFirstAndOnlyFilesThatExist)
{
    QStringList paths;
    for (int i = 0; i < kRecentProjectCount + 2; ++i)
        paths << savedProject(QStringLiteral("p%1.txt").arg(i).toUtf8().constData());
    for (const QString& path : paths)
        rememberProject(path);
    rememberProject(paths[kRecentProjectCount]);  // opened again: to the front, once
    QStringList expected{paths[kRecentProjectCount], paths[kRecentProjectCount + 1]};
    for (int i = kRecentProjectCount - 1; expected.size() < kRecentProjectCount; --i)
        expected << paths[i];
    EXPECT_EQ(recentProjects(), expected);
    QFile::remove(paths[kRecentProjectCount + 1]);
    expected.removeAt(1);
    EXPECT_EQ(recentProjects(), expected);
    EXPECT_EQ(lastFolder(), folder.path());
}

TEST_F(RememberedTest, TheStartWindowOpensARecentProjectAndADroppedOne)
{
    const QString first = savedProject("most.txt");
    const QString second = savedProject("lavka.txt");
    rememberProject(first);
    testing::UiContext ui;
    StartWindow window(ui.context);
    QSignalSpy opened(&window, &StartWindow::mainWindowRequested);
    window.show();
    auto* list = window.findChild<QListWidget*>(QStringLiteral("RecentList"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 1);
    emit list->itemActivated(list->item(0));
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(ui.project.info.name, "most.txt");

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(second)});
    EXPECT_EQ(droppedProjectFile(&data), second);
    window.show();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    EXPECT_EQ(opened.count(), 2);
    EXPECT_EQ(ui.project.info.name, "lavka.txt");

    data.setUrls({QUrl::fromLocalFile(folder.path())});  // a folder is no project
    EXPECT_TRUE(droppedProjectFile(&data).isEmpty());
}

TEST_F(RememberedTest, AWindowComesBackWhereItWasLeft)
{
    QWidget first;
    first.setObjectName(QStringLiteral("Form2"));
    rememberWindowPosition(&first);
    first.show();
    first.move(120, 90);
    first.hide();
    QWidget next;  // the same window of the next run
    next.setObjectName(QStringLiteral("Form2"));
    rememberWindowPosition(&next);
    next.show();
    EXPECT_EQ(next.pos(), QPoint(120, 90));
}

}  // namespace
}  // namespace kvor::ui
