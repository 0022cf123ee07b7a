#include "ui/windows/start_window.h"

#include "results/project_file.h"
#include "ui/help/manual.h"
#include "ui/message_service.h"
#include "ui/project_session.h"
#include "ui/remembered.h"
#include "ui/widgets/file_pickers.h"
#include "ui/widgets/window_setup.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QShowEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <string>
#include <utility>

namespace kvor::ui {

namespace {
constexpr const char* kInformationOnly =
    "Ze souboru se otevřou jen informace o projektu (jméno, popis, autor a datum vytvoření).";
const QString kMask = QString::fromUtf8(kNoFileChosen.data(), static_cast<qsizetype>(kNoFileChosen.size()));

// The chosen name as the file system spells it.
std::string fileNameBytes(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

constexpr int kRecentListHeight = 118;

// A preview field shows the beginning of its text, however long it is.
void showPreview(QLineEdit* field, const std::string& text)
{
    field->setText(fromUtf8(text));
    field->setCursorPosition(0);
}
}  // namespace

QString droppedProjectFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    const QString path = data->urls().front().toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}

void acceptProjectFileDrag(QDropEvent* event)
{
    if (!droppedProjectFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

QString takeDroppedProjectFile(QDropEvent* event)
{
    const QString path = droppedProjectFile(event->mimeData());
    if (!path.isEmpty())
        event->acceptProposedAction();
    return path;
}

StartWindow::StartWindow(AppContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    setObjectName(QStringLiteral("Form2"));
    // The pickers and fields above, the recent projects below them.
    setupFixedWindow(this, {492, 323 + kRecentListHeight}, TitleBar::NoButtons);
    setAcceptDrops(true);

    makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Kde hledat"), {8, 6});
    DriveComboBox1 = new DriveComboBox(QStringLiteral("DriveComboBox1"), this);
    DriveComboBox1->setGeometry(8, 22, 230, 24);
    makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Typ souboru"), {252, 6});
    FilterComboBox1 = new QComboBox(this);
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    FilterComboBox1->addItem(QStringLiteral("Text files(t*.txt)"));
    FilterComboBox1->setGeometry(252, 22, 232, 24);
    FilterComboBox1->setEnabled(false);

    DirectoryListBox1 = new DirectoryListBox(QStringLiteral("DirectoryListBox1"), this);
    DirectoryListBox1->setGeometry(8, 52, 230, 150);
    FileListBox1 = new FileListBox(QStringLiteral("FileListBox1"), kMask, this);
    FileListBox1->setGeometry(252, 52, 232, 150);

    const int labelX = 8, editX = 112, editWidth = 250, rowHeight = 26, firstRow = 212;
    const QStringList captions = {QStringLiteral("Název souboru"), QStringLiteral("Jméno projektu"),
                                  QStringLiteral("Popis projektu"), QStringLiteral("Autor projektu")};
    QLineEdit* edits[4];
    for (int i = 0; i < 4; ++i) {
        const int y = firstRow + i * rowHeight;
        makeLabel(this, QStringLiteral("Label%1").arg(i + 3), captions[i], {labelX, y + 4});
        edits[i] = makeEdit(this, QStringLiteral("Edit%1").arg(i + 1), {editX, y, editWidth, 22});
        edits[i]->setReadOnly(true);
    }
    Edit1 = edits[0];
    Edit2 = edits[1];
    Edit3 = edits[2];
    Edit4 = edits[3];
    for (QLineEdit* preview : {Edit2, Edit3, Edit4})
        preview->setEnabled(false);  // greyed: the preview is only to be read
    Edit1->setText(kMask);

    auto* open = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Otevřít"), {376, 212, 108, 28},
                            QStyle::SP_DialogOpenButton);
    auto* newProject = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Nový"), {376, 248, 108, 28},
                                  QStyle::SP_FileIcon);
    auto* exit = makeButton(this, QStringLiteral("BitBtn3"), QStringLiteral("Konec"), {376, 284, 108, 28},
                            QStyle::SP_DialogNoButton);

    pickers_ = {DriveComboBox1, DirectoryListBox1, FileListBox1, Edit1, kMask};
    linkPickers(this, context_.messages, pickers_);
    connect(Edit1, &QLineEdit::textChanged, this, &StartWindow::previewChosenFile);
    connect(open, &QPushButton::clicked, this, &StartWindow::openChosenFile);
    connect(newProject, &QPushButton::clicked, this, &StartWindow::startNewProject);
    connect(exit, &QPushButton::clicked, this, &StartWindow::exitProgram);

    makeLabel(this, QStringLiteral("RecentLabel"), QStringLiteral("Nedávné projekty"), {8, 322});
    makeHelpButton(this, {384, 314, 100, 24});
    recentList_ = new QListWidget(this);
    recentList_->setObjectName(QStringLiteral("RecentList"));
    recentList_->setGeometry(8, 340, 476, kRecentListHeight - 24);
    recentList_->setToolTip(QStringLiteral("Dvojklik nebo Enter otevře projekt"));
    const auto openRecent = [this](QListWidgetItem* item) {
        if (item)
            openNamedFile(item->data(Qt::UserRole).toString());
    };
    connect(recentList_, &QListWidget::itemActivated, this, openRecent);
    showRecentProjects();
}

void StartWindow::showRecentProjects()
{
    recentList_->clear();
    for (const QString& path : recentProjects()) {
        auto* item = new QListWidgetItem(QFileInfo(path).fileName() + QStringLiteral("  —  ") +
                                             QDir::toNativeSeparators(QFileInfo(path).absolutePath()),
                                         recentList_);
        item->setData(Qt::UserRole, path);
        item->setToolTip(QDir::toNativeSeparators(path));
    }
}

void StartWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showRecentProjects();
}

// A project file dropped on the window opens as one picked and opened.
void StartWindow::dragEnterEvent(QDragEnterEvent* event)
{
    acceptProjectFileDrag(event);
}

void StartWindow::dropEvent(QDropEvent* event)
{
    if (const QString path = takeDroppedProjectFile(event); !path.isEmpty())
        openNamedFile(path);
}

void StartWindow::enterFolder(const QString& path)
{
    enterDirectory(context_.messages, path, pickers_);
}

void StartWindow::chooseFile(const QString& name)
{
    Edit1->setText(name);
}

void StartWindow::previewChosenFile()
{
    clearPreview();
    context_.messages.runCommand([this] {
        const auto preview = previewProjectFile(".", fileNameBytes(Edit1->text()));
        if (!preview)
            return;
        showPreview(Edit2, preview->name);
        showPreview(Edit3, preview->description);
        showPreview(Edit4, preview->author);
    });
}

void StartWindow::openChosenFile()
{
    const bool done = context_.messages.runCommand([this] {
        const std::string chosen = fileNameBytes(Edit1->text());
        // The whole file is read once and its data section checked before
        // anything changes: a file that cannot be read throws here and the
        // project stays as it was.
        ProjectFileToOpen file = readProjectFileToOpen(".", chosen, context_.decimalSeparator);
        switch (file.outcome) {
        case OpenOutcome::NoFileChosen:
            emit wrongFileChosen();
            break;
        case OpenOutcome::NotAProjectFile:
            emit wrongFileChosen();
            context_.messages.beep();
            break;
        case OpenOutcome::Opened:
            // A damaged section is told, and the file opens as one without it.
            if (!file.file.sectionDamage.empty())
                context_.messages.message(file.file.sectionDamage + "\n\n" + kInformationOnly);
            context_.session.openProject(std::move(file.file), chosen, context_.decimalSeparator);
            hide();
            emit mainWindowRequested();
            break;
        }
    });
    // A file that could not be read previews nothing: it may be gone.
    if (!done)
        clearPreview();
}

void StartWindow::clearPreview()
{
    Edit2->clear();
    Edit3->clear();
    Edit4->clear();
}

void StartWindow::openNamedFile(const QString& path)
{
    const QFileInfo file(path);
    enterDirectory(context_.messages, file.absolutePath(), pickers_);
    if (QDir::current() != file.absoluteDir())
        return;  // the folder could not be entered: its error box was shown
    Edit1->setText(file.fileName());
    openChosenFile();
}

void StartWindow::startNewProject()
{
    hide();
    emit mainWindowRequested();
}

void StartWindow::exitProgram()
{
    context_.messages.beep();
    emit exitRequested();
}

void StartWindow::closeEvent(QCloseEvent* event)
{
    // The window has no close button; a close from the window system asks as "Konec" does.
    event->ignore();
    if (isEnabled())
        exitProgram();
}

}  // namespace kvor::ui
