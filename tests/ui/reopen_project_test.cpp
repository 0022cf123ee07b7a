// "Otevřít" of a whole project: a project entered through the windows,
// evaluated and saved with its results, comes back in a fresh run with every
// field, every row and the results as they were; kvor-calc computes the same
// effects from that file. Files without a data section still open with their
// information only, and a file with a damaged data section opens as one
// without it, after a message that names the damaged line.

#include "support/program_run.h"
#include "support/project_builders.h"
#include "support/result_test_support.h"
#include "support/shell_test_support.h"
#include "support/ui_test_support.h"

#include "model/slots.h"
#include "results/project_file.h"
#include "structure/beam.h"
#include "structure/section.h"
#include "ui/application_shell.h"
#include "ui/windows/result_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/influence_store_window.h"
#include "ui/windows/tendon_store_window.h"
#include "ui/pages/navigation.h"
#include "ui/pages/quantity_page.h"
#include "ui/pages/slot_rows.h"
#include "ui/pages/tendon_page.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QComboBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace kvor::ui {
namespace {

using testing::click;
using testing::control;
using testing::fieldText;
using testing::typeInto;

QString resultField(QWidget& results, int q, int t)
{
    return fieldText(results, QStringLiteral("Edit%1").arg(5 * q + t + 1).toLatin1());
}

// A fresh run up to the start window, with the chosen file in "Název souboru".
void startAndChoose(ApplicationShell& shell, const QString& fileName)
{
    shell.start();
    testing::passSplash(shell);
    control<QLineEdit>(shell.startWindow(), "Edit1")->setText(fileName);
}

void writeFile(const QString& path, std::string_view bytes)
{
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class ReopenProjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    }
    QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

    testing::WorkingDirectoryGuard guard_;
    QTemporaryDir folder_;
};

TEST_F(ReopenProjectTest, SavedWithResultsComesBackWholeInAFreshRun)
{
    QString shownResults[2][kSlotCount];
    {
        testing::UiContext ui;
        ApplicationShell shell(ui.context);
        ASSERT_TRUE(testing::startNewProject(shell));
        MainWindow& main = shell.mainWindow();

        typeInto(control<QLineEdit>(main, "Edit1"), "Most přes Dyji");
        typeInto(control<QLineEdit>(main, "Edit3"), "Ing. Čestmír Řehoř");
        click(main, "BitBtn13");
        typeInto(control<QLineEdit>(main, "Edit6"), "20");
        typeInto(control<QLineEdit>(main, "Edit11"), "0,4");
        typeInto(control<QLineEdit>(main, "Edit12"), "1");
        click(main, "BitBtn1");  // "Spočti"
        click(main, "BitBtn14");
        ASSERT_EQ(main.pageControl()->currentIndex(), kQuantityPage);

        // The dialogs store through the core, as their "Zpět" does; the rows then show it.
        click(main, "BitBtn2");  // "Další"
        testing::enterQuantity(ui.project, 0, "Ohybový moment", "moment uprostřed",
                               {{"0", "0"}, {"10", "5"}, {"20", "0"}});
        testing::enterQuantity(ui.project, 1, "Posouvající síla", "u podpory", {{"0", "1"}, {"20", "0"}});
        main.quantityPage()->rows()->loadFromModel();
        click(main, "CheckBox2");
        click(main, "BitBtn17");

        click(main, "BitBtn19");  // "Další"
        click(main, "BitBtn19");
        testing::enterStraightTendon(ui.project, 0, {"0", "20", "0,35", "-1200"});
        testing::enterBrokenTendon(ui.project, 1, {{"0", "0"}, {"6", "0,4"}, {"14", "0,4"}, {"20", "0"}},
                                   {"-900", "-880", "-860"});
        main.tendonPage()->rows()->loadFromModel();
        click(main, "CheckBox6");
        typeInto(control<QLineEdit>(main, "Edit22"), "kabel nezadaný");

        click(main, "BitBtn21");  // "Výpočet"
        ResultWindow& results = shell.resultWindow();
        ASSERT_TRUE(results.isVisible());
        for (int q = 0; q < 2; ++q)
            for (int t = 0; t < kSlotCount; ++t)
                shownResults[q][t] = resultField(results, q, t);
        EXPECT_EQ(shownResults[0][2], "###");

        click(results, "BitBtn2");          // "Uložit"
        click(results, "RadioGroup1Item1");  // "uložit včetně výsledků"
        click(results, "BitBtn7");
        ASSERT_TRUE(QFile::exists(path("Kvorprj.txt")));
        EXPECT_EQ(ui.messages.events, (QStringList{"beep", "beep"}));
    }
    const QByteArray saved = testing::fileBytes(path("Kvorprj.txt"));

    testing::UiContext ui;
    ApplicationShell shell(ui.context);
    startAndChoose(shell, "Kvorprj.txt");
    click(shell.startWindow(), "BitBtn1");  // "Otevřít"
    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join('\n').toStdString();
    EXPECT_FALSE(shell.startWindow().isVisible());
    MainWindow& main = shell.mainWindow();
    ASSERT_TRUE(main.isVisible());
    EXPECT_EQ(main.pageControl()->currentIndex(), kInfoPage);

    // Every field of the model: written again, the opened project is the saved file.
    EXPECT_EQ(encodeProjectFile(ui.project, SaveVariant::WithResults, ','), saved.toStdString());
    EXPECT_TRUE(ui.project.info.readOnly);

    EXPECT_EQ(fieldText(main, "Edit1"), "Most přes Dyji");
    EXPECT_FALSE(control<QLineEdit>(main, "Edit1")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>(main, "Edit4")->isEnabled());
    EXPECT_EQ(fieldText(main, "Edit6"), "20");
    EXPECT_EQ(fieldText(main, "Edit11"), "0,4");
    EXPECT_EQ(fieldText(main, "Edit7"), "0,4");
    EXPECT_EQ(fieldText(main, "Edit9"), "0,5");
    EXPECT_FALSE(control<QLineEdit>(main, "Edit7")->isHidden());
    EXPECT_TRUE(control<QLineEdit>(main, "Edit7")->isReadOnly());

    // Quantity rows: two shown, statuses, draw boxes.
    EXPECT_EQ(fieldText(main, "Edit16"), "u podpory");
    EXPECT_EQ(control<QComboBox>(main, "ComboBox1")->currentText(), "Ohybový moment");
    EXPECT_FALSE(control<QLineEdit>(main, "Edit16")->isHidden());
    EXPECT_TRUE(control<QLineEdit>(main, "Edit17")->isHidden());
    EXPECT_FALSE(control<QLabel>(main, "Label39")->isHidden());  // "zadáno" of slot 2
    EXPECT_TRUE(control<QLabel>(main, "Label38")->isHidden());
    EXPECT_TRUE(control<QCheckBox>(main, "CheckBox2")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(main, "CheckBox2")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>(main, "CheckBox1")->isChecked());
    EXPECT_FALSE(control<QPushButton>(main, "BitBtn2")->isHidden());
    EXPECT_FALSE(control<QPushButton>(main, "BitBtn3")->isHidden());

    // Tendon rows: three shown, the third not entered, stored types locked.
    EXPECT_FALSE(control<QComboBox>(main, "ComboBox6")->isEnabled());
    EXPECT_FALSE(control<QComboBox>(main, "ComboBox7")->isEnabled());
    EXPECT_TRUE(control<QComboBox>(main, "ComboBox8")->isEnabled());
    EXPECT_EQ(fieldText(main, "Edit22"), "kabel nezadaný");
    EXPECT_FALSE(control<QLabel>(main, "Label69")->isHidden());  // "nezadáno" of slot 3
    EXPECT_FALSE(control<QCheckBox>(main, "CheckBox8")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>(main, "CheckBox6")->isChecked());
    EXPECT_TRUE(control<QLineEdit>(main, "Edit23")->isHidden());

    // The store windows.
    EXPECT_TRUE(control<QCheckBox>(shell.influenceStoreWindow(), "CheckBox2")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(shell.influenceStoreWindow(), "CheckBox3")->isChecked());
    EXPECT_EQ(control<QTableView>(shell.influenceStoreWindow(), "StringGrid1")->model()->index(1, 1).data().toString(), "5");
    EXPECT_TRUE(control<QCheckBox>(shell.tendonStoreWindow(), "CheckBox2")->isChecked());

    // "Pomoc" leads to the results of the saved run.
    click(main, "Button3");
    ResultWindow& results = shell.resultWindow();
    ASSERT_TRUE(results.isVisible());
    for (int q = 0; q < 2; ++q)
        for (int t = 0; t < kSlotCount; ++t)
            EXPECT_EQ(resultField(results, q, t), shownResults[q][t]) << q << ' ' << t;
    EXPECT_EQ(control<QLabel>(results, "Label21")->text(), "u podpory");

    // The program without windows computes the same effects from the file.
    const kvor::testing::CalcRun run = kvor::testing::runCalc({path("Kvorprj.txt").toStdString()});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.outLines();
    ASSERT_EQ(lines.size(), 5u);
    for (int q = 0; q < 2; ++q) {
        const QStringList fields = QString::fromStdString(lines[static_cast<size_t>(q)]).split('\t');
        ASSERT_EQ(fields.size(), 9) << lines[static_cast<size_t>(q)];
        for (int t = 0; t < kSlotCount; ++t)
            EXPECT_EQ(fields[4 + t], shownResults[q][t]) << q << ' ' << t;
    }
    EXPECT_EQ(testing::fileBytes(path("Kvorprj.txt")), saved);
}

// A continuous beam with a general section, saved on a system with the
// decimal comma, opened where the separator is a point.
TEST_F(ReopenProjectTest, ContinuousBeamAndGeneralSectionComeBackWithThePointSeparator)
{
    Project written;
    kvor::testing::setContinuousBeam(written.beam, {"12,5", "15", "12,5"});
    selectSectionType(written.section, SectionType::General);
    kvor::testing::setSectionValues(written.section, {"0,35", "0,042", "0,6", "-0,4"});
    addSlotRow(written.quantities);
    written.quantities[1].description = "jen text, 1,5 m";
    saveProject(written, SaveVariant::InputOnly, folder_.path().toStdString(), ',');

    ProjectSession session;
    testing::RecordingMessageService messages;
    AppContext context{session.project(), messages, '.', session};
    ApplicationShell shell(context);
    startAndChoose(shell, "Kvordat.txt");
    click(shell.startWindow(), "BitBtn1");
    EXPECT_TRUE(messages.events.isEmpty()) << messages.events.join('\n').toStdString();

    MainWindow& main = shell.mainWindow();
    EXPECT_EQ(control<QSpinBox>(main, "Edit5")->value(), 3);
    EXPECT_FALSE(control<QSpinBox>(main, "Edit5")->isHidden());
    EXPECT_TRUE(control<QLineEdit>(main, "Edit6")->isHidden());
    auto* members = control<QTableView>(main, "StringGrid1");
    EXPECT_FALSE(members->isHidden());
    ASSERT_EQ(members->model()->rowCount(), 4);
    EXPECT_EQ(members->model()->index(1, 1).data().toString(), "12.5");
    EXPECT_EQ(members->model()->index(3, 1).data().toString(), "12.5");

    EXPECT_EQ(fieldText(main, "Edit7"), "0.35");
    EXPECT_EQ(fieldText(main, "Edit10"), "-0.4");
    EXPECT_FALSE(control<QLineEdit>(main, "Edit7")->isHidden());
    EXPECT_FALSE(control<QLineEdit>(main, "Edit7")->isReadOnly());  // "obecný" keeps them editable
    EXPECT_TRUE(control<QLineEdit>(main, "Edit11")->isHidden());
    EXPECT_TRUE(control<QPushButton>(main, "BitBtn1")->isHidden());

    // A text that is no number stays as it was typed.
    EXPECT_EQ(fieldText(main, "Edit16"), "jen text, 1,5 m");
    EXPECT_FALSE(control<QLineEdit>(main, "Edit16")->isHidden());
    EXPECT_TRUE(control<QLineEdit>(main, "Edit17")->isHidden());
}

TEST_F(ReopenProjectTest, FileWithoutDataSectionOpensItsInformationOnly)
{
    writeFile(path("Kvorinfo.txt"),
              "Vstupn\xED soubor programu Kvor1.1\r\nL\xE1vka\r\npopis\r\nautor\r\n1.2.2003\r\n");

    testing::UiContext ui;
    ApplicationShell shell(ui.context);
    startAndChoose(shell, "Kvorinfo.txt");
    const Project before = ui.project;
    click(shell.startWindow(), "BitBtn1");
    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join('\n').toStdString();

    Project expected = before;
    setInfoFromFile(expected.info, "Lávka", "popis", "autor", "1.2.2003");
    EXPECT_EQ(encodeProjectFile(ui.project, SaveVariant::InputOnly, ','),
              encodeProjectFile(expected, SaveVariant::InputOnly, ','));
    MainWindow& main = shell.mainWindow();
    ASSERT_TRUE(main.isVisible());
    EXPECT_EQ(fieldText(main, "Edit1"), "Lávka");
    EXPECT_EQ(fieldText(main, "Edit4"), "1.2.2003");
    EXPECT_FALSE(control<QLineEdit>(main, "Edit1")->isEnabled());
    EXPECT_EQ(fieldText(main, "Edit6"), "");
}

TEST_F(ReopenProjectTest, DamagedDataSectionIsToldAndTheInformationOpens)
{
    Project written;
    written.info.name = "Poškozený";
    written.beam.length = "10";
    testing::enterQuantity(written, 0, "Ohybový moment", "M", {{"0", "0"}, {"5", "2,5"}, {"10", "0"}});
    std::string bytes = encodeProjectFile(written, SaveVariant::InputOnly, ',');
    const size_t end = bytes.rfind("[end]");
    ASSERT_NE(end, std::string::npos);
    bytes.erase(end);
    writeFile(path("Kvordat.txt"), bytes);

    testing::UiContext ui;
    ApplicationShell shell(ui.context);
    startAndChoose(shell, "Kvordat.txt");
    Project expected = ui.project;
    click(shell.startWindow(), "BitBtn1");

    ASSERT_EQ(ui.messages.events.size(), 1);
    EXPECT_TRUE(ui.messages.events[0].startsWith("message: Soubor projektu je poškozen na řádku "))
        << ui.messages.events[0].toStdString();
    EXPECT_TRUE(ui.messages.events[0].contains("[end]")) << ui.messages.events[0].toStdString();
    EXPECT_TRUE(ui.messages.events[0].endsWith("Ze souboru se otevřou jen informace o projektu (jméno, popis, autor "
                                               "a datum vytvoření)."))
        << ui.messages.events[0].toStdString();
    // Nothing of the section is taken: only lines 2 to 5, as from a file without one.
    setInfoFromFile(expected.info, "Poškozený", "", "", written.info.createdOn);
    EXPECT_EQ(encodeProjectFile(ui.project, SaveVariant::WithResults, ','),
              encodeProjectFile(expected, SaveVariant::WithResults, ','));
    EXPECT_TRUE(ui.project.info.readOnly);
    EXPECT_FALSE(shell.startWindow().isVisible());
    EXPECT_TRUE(shell.mainWindow().isVisible());
}

// The largest project the dialogs allow reopens at once: the tables are
// models over the project's own tables, never one widget per cell.
TEST_F(ReopenProjectTest, LargestProjectReopensQuickly)
{
    Project written;
    testing::enterLargestProject(written);
    saveProject(written, SaveVariant::InputOnly, folder_.path().toStdString(), ',');

    testing::UiContext ui;
    ApplicationShell shell(ui.context);
    startAndChoose(shell, "Kvordat.txt");
    QElapsedTimer clock;
    clock.start();
    click(shell.startWindow(), "BitBtn1");
    const qint64 elapsed = clock.elapsed();
    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join('\n').toStdString();
    EXPECT_LT(elapsed, 5000);
    std::printf("reopening the largest project: %lld ms\n", static_cast<long long>(elapsed));

    EXPECT_EQ(control<QTableView>(shell.influenceStoreWindow(), "StringGrid5")->model()->rowCount(), 32750);
    EXPECT_EQ(control<QTableView>(shell.tendonStoreWindow(), "StringGrid5")->model()->rowCount(),
              written.tendons[4].points.rowCount() - 1);
    EXPECT_FALSE(control<QComboBox>(shell.mainWindow(), "ComboBox10")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(shell.mainWindow(), "BitBtn19")->isHidden());  // all five rows shown
}

}  // namespace
}  // namespace kvor::ui
