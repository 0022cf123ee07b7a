// The manual inside the program: F1 opens the chapter of the window it was
// pressed in, and every link, anchor and picture of the shipped pages leads
// somewhere.

#include "support/ui_test_support.h"

#include "ui/application_shell.h"
#include "ui/dialogs/loads_window.h"
#include "ui/help/help_window.h"
#include "ui/help/manual.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/start_window.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <functional>

namespace kvor::ui {
namespace {

TEST(Manual, F1InAWindowOpensTheManualAtThatWindowsChapter)
{
    testing::UiContext ui;
    ApplicationShell shell{ui.context};
    const QString folder = manualFolder();
    ASSERT_FALSE(folder.isEmpty());
    struct Case {
        std::function<QWidget&()> window;
        QString chapter;
    };
    const Case cases[] = {
        {[&]() -> QWidget& { return shell.startWindow(); }, "start.html"},
        {[&]() -> QWidget& {
             shell.mainWindow().findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
             return shell.mainWindow();
         },
         "zadani.html#konstrukce"},
        {[&]() -> QWidget& { return shell.loadsWindow(); }, "zatizeni.html"},
        {[&]() -> QWidget& { return shell.resultWindow(); }, "vysledky.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chapter.toStdString());
        QWidget& window = c.window();
        ASSERT_TRUE(testing::bringUp(window));
        QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_F1);
        HelpWindow& help = shell.helpWindow();
        EXPECT_TRUE(help.isVisible());
        const QUrl shown = help.browser()->source();
        EXPECT_EQ(shown.fileName() + (shown.hasFragment() ? "#" + shown.fragment() : QString()), c.chapter);
        EXPECT_EQ(QDir(QFileInfo(shown.toLocalFile()).path()).canonicalPath(), folder);
        EXPECT_FALSE(help.browser()->toPlainText().isEmpty());
        help.hide();
        window.hide();
    }
    // "Nápověda" of the start window does what F1 does there.
    testing::click(shell.startWindow(), "HelpButton");
    EXPECT_EQ(shell.helpWindow().browser()->source().fileName(), "start.html");
}

TEST(Manual, EveryChapterLinkAndPictureResolves)
{
    const QString folder = manualFolder();
    ASSERT_FALSE(folder.isEmpty());
    // The chapter of every window, and of each page of the main window.
    QWidget window;
    auto* pages = new QTabWidget(&window);
    pages->setObjectName(QStringLiteral("PageControl1"));
    for (int page = 0; page < 4; ++page)
        pages->addTab(new QWidget, QString::number(page));
    QStringList chapters;
    for (int form = 1; form <= 17; ++form) {
        window.setObjectName(QStringLiteral("Form%1").arg(form));
        for (int page = 0; page < (form == 5 ? 4 : 1); ++page) {
            pages->setCurrentIndex(page);
            chapters << chapterOfWindow(&window);
        }
    }
    for (const QString& chapter : chapters)
        EXPECT_EQ(missingTarget(folder, chapter), "") << chapter.toStdString();

    // Every link and picture of every page.
    const QRegularExpression reference(QStringLiteral("\\b(href|src)=\"([^\"]+)\""));
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.html")});
    EXPECT_GE(files.size(), 10);
    for (const QString& page : files) {
        QFile file(QDir(folder).filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& m : reference.globalMatch(text)) {
            const QString target = m.captured(2);
            SCOPED_TRACE((page + " → " + target).toStdString());
            if (target.startsWith(QLatin1String("http")) || target.startsWith(QLatin1String("mailto:")))
                continue;
            const QString resolved = target.startsWith('#') ? page + target : target;
            EXPECT_EQ(missingTarget(folder, resolved), "");
            if (m.captured(1) == QLatin1String("src")) {
                EXPECT_FALSE(QImage(QDir(folder).filePath(target)).isNull());
            }
        }
    }
}

}  // namespace
}  // namespace kvor::ui
