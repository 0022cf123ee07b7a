// The result window: its blocks as views of the last evaluation, the four
// commands and the three panels with every effect in its order, beeps included.

#include "support/result_test_support.h"
#include "support/project_builders.h"
#include "support/ui_test_support.h"

#include "analysis/slot_generation.h"
#include "evaluation/evaluation_run.h"
#include "ui/widgets/file_pickers.h"
#include "ui/windows/result_window.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>

namespace kvor::ui {
namespace {

using testing::control;

const QString kNotEvaluated = QStringLiteral("Veličina nebyla vyhodnocována!");

// Controls of block q (0-based) and tendon t, by the window's numbering.
QString valueField(int q, int t) { return QStringLiteral("Edit%1").arg(5 * q + t + 1); }
QString blockLabel(int q, int offset) { return QStringLiteral("Label%1").arg(7 + 13 * q + offset); }
QString captionLabel(int q) { return blockLabel(q, 0); }
QString commentLabel(int q) { return blockLabel(q, 1); }
QString tendonLabel(int q, int t) { return blockLabel(q, 2 + t); }
QString unitLabel(int q, int t) { return blockLabel(q, 7 + t); }
QString notEvaluatedLabel(int q) { return blockLabel(q, 12); }
QString groupSumField(int q) { return QStringLiteral("Edit%1").arg(27 + q); }
QString groupUnitLabel(int q) { return QStringLiteral("Label%1").arg(93 + q); }
QString groupNotEvaluatedLabel(int q) { return QStringLiteral("Label%1").arg(88 + q); }
QString groupBox(int t) { return QStringLiteral("CheckBox%1").arg(t + 2); }

class ResultWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing::bringUp(window));
        ui.messages.clear();
    }

    template <typename T = QWidget>
    T* get(const QString& name) const
    {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString text(const QString& name) const
    {
        if (auto* edit = window.findChild<QLineEdit*>(name))
            return edit->text();
        return get<QLabel>(name)->text();
    }
    // Shown by its own flag (a group line's controls also while their panel is closed).
    bool shown(const QString& name) const { return !get(name)->isHidden(); }
    void click(const QString& name) { testing::click(window, name.toUtf8().constData()); }
    bool commandsEnabled() const
    {
        bool all = true, none = true;
        for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"}) {
            const bool enabled = get(QString::fromLatin1(name))->isEnabled();
            all = all && enabled;
            none = none && !enabled;
        }
        EXPECT_TRUE(all || none) << "the four commands go together";
        return all;
    }

    // Quantities 1 and 3 and tendons 1 (straight) and 2 (broken) entered, then evaluated.
    void evaluateTwoByTwo(const std::string& kind1 = "Ohybový moment", const std::string& kind3 = "Reakce")
    {
        testing::enterQuantity(ui.project, 0, kind1, "moment uprostřed", {{"0", "0"}, {"10", "2,5"}, {"20", "0"}});
        testing::enterQuantity(ui.project, 2, kind3, "reakce vlevo", {{"0", "1"}, {"20", "0"}});
        testing::enterStraightTendon(ui.project, 0, {"0", "20", "0,3", "-1000"});
        testing::enterBrokenTendon(ui.project, 1, {{"0", "0"}, {"10", "0,4"}, {"20", "0"}}, {"-800", "-800"});
        evaluateProject(ui.project, ',');
        window.loadFromModel();
    }

    testing::UiContext ui;
    ResultWindow window{ui.context};
};

TEST_F(ResultWindowTest, BeforeAnyEvaluationTheBlocksShowTheirInitialTexts)
{
    EXPECT_EQ(window.size(), QSize(645, 599));
    EXPECT_EQ(window.windowTitle(), "Kvor1.1");
    for (int q = 0; q < kSlotCount; ++q) {
        EXPECT_EQ(text(QStringLiteral("Label%1").arg(2 + q)), QStringLiteral("%1.posuzovaná veličina").arg(q + 1));
        EXPECT_EQ(text(captionLabel(q)), "- posouvající síla");
        EXPECT_EQ(text(commentLabel(q)), "komentář k posuzované veličině");
        EXPECT_FALSE(shown(notEvaluatedLabel(q)));
        EXPECT_FALSE(shown(groupNotEvaluatedLabel(q)));
        for (int t = 0; t < kSlotCount; ++t) {
            EXPECT_EQ(text(tendonLabel(q, t)), QStringLiteral("%1.kabel").arg(t + 1));
            EXPECT_EQ(text(valueField(q, t)), "");
            EXPECT_TRUE(get<QLineEdit>(valueField(q, t))->isReadOnly());
            EXPECT_EQ(text(unitLabel(q, t)), "[kNm]");
        }
        EXPECT_TRUE(get<QLineEdit>(groupSumField(q))->isReadOnly());
    }
    for (const char* panel : {"Panel2", "Panel3", "Panel4"})
        EXPECT_FALSE(shown(QString::fromLatin1(panel)));
    EXPECT_EQ(text("Edit26"), "Kvordat");
    EXPECT_TRUE(get<QRadioButton>("RadioGroup1Item0")->isChecked());
    EXPECT_FALSE(window.findChild<QCheckBox*>("CheckBox1"));  // the saved flag is the project's, no control
    EXPECT_TRUE(commandsEnabled());
    const QStringList captions = {"Zpět na zadání", "Uložit", "Konec", "Výsledky pro skupinu kabelů"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(get<QPushButton>(QStringLiteral("BitBtn%1").arg(i + 1))->text(), captions[i]);
}

TEST_F(ResultWindowTest, EvaluatedBlocksShowValuesAndTheOthersTheirNotEvaluatedLabel)
{
    evaluateTwoByTwo();
    const EvaluationResult& results = ui.project.results;
    for (int q : {0, 2}) {
        EXPECT_FALSE(shown(notEvaluatedLabel(q)));
        for (int t = 0; t < kSlotCount; ++t) {
            EXPECT_TRUE(shown(valueField(q, t)));
            EXPECT_TRUE(shown(unitLabel(q, t)));
            EXPECT_TRUE(shown(tendonLabel(q, t)));
            const QString expected = t < 2 ? QString::fromStdString(results.value[q][t]) : "###";
            EXPECT_EQ(text(valueField(q, t)), expected) << q << t;
        }
    }
    EXPECT_NE(text(valueField(0, 0)), "");
    EXPECT_EQ(text(captionLabel(0)), "- Ohybový moment");
    EXPECT_EQ(text(commentLabel(0)), "moment uprostřed");
    EXPECT_EQ(text(unitLabel(2, 4)), "[kN]");
    for (int q : {1, 3, 4}) {
        EXPECT_TRUE(shown(notEvaluatedLabel(q)));
        EXPECT_EQ(text(notEvaluatedLabel(q)), kNotEvaluated);
        EXPECT_EQ(text(captionLabel(q)), "");
        EXPECT_EQ(text(commentLabel(q)), "");
        for (int t = 0; t < kSlotCount; ++t) {
            EXPECT_FALSE(shown(valueField(q, t)));
            EXPECT_FALSE(shown(unitLabel(q, t)));
            EXPECT_FALSE(shown(tendonLabel(q, t)));
        }
        EXPECT_FALSE(shown(groupSumField(q)));
        EXPECT_TRUE(shown(groupNotEvaluatedLabel(q)));
    }
    for (int t = 0; t < kSlotCount; ++t) {
        EXPECT_EQ(get(groupBox(t))->isEnabled(), t < 2) << t;
        EXPECT_FALSE(get<QCheckBox>(groupBox(t))->isChecked());
    }
}

TEST_F(ResultWindowTest, TheUnitFollowsTheKindInTheBlockAndInItsGroupLine)
{
    evaluateTwoByTwo("Pootočení", "");
    for (int t = 0; t < kSlotCount; ++t) {
        EXPECT_EQ(text(unitLabel(0, t)), "[rad]");
        EXPECT_EQ(text(unitLabel(2, t)), "[-]");
    }
    EXPECT_EQ(text(groupUnitLabel(0)), "[rad]");
    EXPECT_EQ(text(groupUnitLabel(2)), "[-]");
    EXPECT_EQ(text(QStringLiteral("Label79")), "- Pootočení");
    EXPECT_EQ(text(QStringLiteral("Label83")), "- ");
}

TEST_F(ResultWindowTest, TheGroupAddsTheShownValuesOfTheTickedTendons)
{
    evaluateTwoByTwo();
    ui.project.results.value[0][0] = "1,5";
    ui.project.results.value[0][1] = "-0,25";
    window.loadFromModel();
    ui.project.quantities[2].shown = false;  // quantity 3 is no longer entered

    click("BitBtn4");
    EXPECT_TRUE(shown("Panel4"));
    EXPECT_FALSE(commandsEnabled());
    click(groupBox(0));
    click(groupBox(1));
    EXPECT_EQ(ui.project.results.group[0], true);
    click("BitBtn9");

    EXPECT_EQ(text(groupSumField(0)), "1,25");
    EXPECT_FALSE(shown(groupNotEvaluatedLabel(0)));
    for (int q : {1, 2, 3, 4}) {
        EXPECT_EQ(text(groupSumField(q)), "###") << q;
        EXPECT_TRUE(shown(groupNotEvaluatedLabel(q))) << q;
    }
    EXPECT_TRUE(ui.messages.events.isEmpty());  // no beep for the group commands
}

TEST_F(ResultWindowTest, NothingTickedSumsToZeroAndZpetKeepsTheGroup)
{
    evaluateTwoByTwo();
    click("BitBtn4");
    click("BitBtn9");
    EXPECT_EQ(text(groupSumField(0)), "0");
    EXPECT_EQ(text(groupSumField(2)), "0");

    click(groupBox(1));
    click("BitBtn9");
    const QString sum = QString::fromStdString(ui.project.results.value[0][1]);
    EXPECT_EQ(text(groupSumField(0)), sum);

    // The group stays chosen until the user changes it: closing the panel,
    // leaving the results and a new evaluation keep it.
    click("BitBtn10");
    EXPECT_FALSE(shown("Panel4"));
    EXPECT_TRUE(commandsEnabled());
    EXPECT_EQ(text(groupSumField(0)), sum);
    EXPECT_TRUE(get<QCheckBox>(groupBox(1))->isChecked());
    EXPECT_TRUE(ui.project.results.group[1]);

    ui.session.returnToInput();
    ui.session.evaluate(',');
    EXPECT_TRUE(get<QCheckBox>(groupBox(1))->isChecked());
    EXPECT_EQ(ui.project.results.group, (std::array<bool, kSlotCount>{false, true, false, false, false}));
    EXPECT_EQ(text(groupSumField(0)), sum);  // formed anew by the run
    EXPECT_TRUE(ui.messages.events.isEmpty());
}

TEST_F(ResultWindowTest, AGeneratedLineTheBeamNoLongerGivesIsFlaggedUnderItsBlock)
{
    kvor::testing::setContinuousBeam(ui.project.beam, {"12", "15"});
    kvor::testing::setSectionValues(ui.project.section, {"0,48", "0,0576", "0,6", "-0,6"});
    kvor::testing::storeGenerated(ui.project, 0, "Ohybový moment", {"6", "0,5", ""});
    testing::enterQuantity(ui.project, 1, "Reakce", "ručně", {{"0", "1"}, {"27", "0"}});
    testing::enterStraightTendon(ui.project, 0, {"0", "27", "0,2", "-1000"});
    ui.session.evaluate(',');
    EXPECT_FALSE(shown("Label98"));

    ui.project.beam.members.setCell(2, 1, "16");  // evaluated as stored after the beam changed
    ui.session.evaluate(',');
    EXPECT_TRUE(shown("Label98"));
    EXPECT_EQ(text("Label98").toStdString(), staleLineWarning(1));
    EXPECT_FALSE(shown("Label99"));

    regenerateSlot(ui.project, 1, ',');
    ui.session.evaluate(',');
    EXPECT_FALSE(shown("Label98"));
    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join('|').toStdString();
}

TEST_F(ResultWindowTest, AValueThatIsNoNumberStopsTheSumsWithTheLinesBeforeItDone)
{
    evaluateTwoByTwo();
    click("BitBtn4");
    click(groupBox(0));
    click("BitBtn9");
    const QString firstSums = text(groupSumField(2));
    ASSERT_EQ(firstSums, QString::fromStdString(ui.project.results.value[2][0]));

    ui.project.results.value[0][1] = "-0,25";
    ui.project.results.value[2][1] = "";  // as after "Zpět na zadání"
    window.loadFromModel();
    click(groupBox(1));
    click("BitBtn9");
    EXPECT_EQ(ui.messages.events, QStringList{"error: '' is not a valid floating point value."});
    const long double expected = toNumber(ui.project.results.value[0][0], ',') - 0.25L;
    EXPECT_EQ(text(groupSumField(0)), QString::fromStdString(formatNumber(expected, ',')));
    EXPECT_EQ(text(groupSumField(1)), "###");
    EXPECT_EQ(text(groupSumField(2)), firstSums);  // the failing line keeps what it showed
    EXPECT_TRUE(shown("Panel4"));
}

TEST_F(ResultWindowTest, KonecWarnsExactlyWhileNothingWasSavedAndStornoReturns)
{
    click("BitBtn3");
    EXPECT_TRUE(shown("Panel2"));
    EXPECT_EQ(text("Label72"), "Opravdu si přejete ukončit program Kvor1.1?");
    EXPECT_TRUE(shown("Label73"));
    EXPECT_EQ(text("Label73"), "Projekt není uložen!");
    EXPECT_FALSE(commandsEnabled());
    EXPECT_EQ(ui.messages.events, QStringList{"beep"});

    click("BitBtn6");
    EXPECT_FALSE(shown("Panel2"));
    EXPECT_FALSE(shown("Label73"));
    EXPECT_TRUE(commandsEnabled());
    EXPECT_EQ(ui.messages.events, (QStringList{"beep", "beep"}));

    ui.project.results.saved = true;
    click("BitBtn3");
    EXPECT_TRUE(shown("Panel2"));
    EXPECT_FALSE(shown("Label73"));
}

TEST_F(ResultWindowTest, KonecInTheExitPanelHidesTheWindowAndEndsTheProgram)
{
    QSignalSpy ended(&window, &ResultWindow::programEndRequested);
    click("BitBtn3");
    click("BitBtn5");
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ui.messages.events, QStringList{"beep"});  // only the one of opening the panel
}

TEST_F(ResultWindowTest, ZpetNaZadaniClearsValuesSumsNameAndSavedFlagThenBeeps)
{
    evaluateTwoByTwo();
    ui.project.results.groupSum[0] = "7";
    ui.project.results.saved = true;
    window.loadFromModel();

    QSignalSpy input(&window, &ResultWindow::inputRequested);
    click("BitBtn1");
    EXPECT_EQ(input.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ui.messages.events, QStringList{"beep"});
    EXPECT_FALSE(ui.project.results.saved);
    EXPECT_EQ(text("Edit26"), "");
    for (int q = 0; q < kSlotCount; ++q) {
        EXPECT_EQ(text(groupSumField(q)), "");
        for (int t = 0; t < kSlotCount; ++t)
            EXPECT_EQ(text(valueField(q, t)), "");
    }
    // The blocks keep their captions until the next run rewrites them.
    EXPECT_EQ(text(captionLabel(0)), "- Ohybový moment");
}

// The horizontal place of the text cursor once the field has painted.
int cursorX(QLineEdit* field, int position)
{
    field->setCursorPosition(position);
    field->grab();
    return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
}

TEST_F(ResultWindowTest, TheLongestValuesShowWholeInTheirFields)
{
    evaluateTwoByTwo();
    const std::array<std::string, 3> longest = {"1317,43933995939", "-1,23456789012345E-100", "-455,964834314012"};
    for (int t = 0; t < 3; ++t)
        ui.project.results.value[0][t] = longest[t];
    ui.project.results.groupSum[0] = longest[1];
    window.loadFromModel();
    for (const QString& name : {valueField(0, 0), valueField(0, 1), valueField(0, 2), groupSumField(0)}) {
        auto* field = get<QLineEdit>(name);
        const int start = cursorX(field, 0);
        const int end = cursorX(field, static_cast<int>(field->text().size()));
        // A field that scrolls to show its end has cut the text.
        EXPECT_EQ(end - start, QFontMetrics(field->font()).horizontalAdvance(field->text()))
            << name.toStdString() << ": " << field->text().toStdString();
        EXPECT_GE(QFontInfo(field->font()).pixelSize(), 8);  // legible
        EXPECT_EQ(field->width(), name == groupSumField(0) ? 150 : 118);  // the unit stands above the field
    }
}

TEST_F(ResultWindowTest, ClosingThroughTheFrameOpensTheExitPanelWithItsWarning)
{
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(shown("Panel2"));
    EXPECT_TRUE(shown("Label73"));  // "Projekt není uložen!"
    EXPECT_FALSE(commandsEnabled());
    // With the panel open a second close changes nothing.
    ui.messages.clear();
    window.close();
    EXPECT_TRUE(shown("Panel2"));
    EXPECT_TRUE(ui.messages.events.isEmpty());
}

class SavePanelTest : public ResultWindowTest {
protected:
    void SetUp() override
    {
        ResultWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        QDir::setCurrent(folder.path());
        ui.project.info = {"Most přes Vltavu", "Předpjatý nosník", "Ing. Řehoř", "8.12.2026", false};
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    testing::WorkingDirectoryGuard guard;
    QTemporaryDir folder;
};

// Lines 1 to 5 of the file in code page 1250 with CR LF: header, name, description, author, date.
const QByteArray kFirstFiveLines = "Vstupn\xED soubor programu Kvor1.1\r\n"
                                   "Most p\xF8" "es Vltavu\r\n"
                                   "P\xF8" "edpjat\xFD nosn\xEDk\r\n"
                                   "Ing. \xD8" "eho\xF8\r\n"
                                   "8.12.2026\r\n";

TEST_F(SavePanelTest, UlozitOpensThePanelAndTheVariantNamesTheFile)
{
    click("BitBtn2");
    EXPECT_TRUE(shown("Panel3"));
    EXPECT_FALSE(commandsEnabled());
    EXPECT_EQ(ui.messages.events, QStringList{"beep"});
    EXPECT_FALSE(get<QLineEdit>("Edit26")->isReadOnly());  // the engineer may name the file
    EXPECT_EQ(DirectoryListBox::itemPath(get<DirectoryListBox>("DirectoryListBox1")->currentItem()),
              QDir::currentPath());

    click("RadioGroup1Item1");
    EXPECT_EQ(text("Edit26"), "Kvorprj");
    click("RadioGroup1Item0");
    EXPECT_EQ(text("Edit26"), "Kvordat");
    EXPECT_EQ(ui.messages.events, QStringList{"beep"});
}

// A typed name is the file's; another file of that name is replaced only when the engineer says so.
TEST_F(SavePanelTest, ATypedNameNamesTheFileAndAnotherFileIsReplacedOnlyOnRequest)
{
    click("BitBtn2");
    testing::typeInto(get<QLineEdit>("Edit26"), QStringLiteral("  most "));
    click("RadioGroup1Item1");  // a name of one's own stays when the variant changes
    EXPECT_EQ(text("Edit26"), "  most ");
    click("BitBtn7");
    EXPECT_TRUE(QFile::exists(path("most.txt")));
    EXPECT_EQ(ui.session.projectFile(), std::filesystem::path(path("most.txt").toStdString()));
    EXPECT_TRUE(get<QLabel>("SavedToLabel")->toolTip().endsWith(QDir::toNativeSeparators(path("most.txt"))));

    {
        QFile other(path("jiny.txt"));
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
        other.write("jiný projekt");
    }
    const struct {
        int answer;
        bool replaced;
    } answers[] = {{1, false}, {0, true}};  // "Storno", "Nahradit"
    for (const auto& a : answers) {
        click("BitBtn2");
        testing::typeInto(get<QLineEdit>("Edit26"), QStringLiteral("jiny.txt"));
        ui.messages.clear();
        ui.messages.answers = {a.answer};
        click("BitBtn7");
        ASSERT_FALSE(ui.messages.events.isEmpty());
        EXPECT_TRUE(ui.messages.events[0].startsWith("question: Soubor „")) << ui.messages.events[0].toStdString();
        EXPECT_EQ(testing::fileBytes(path("jiny.txt")).startsWith("Vstupn"), a.replaced);
        if (!a.replaced)
            click("BitBtn8");
    }
}

TEST_F(SavePanelTest, ASaveThatWouldNotReopenWholeSaysSoAfterSaving)
{
    testing::enterSimpleBeam(ui.project);
    testing::enterQuantity(ui.project, 0, "Ohybový moment", "", {{"0", "0"}, {"20", "1"}});
    testing::enterStraightTendon(ui.project, 0, {"0", "20", "0,3", "-1000"});
    evaluateProject(ui.project, ',');
    ui.project.beam.length = "15";  // shortened after the line was stored
    click("BitBtn2");
    click("BitBtn7");
    EXPECT_TRUE(ui.project.results.saved);
    ASSERT_EQ(ui.messages.events.size(), 3);
    EXPECT_TRUE(ui.messages.events[2].startsWith("message: Projekt je uložen, ale zadání některého kabelu"))
        << ui.messages.events[2].toStdString();
}

TEST_F(SavePanelTest, BothVariantsLieSideBySideWithTheirFirstFiveLinesByteForByte)
{
    testing::enterSimpleBeam(ui.project);  // the line below needs a beam to have been stored
    testing::enterQuantity(ui.project, 0, "Ohybový moment", "", {{"0", "0"}, {"20", "1"}});
    testing::enterStraightTendon(ui.project, 0, {"0", "20", "0,3", "-1000"});
    evaluateProject(ui.project, ',');
    window.loadFromModel();

    click("BitBtn2");
    click("BitBtn7");
    EXPECT_FALSE(shown("Panel3"));
    EXPECT_TRUE(commandsEnabled());
    EXPECT_TRUE(ui.project.results.saved);
    EXPECT_EQ(ui.messages.events, (QStringList{"beep", "beep"}));

    click("BitBtn2");
    click("RadioGroup1Item1");
    click("BitBtn7");
    const QByteArray inputOnly = testing::fileBytes(path("Kvordat.txt"));
    const QByteArray withResults = testing::fileBytes(path("Kvorprj.txt"));
    EXPECT_TRUE(inputOnly.startsWith(kFirstFiveLines)) << inputOnly.left(120).toStdString();
    EXPECT_TRUE(withResults.startsWith(kFirstFiveLines));
    // Only the variant with results carries the evaluated value.
    const QByteArray value = QByteArray::fromStdString(ui.project.results.value[0][0]);
    EXPECT_TRUE(withResults.contains(value));
    EXPECT_GT(withResults.size(), inputOnly.size());
}

TEST_F(SavePanelTest, StornoEmptiesTheNameButTheChosenVariantStillNamesTheFile)
{
    click("BitBtn2");
    click("RadioGroup1Item1");
    click("BitBtn8");
    EXPECT_FALSE(shown("Panel3"));
    EXPECT_TRUE(commandsEnabled());
    EXPECT_EQ(text("Edit26"), "");
    EXPECT_FALSE(ui.project.results.saved);
    EXPECT_EQ(ui.messages.events, (QStringList{"beep", "beep"}));

    click("BitBtn2");
    click("BitBtn7");
    EXPECT_TRUE(QFile::exists(path("Kvorprj.txt")));
    EXPECT_FALSE(QFile::exists(path("Kvordat.txt")));
}

TEST_F(SavePanelTest, AFailedSaveShowsTheErrorBoxAndLeavesThePanelOpen)
{
    // A folder in the file's place cannot be replaced by the file, not even by root.
    ASSERT_TRUE(QDir(folder.path()).mkdir("Kvordat.txt"));
    click("BitBtn2");
    ui.messages.clear();
    click("BitBtn7");
    ASSERT_EQ(ui.messages.events.size(), 1);
    EXPECT_TRUE(ui.messages.events[0].startsWith("error: ")) << ui.messages.events[0].toStdString();
    EXPECT_TRUE(shown("Panel3"));
    EXPECT_FALSE(commandsEnabled());
    EXPECT_FALSE(ui.project.results.saved);

    click("BitBtn8");
    EXPECT_TRUE(commandsEnabled());
}

TEST_F(SavePanelTest, AfterASaveTheExitPanelOnlyAsksUntilTheNextReturnToTheInput)
{
    click("BitBtn2");
    click("BitBtn7");
    click("BitBtn3");
    EXPECT_FALSE(shown("Label73"));
    click("BitBtn6");

    click("BitBtn1");
    window.show();
    testing::enterQuantity(ui.project, 0, "Ohybový moment", "", {{"0", "0"}, {"20", "1"}});
    testing::enterStraightTendon(ui.project, 0, {"0", "20", "0,3", "-1000"});
    evaluateProject(ui.project, ',');
    window.loadFromModel();
    click("BitBtn3");
    EXPECT_TRUE(shown("Label73"));
}

}  // namespace
}  // namespace kvor::ui
