#include "ui/widgets/file_pickers.h"

#include "model/error.h"
#include "ui/message_service.h"

#include <QDir>
#include <QLineEdit>
#include <QFile>
#include <QStorageInfo>
#include <QStyle>

#include <filesystem>
#include <system_error>

namespace kvor::ui {

namespace {
constexpr int kPathRole = Qt::UserRole + 1;
}

void changeWorkingDirectory(const QString& path)
{
    std::error_code error;
    std::filesystem::current_path(std::filesystem::path(QFile::encodeName(path).toStdString()), error);
    if (error)
        throw Error::fromErrno(error.value());
}

QStringList fileSystemRoots()
{
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives())
        roots << QDir::toNativeSeparators(drive.absolutePath());
#else
    roots << QStringLiteral("/");
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Disks only: pseudo file systems (proc, sysfs, tmpfs, ...) have no device node.
        if (volume.isValid() && volume.isReady() && volume.device().startsWith("/dev/"))
            roots << volume.rootPath();
    }
    roots.removeDuplicates();
    roots.sort();
#endif
    return roots;
}

DriveComboBox::DriveComboBox(const QString& name, QWidget* parent) : QComboBox(parent)
{
    setObjectName(name);
    connect(this, &QComboBox::activated, this, [this](int index) { emit driveChosen(itemText(index)); });
    refresh();
}

void DriveComboBox::refresh()
{
    const QStringList roots = fileSystemRoots();
    const QString current = QDir::currentPath();
    // The root holding the working directory is the longest one that is a prefix of it.
    int holding = 0;
    for (int i = 0; i < roots.size(); ++i) {
        const QString& root = roots[i];
        const bool holds = current == root || current.startsWith(root.endsWith('/') ? root : root + '/');
        if (holds && root.size() >= roots[holding].size())
            holding = i;
    }
    const QSignalBlocker quiet(this);
    clear();
    addItems(roots);
    setCurrentIndex(holding);
}

DirectoryListBox::DirectoryListBox(const QString& name, QWidget* parent) : QListWidget(parent)
{
    setObjectName(name);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit directoryChosen(itemPath(item)); });
    refresh();
}

QString DirectoryListBox::itemPath(const QListWidgetItem* item)
{
    return item ? item->data(kPathRole).toString() : QString();
}

void DirectoryListBox::refresh()
{
    clear();
    const QDir current = QDir::current();
    QStringList chain;  // from the working directory up to the root
    QDir walk = current;
    do {
        chain.prepend(walk.absolutePath());
    } while (walk.cdUp());

    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    for (const QString& path : chain) {
        const QString name = depth == 0 ? QDir::toNativeSeparators(path) : QDir(path).dirName();
        auto* item = new QListWidgetItem(open, QString(depth * 2, ' ') + name, this);
        item->setData(kPathRole, path);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QStringList folders = current.entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                  QDir::Name | QDir::IgnoreCase);
    for (const QString& folder : folders) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, ' ') + folder, this);
        item->setData(kPathRole, current.absoluteFilePath(folder));
    }
}

FileListBox::FileListBox(const QString& name, const QString& mask, QWidget* parent)
    : QListWidget(parent), mask_(mask)
{
    setObjectName(name);
    connect(this, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!refreshing_ && item)
            emit fileChosen(item->text());
    });
    refresh();
}

void FileListBox::refresh()
{
    refreshing_ = true;
    clear();
    addItems(QDir::current().entryList({mask_}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    setCurrentRow(-1);
    refreshing_ = false;
}

void linkPickers(QObject* owner, MessageService& messages, const LinkedPickers& pickers)
{
    const auto enter = [&messages, pickers](const QString& path) { enterDirectory(messages, path, pickers); };
    QObject::connect(pickers.drives, &DriveComboBox::driveChosen, owner, enter);
    QObject::connect(pickers.directories, &DirectoryListBox::directoryChosen, owner, enter);
    if (pickers.files && pickers.nameField)
        QObject::connect(pickers.files, &FileListBox::fileChosen, owner,
                         [field = pickers.nameField](const QString& name) { field->setText(name); });
}

void refreshPickers(const LinkedPickers& pickers)
{
    pickers.drives->refresh();
    pickers.directories->refresh();
    if (pickers.files)
        pickers.files->refresh();
}

void enterDirectory(MessageService& messages, const QString& path, const LinkedPickers& pickers)
{
    messages.runCommand([&] {
        changeWorkingDirectory(path);
        pickers.directories->refresh();
        if (pickers.files)
            pickers.files->refresh();
        if (pickers.nameField)
            pickers.nameField->setText(pickers.mask);
    });
    pickers.drives->refresh();
}

}  // namespace kvor::ui
