#pragma once
// The file pickers: a drive box, a directory list and a file list with a mask.
// They show the process's working directory, which is the one place of the
// program's files; the window that holds them links them: picking a drive or
// a folder makes it the working directory and refreshes the lists.

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

class QLineEdit;

namespace kvor::ui {

class MessageService;
class DriveComboBox;
class DirectoryListBox;
class FileListBox;

// Makes `path` the process's working directory; a failure throws the I/O
// error of the general error report ("File not found", "File access denied", ...).
void changeWorkingDirectory(const QString& path);

// The roots the drive box offers: the mounted file systems of disks and the
// root "/" (drive letters on Windows), sorted.
QStringList fileSystemRoots();

class DriveComboBox : public QComboBox {
    Q_OBJECT
public:
    DriveComboBox(const QString& name, QWidget* parent);
    // Lists the roots anew and shows the one that holds the working directory.
    void refresh();

signals:
    void driveChosen(const QString& root);
};

class DirectoryListBox : public QListWidget {
    Q_OBJECT
public:
    DirectoryListBox(const QString& name, QWidget* parent);
    // Shows the working directory: its ancestors from the root down to it,
    // then its sub-folders, indented like a tree.
    void refresh();
    // The folder an item stands for.
    static QString itemPath(const QListWidgetItem* item);

signals:
    // A folder was opened (double click or Enter).
    void directoryChosen(const QString& path);
};

class FileListBox : public QListWidget {
    Q_OBJECT
public:
    FileListBox(const QString& name, const QString& mask, QWidget* parent);
    // Lists the files of the working directory that match the mask; no file is chosen.
    void refresh();

signals:
    // The user picked a file: its bare name.
    void fileChosen(const QString& name);

private:
    QString mask_;
    bool refreshing_ = false;
};

// The pickers of one window, linked: a drive box and a directory list, and where
// the window has them a file list and the field that shows the picked name.
struct LinkedPickers {
    DriveComboBox* drives;
    DirectoryListBox* directories;
    FileListBox* files = nullptr;
    QLineEdit* nameField = nullptr;
    QString mask;  // what the name field shows while no file is picked
};

// Links the pickers of one window for as long as `owner` lives: a drive or a
// folder picked is entered (enterDirectory), a file picked shows its bare name
// in the name field.
void linkPickers(QObject* owner, MessageService& messages, const LinkedPickers& pickers);
// The lists show the working directory anew (another window may have moved it).
void refreshPickers(const LinkedPickers& pickers);

// A drive or folder picked: it becomes the working directory, the lists show it
// and no file is picked any more. A folder that cannot be entered shows the I/O
// error box and the lists stay; the drive box always shows where the working
// directory is.
void enterDirectory(MessageService& messages, const QString& path, const LinkedPickers& pickers);

}  // namespace kvor::ui
