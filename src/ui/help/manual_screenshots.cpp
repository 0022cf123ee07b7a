// The pictures of the manual: the program's real windows on the example
// project, drawn offscreen and saved as PNG. The build runs it whenever the
// windows change, so the manual shows them as they are.
//
//   kvor_manual_screenshots FOLDER EXAMPLE.txt
//
// Every picture the manual names is written; a window that does not come up
// ends the run with status 1 and names it.

#include "model/project.h"
#include "ui/app_context.h"
#include "ui/application_shell.h"
#include "ui/dialogs/influence_line_dialog.h"
#include "ui/dialogs/loads_window.h"
#include "ui/dialogs/stressing_window.h"
#include "ui/dialogs/tendon_dialog.h"
#include "ui/message_service.h"
#include "ui/project_session.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/window_setup.h"
#include "ui/windows/load_effects_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/section_stress_window.h"
#include "ui/windows/start_window.h"
#include "ui/windows/stress_check_window.h"
#include "ui/windows/tendon_tables_window.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace kvor::ui {
namespace {

// No box is shown: a message is written to standard error (the run goes on),
// every question is answered with its second button ("Zahodit", "Neukládat").
class QuietMessages final : public MessageService {
protected:
    void showMessage(const QString& text) override { note(text); }
    void showErrorBox(const QString& text) override { note(text); }
    void soundBeep() override {}
    int askQuestion(const QString&, const QStringList& buttons) override { return buttons.size() > 1 ? 1 : 0; }
    QString askSaveFile(const QString&, const QString&, const QString&) override { return {}; }

private:
    static void note(const QString& text)
    {
        std::fprintf(stderr, "kvor_manual_screenshots: %s\n", text.toLocal8Bit().constData());
    }
};

class Camera {
public:
    explicit Camera(QString folder) : folder_(std::move(folder)) {}

    // Lets the windows lay themselves out and paint.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    void take(QWidget& window, const char* name)
    {
        settle();
        if (!window.isVisible()) {
            std::fprintf(stderr, "kvor_manual_screenshots: okno pro %s není zobrazeno\n", name);
            failed_ = true;
        }
        const QString path = QDir(folder_).filePath(QString::fromLatin1(name));
        if (!window.grab().save(path, "PNG")) {
            std::fprintf(stderr, "kvor_manual_screenshots: %s nelze zapsat\n", path.toLocal8Bit().constData());
            failed_ = true;
        }
    }
    bool failed() const { return failed_; }

private:
    QString folder_;
    bool failed_ = false;
};

template <class Control = QWidget>
Control* find(QWidget& window, const char* name)
{
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control) {
        std::fprintf(stderr, "kvor_manual_screenshots: %s nemá %s\n", window.objectName().toLatin1().constData(), name);
        std::exit(1);
    }
    return control;
}

void click(QWidget& window, const char* button)
{
    find<QPushButton>(window, button)->click();
    Camera::settle();
}

void type(QWidget& window, const char* edit, const QString& text)
{
    find<QLineEdit>(window, edit)->setText(text);
}

void setCells(QWidget& window, const char* grid, const std::vector<std::vector<const char*>>& rows)
{
    QAbstractItemModel* cells = find<QTableView>(window, grid)->model();
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            cells->setData(cells->index(static_cast<int>(r), static_cast<int>(c)), QString::fromUtf8(rows[r][c]));
}

bool waitFor(const QWidget& window)
{
    QElapsedTimer clock;
    clock.start();
    while (!window.isVisible() && clock.elapsed() < 20000) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return window.isVisible();
}

int takePictures(const QString& folder, const QString& example)
{
    ProjectSession session;
    QuietMessages messages;
    AppContext context{session.project(), messages, ',', session};
    ApplicationShell shell(context);
    Camera camera(folder);

    StartWindow& start = shell.startWindow();
    showInFront(&start);
    camera.take(start, "start.png");

    start.openNamedFile(example);
    MainWindow& main = shell.mainWindow();
    waitFor(main);
    auto* pages = find<QTabWidget>(main, "PageControl1");
    const char* pageNames[] = {"zadani-projekt.png", "zadani-konstrukce.png", "zadani-cary.png", "zadani-kabely.png"};
    for (int page = 0; page < 4; ++page) {
        pages->setCurrentIndex(page);
        camera.take(main, pageNames[page]);
    }

    // The influence-line dialog: a line loaded from a file, then a line generated from the beam.
    pages->setCurrentIndex(2);
    InfluenceLineDialog& influence = shell.influenceLineDialog();
    click(main, "BitBtn4");
    camera.take(influence, "cara.png");
    influence.close();
    find<QComboBox>(main, "ComboBox5")->setCurrentText(QStringLiteral("Ohybový moment"));
    click(main, "BitBtn8");
    find<RadioGroup>(influence, "RadioGroup1")->item(2)->click();
    Camera::settle();
    type(influence, "Edit3", QStringLiteral("5"));
    click(influence, "BitBtn4");
    camera.take(influence, "cara-z-konstrukce.png");
    influence.close();

    // The loads, stored for the results.
    LoadsWindow& loads = shell.loadsWindow();
    click(main, "BitBtn28");
    click(loads, "BitBtn1");
    type(loads, "Edit3", QStringLiteral("4"));
    type(loads, "Edit4", QStringLiteral("2"));
    loads.axleCountExit();
    setCells(loads, "StringGrid1", {{"300", "0"}, {"300", "1,2"}});
    camera.take(loads, "zatizeni.png");
    click(loads, "BitBtn2");

    // The tendon dialog: the broken tendon with its stressing, then a composite parabola.
    pages->setCurrentIndex(3);
    TendonDialog& tendon = shell.tendonDialog();
    click(main, "BitBtn23");
    camera.take(tendon, "kabel-lomeny.png");
    click(tendon, "BitBtn2");  // "Opravit"
    click(tendon, "BitBtn3");  // "Síly z napínání"
    StressingWindow& stressing = *tendon.stressingWindow();
    type(stressing, "Edit15", QStringLiteral("3000"));
    type(stressing, "Edit20", QStringLiteral("2100"));
    click(stressing, "BitBtn6");
    camera.take(stressing, "napinani.png");
    click(stressing, "BitBtn8");
    tendon.close();

    find<QComboBox>(main, "ComboBox8")->setCurrentText(QStringLiteral("složený parabolický"));
    click(main, "BitBtn24");
    // Over the inner supports high, in the spans low.
    find<QSpinBox>(tendon, "Edit13")->setValue(4);
    setCells(tendon, "StringGrid3", {{"0", "0"}, {"10", "-0,35"}, {"24", "-0,35"}, {"34", "0"}});
    setCells(tendon, "StringGrid4", {{"-2500", "0,3"}, {"-2500", "0,35"}, {"-2500", "0,3"}});
    camera.take(tendon, "kabel-parabolicky.png");
    tendon.close();

    // The results and the windows they lead to.
    CheckInput check;
    check.strength = "30";
    check.tensileStrength = "2,9";
    session.setCheckInput(check);
    ResultWindow& results = shell.resultWindow();
    click(main, "BitBtn21");
    if (!waitFor(results)) {
        std::fprintf(stderr, "kvor_manual_screenshots: Výpočet neskončil oknem výsledků\n");
        return 1;
    }
    camera.take(results, "vysledky.png");
    // The windows the result window opens, each shot and closed again.
    const struct {
        const char* button;
        QWidget& window;
        const char* file;
    } opened[] = {
        {"BitBtn14", shell.loadEffectsWindow(), "ucinky-zatizeni.png"},
        {"BitBtn15", shell.stressCheck(), "posouzeni.png"},
        {"BitBtn13", shell.sectionStress(), "napeti-v-prurezu.png"},
        {"BitBtn11", shell.tendonTablesWindow(), "tabulka-kabelu.png"},
    };
    for (const auto& o : opened) {
        click(results, o.button);
        camera.take(o.window, o.file);
        o.window.hide();
    }
    return camera.failed() ? 1 : 0;
}

}  // namespace
}  // namespace kvor::ui

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kvor_manual_screenshots FOLDER EXAMPLE.txt\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setFont(kvor::ui::windowFont());
    // The run remembers nothing in the user's settings.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    // The start window's pickers show the example's folder.
    const QFileInfo example(QString::fromLocal8Bit(argv[2]));
    QDir::setCurrent(example.absolutePath());
    return kvor::ui::takePictures(folder, example.absoluteFilePath());
}
