#include "ui/help/help_window.h"

#include "ui/help/manual.h"
#include "ui/remembered.h"
#include "ui/widgets/window_setup.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace kvor::ui {

namespace {

HelpWindow* currentHelp = nullptr;

// The pages' look, for a page that does not bring its own.
const QString kPageStyle = QStringLiteral(
    "body { font-size: 10pt; } h1 { font-size: 16pt; } h2 { font-size: 13pt; margin-top: 14px; } "
    "code, pre { font-family: monospace; } table { border-collapse: collapse; }");

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), folder_(manualFolder())
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Kvor1.1 – nápověda"));
    setFont(windowFont());
    resize(860, 680);

    auto* contents = makeButton(this, QStringLiteral("ContentsButton"), QStringLiteral("Obsah"), {},
                                QStyle::SP_DirHomeIcon);
    back_ = makeButton(this, QStringLiteral("BackButton"), QStringLiteral("Zpět"), {}, QStyle::SP_ArrowBack);
    back_->setToolTip(QStringLiteral("Předchozí stránka (Alt+←)"));
    forward_ = makeButton(this, QStringLiteral("ForwardButton"), QStringLiteral("Vpřed"), {}, QStyle::SP_ArrowForward);
    forward_->setToolTip(QStringLiteral("Následující stránka (Alt+→)"));
    auto* close = makeButton(this, QStringLiteral("CloseButton"), QStringLiteral("Zavřít"), {},
                             QStyle::SP_DialogCloseButton);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDefaultStyleSheet(kPageStyle);
    if (!folder_.isEmpty())
        browser_->setSearchPaths({folder_});

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {contents, back_, forward_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showChapter(QStringLiteral("index.html")); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    rememberWindowPosition(this);
    currentHelp = this;
    qApp->installEventFilter(this);
}

HelpWindow::~HelpWindow()
{
    if (currentHelp == this)
        currentHelp = nullptr;
}

HelpWindow* HelpWindow::current()
{
    return currentHelp;
}

void HelpWindow::showChapter(const QString& chapter)
{
    if (folder_.isEmpty()) {
        browser_->setHtml(QStringLiteral("<h1>Nápověda</h1><p>Příručka programu nebyla nalezena. Program ji hledá "
                                         "ve složce <code>share/kvor/help</code> vedle složky programu.</p>"));
    } else {
        const qsizetype hash = chapter.indexOf(QLatin1Char('#'));
        QUrl url = QUrl::fromLocalFile(QDir(folder_).filePath(hash < 0 ? chapter : chapter.left(hash)));
        if (hash >= 0)
            url.setFragment(chapter.mid(hash + 1));
        browser_->setSource(url);
    }
    showInFront(this);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    // F1 anywhere: the chapter of the window it was pressed in. A key event
    // passes the filter once for every widget it is offered to, so the first
    // one takes it.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            QWidget* window = static_cast<QWidget*>(watched)->window();
            showChapter(chapterOfWindow(window == this ? nullptr : window));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kvor::ui
