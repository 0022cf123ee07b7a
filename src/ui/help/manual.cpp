#include "ui/help/manual.h"

#include "ui/help/help_window.h"
#include "ui/widgets/window_setup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>

#include <array>

namespace kvor::ui {

namespace {

struct WindowChapter {
    const char* window;   // objectName
    const char* chapter;  // page#anchor
};

// Every window of the program and its chapter.
constexpr std::array kWindowChapters = {
    WindowChapter{"Form1", "index.html"},
    WindowChapter{"Form2", "start.html"},
    WindowChapter{"Form3", "ukladani.html#konec"},
    WindowChapter{"Form4", "start.html#chybny-soubor"},
    WindowChapter{"Form6", "cary.html"},
    WindowChapter{"Form7", "cary.html#ulozene"},
    WindowChapter{"Form8", "kabely.html"},
    WindowChapter{"Form9", "kabely.html#ulozene"},
    WindowChapter{"Form10", "vysledky.html#pracovni-tabulky"},
    WindowChapter{"Form11", "vysledky.html"},
    WindowChapter{"Form12", "vysledky.html#pracovni-tabulky"},
    WindowChapter{"Form13", "vysledky.html#napeti-v-prurezu"},
    WindowChapter{"Form14", "kabely.html#napinani"},
    WindowChapter{"Form15", "zatizeni.html"},
    WindowChapter{"Form16", "zatizeni.html#ucinky"},
    WindowChapter{"Form17", "posouzeni.html"},
};

// The main window's four pages, in the order of their tabs.
constexpr std::array kPageChapters = {"zadani.html#projekt", "zadani.html#konstrukce", "zadani.html#cary",
                                      "zadani.html#kabely"};

bool holdsManual(const QString& folder)
{
    return !folder.isEmpty() && QFile::exists(folder + QStringLiteral("/index.html"));
}

}  // namespace

QString manualFolder()
{
    QStringList candidates{QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kvor/help"),
                           QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("kvor/help"),
                                                  QStandardPaths::LocateDirectory)};
#ifdef KVOR_MANUAL_BUILD_FOLDER
    candidates << QStringLiteral(KVOR_MANUAL_BUILD_FOLDER);
#endif
    for (const QString& folder : candidates)
        if (holdsManual(folder))
            return QDir(folder).canonicalPath();
    return {};
}

QString chapterOfWindow(const QWidget* window)
{
    if (!window)
        return QStringLiteral("index.html");
    const QString name = window->objectName();
    if (name == QLatin1String("Form5")) {
        const auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        const int page = pages ? pages->currentIndex() : 0;
        return QString::fromLatin1(kPageChapters[page >= 0 && page < int(kPageChapters.size()) ? page : 0]);
    }
    for (const WindowChapter& entry : kWindowChapters)
        if (name == QLatin1String(entry.window))
            return QString::fromLatin1(entry.chapter);
    return QStringLiteral("index.html");
}

QString missingTarget(const QString& folder, const QString& chapter)
{
    const qsizetype hash = chapter.indexOf(QLatin1Char('#'));
    const QString page = hash < 0 ? chapter : chapter.left(hash);
    const QString anchor = hash < 0 ? QString() : chapter.mid(hash + 1);
    QFile file(QDir(folder).filePath(page));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("chybí soubor ") + page;
    if (anchor.isEmpty())
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    const QRegularExpression named(QStringLiteral("\\b(id|name)=\"%1\"").arg(QRegularExpression::escape(anchor)));
    return text.contains(named) ? QString() : QStringLiteral("chybí kotva ") + chapter;
}

void showHelpFor(QWidget* window)
{
    if (HelpWindow* help = HelpWindow::current())
        help->showChapter(chapterOfWindow(window ? window->window() : nullptr));
}

QPushButton* makeHelpButton(QWidget* window, const QRect& geometry)
{
    QPushButton* button = makeButton(window, QStringLiteral("HelpButton"), QStringLiteral("Nápověda"), geometry,
                                     QStyle::SP_MessageBoxQuestion);
    button->setToolTip(QStringLiteral("Příručka programu u kapitoly tohoto okna (F1)"));
    QObject::connect(button, &QPushButton::clicked, window, [window] { showHelpFor(window); });
    return button;
}

void addHelpCorner(QTabWidget* pages)
{
    auto* corner = new QWidget(pages);
    auto* row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    QWidget* before = pages->cornerWidget(Qt::TopRightCorner);
    if (before)
        row->addWidget(before);
    QPushButton* help = makeHelpButton(pages->window(), {});
    help->setParent(corner);
    row->addWidget(help);
    pages->setCornerWidget(corner, Qt::TopRightCorner);
    // The tab widget hides the corner widget it replaces; here it stays, in the row.
    if (before)
        before->show();
}

}  // namespace kvor::ui
