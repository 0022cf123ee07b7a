#include "support/ui_test_support.h"

#include "results/project_file.h"
#include "ui/widgets/file_pickers.h"
#include "ui/windows/start_window.h"

#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::control;

// A working directory with a project file written by the program's own
// writer, a text file that is no project file, and a sub-folder.
class StartWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        Project saved;
        saved.info.name = "Most přes Vltavu";
        saved.info.description = "Spojitý nosník o třech polích";
        saved.info.author = "Ing. Řehoř";
        saved.info.createdOn = "1. 2. 2024";
        saveProject(saved, SaveVariant::InputOnly, folder.path().toStdString(), ',');
        writeFile("poznamky.txt", "Vstupní soubor programu Kvor1.1 \r\njméno\r\n");
        ASSERT_TRUE(QDir(folder.path()).mkdir("podslozka"));
        ASSERT_TRUE(QDir::setCurrent(folder.path()));

        window = std::make_unique<StartWindow>(ui.context);
        ASSERT_TRUE(testing::bringUp(*window));
        ui.messages.clear();
    }

    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(QDir(folder.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QListWidget* files() const { return control<QListWidget>(*window, "FileListBox1"); }
    QString text(const char* name) const { return testing::fieldText(*window, name); }
    void pick(const QString& fileName)
    {
        const auto found = files()->findItems(fileName, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << fileName.toStdString();
        files()->setCurrentItem(found.front());
    }
    void clickOpen() { testing::click(*window, "BitBtn1"); }

    testing::WorkingDirectoryGuard restoreDirectory;
    QTemporaryDir folder;
    testing::UiContext ui;
    std::unique_ptr<StartWindow> window;
};

TEST_F(StartWindowTest, ListsTheTextFilesAndNoFileIsChosen)
{
    ASSERT_EQ(files()->count(), 2);
    EXPECT_EQ(files()->item(0)->text(), "Kvordat.txt");
    EXPECT_EQ(files()->item(1)->text(), "poznamky.txt");
    EXPECT_EQ(text("Edit1"), "*.txt");
    EXPECT_EQ(window->size(), QSize(492, 441));  // the recent projects below the pickers
    EXPECT_FALSE(control<QComboBox>(*window, "FilterComboBox1")->isEnabled());
    EXPECT_EQ(control<QComboBox>(*window, "FilterComboBox1")->currentText(), "Text files(t*.txt)");
}

TEST_F(StartWindowTest, PickingAProjectFilePreviewsNameDescriptionAndAuthor)
{
    pick("Kvordat.txt");
    EXPECT_EQ(text("Edit1"), "Kvordat.txt");
    EXPECT_EQ(text("Edit2"), "Most přes Vltavu");
    EXPECT_EQ(text("Edit3"), "Spojitý nosník o třech polích");
    EXPECT_EQ(text("Edit4"), "Ing. Řehoř");
    EXPECT_TRUE(ui.messages.events.isEmpty());
    EXPECT_EQ(ui.project.info.name, "");  // a preview takes nothing into the project
}

TEST_F(StartWindowTest, AFileThatIsNoProjectFileShowsNoPreviewAndNoMessage)
{
    pick("Kvordat.txt");
    pick("poznamky.txt");
    EXPECT_EQ(text("Edit2"), "");
    EXPECT_EQ(text("Edit3"), "");
    EXPECT_EQ(text("Edit4"), "");
    EXPECT_TRUE(ui.messages.events.isEmpty());
}

TEST_F(StartWindowTest, OpenWithoutAChosenFileShowsTheWrongFileWindowWithoutBeep)
{
    QSignalSpy wrongFile(window.get(), &StartWindow::wrongFileChosen);
    clickOpen();
    EXPECT_EQ(wrongFile.count(), 1);
    EXPECT_TRUE(ui.messages.events.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StartWindowTest, OpenARefusedFileShowsTheWrongFileWindowAndBeeps)
{
    QSignalSpy wrongFile(window.get(), &StartWindow::wrongFileChosen);
    pick("poznamky.txt");
    clickOpen();
    EXPECT_EQ(wrongFile.count(), 1);
    EXPECT_EQ(ui.messages.events, QStringList{"beep"});
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(ui.project.info.readOnly);
}

TEST_F(StartWindowTest, OpenAProjectFileTakesItsInformationAndLeaves)
{
    QSignalSpy mainWindow(window.get(), &StartWindow::mainWindowRequested);
    pick("Kvordat.txt");
    clickOpen();
    EXPECT_EQ(mainWindow.count(), 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ui.project.info.name, "Most přes Vltavu");
    EXPECT_EQ(ui.project.info.author, "Ing. Řehoř");
    EXPECT_EQ(ui.project.info.createdOn, "1. 2. 2024");
    EXPECT_TRUE(ui.project.info.readOnly);
    EXPECT_TRUE(ui.messages.events.isEmpty());
}

TEST_F(StartWindowTest, AFileRemovedMeanwhileEndsThePreviewWithTheErrorBox)
{
    ASSERT_TRUE(QFile::remove(QDir(folder.path()).filePath("Kvordat.txt")));
    pick("Kvordat.txt");
    EXPECT_EQ(ui.messages.events, QStringList{"error: File not found."});
    EXPECT_EQ(text("Edit2"), "");

    ui.messages.clear();
    clickOpen();
    EXPECT_EQ(ui.messages.events, QStringList{"error: File not found."});
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StartWindowTest, AFailedOpenForgetsThePreviewOfTheVanishedFile)
{
    pick("Kvordat.txt");
    ASSERT_EQ(text("Edit2"), "Most přes Vltavu");
    ASSERT_TRUE(QFile::remove(QDir(folder.path()).filePath("Kvordat.txt")));
    clickOpen();
    EXPECT_EQ(ui.messages.events, QStringList{"error: File not found."});
    EXPECT_EQ(text("Edit2"), "");
    EXPECT_EQ(text("Edit3"), "");
    EXPECT_EQ(text("Edit4"), "");
}

TEST_F(StartWindowTest, ALongDescriptionIsPreviewedFromItsBeginning)
{
    Project saved;
    saved.info.name = "Lávka";
    saved.info.description = "Začátek popisu " + std::string(400, 'x');
    saveProject(saved, SaveVariant::WithResults, folder.path().toStdString(), ',');
    window->chooseFile(QStringLiteral("Kvorprj.txt"));
    auto* description = control<QLineEdit>(*window, "Edit3");
    EXPECT_TRUE(description->text().startsWith(QStringLiteral("Začátek popisu")));
    EXPECT_EQ(description->cursorPosition(), 0);
}

TEST_F(StartWindowTest, OpeningAFolderMakesItTheWorkingDirectoryAndForgetsTheFile)
{
    pick("Kvordat.txt");
    auto* folders = control<DirectoryListBox>(*window, "DirectoryListBox1");
    QListWidgetItem* sub = nullptr;
    for (int i = 0; i < folders->count(); ++i)
        if (DirectoryListBox::itemPath(folders->item(i)).endsWith("/podslozka"))
            sub = folders->item(i);
    ASSERT_NE(sub, nullptr);
    emit folders->itemActivated(sub);

    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).filePath("podslozka"));
    EXPECT_EQ(text("Edit1"), "*.txt");
    EXPECT_EQ(text("Edit2"), "");
    EXPECT_EQ(files()->count(), 0);
    EXPECT_TRUE(ui.messages.events.isEmpty());

    // The list shows the way up: the first item is the root, the current folder is chosen.
    EXPECT_EQ(DirectoryListBox::itemPath(folders->item(0)), "/");
    EXPECT_EQ(DirectoryListBox::itemPath(folders->currentItem()), QDir::currentPath());
}

TEST_F(StartWindowTest, AFolderThatCannotBeEnteredIsReportedAndNothingChanges)
{
    const QString before = QDir::currentPath();
    window->enterFolder(QDir(folder.path()).filePath("chybi"));
    EXPECT_EQ(ui.messages.events, QStringList{"error: File not found."});
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_EQ(files()->count(), 2);
}

TEST_F(StartWindowTest, TheDriveBoxOffersTheRoot)
{
    EXPECT_TRUE(fileSystemRoots().contains("/"));
    auto* drives = control<QComboBox>(*window, "DriveComboBox1");
    EXPECT_GE(drives->findText("/"), 0);
}

}  // namespace
}  // namespace kvor::ui
