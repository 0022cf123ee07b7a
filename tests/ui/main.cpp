// The UI tests need one QApplication for the whole run; listing the tests
// (as CTest does at build time) needs none, so it works without any display.

#include "ui/widgets/window_setup.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The offscreen platform tells of every window feature it lacks; that is noise here.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QStringLiteral("This plugin does not support")))
        return;
    qt_message_output(type, context, text);
}
}  // namespace

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreenNotes);
    QApplication application(argc, argv);
    QApplication::setFont(kvor::ui::windowFont());
    QApplication::setQuitOnLastWindowClosed(false);
    // Each test process keeps what the program remembers to itself, away from the user's settings.
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    return RUN_ALL_TESTS();
}
