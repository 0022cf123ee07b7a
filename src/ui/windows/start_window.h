#pragma once
// The start window: open a project file, start a new project, or end the
// program. It shows the folders and the "*.txt" files of the working
// directory and previews the name, description and author of the picked file.

#include "ui/app_context.h"
#include "ui/widgets/file_pickers.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QDropEvent;
class QMimeData;
class QPushButton;

namespace kvor::ui {

// The one local file a drop carries, when it is a file; empty otherwise.
QString droppedProjectFile(const QMimeData* data);
// A window takes the drag of one project file, and its drop gives the file's
// path (the drop accepted) or nothing.
void acceptProjectFileDrag(QDropEvent* event);
QString takeDroppedProjectFile(QDropEvent* event);

class StartWindow : public QWidget {
    Q_OBJECT
public:
    explicit StartWindow(AppContext& context, QWidget* parent = nullptr);

    void enterFolder(const QString& path);
    void chooseFile(const QString& name);
    void previewChosenFile();
    void openChosenFile();   // "Otevřít"
    void startNewProject();  // "Nový"
    void exitProgram();      // "Konec"

    // A project named on the command line: its folder becomes the working
    // directory, its name is picked and "Otevřít" runs on it.
    void openNamedFile(const QString& path);

    // The recent projects, the last opened or saved first: a double-click or
    // Enter opens one as "Otevřít" does.
    void showRecentProjects();

signals:
    void mainWindowRequested();  // a project was opened or a new one started
    void wrongFileChosen();      // show the wrong-file window
    void exitRequested();        // put the exit question

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void clearPreview();

    QListWidget* recentList_;
    AppContext& context_;
    DriveComboBox* DriveComboBox1;
    QComboBox* FilterComboBox1;
    DirectoryListBox* DirectoryListBox1;
    FileListBox* FileListBox1;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    LinkedPickers pickers_{};
};

}  // namespace kvor::ui
