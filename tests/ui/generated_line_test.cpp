// The influence-line dialog's mode "Z konstrukce", the store window's third
// mode, and the question "Výpočet" puts for generated lines that no longer
// match the beam.

#include "support/entry_test_support.h"
#include "support/result_test_support.h"
#include "support/project_builders.h"
#include "support/shell_test_support.h"

#include "analysis/slot_generation.h"
#include "influence/influence_file.h"
#include "structure/beam.h"
#include "ui/application_shell.h"
#include "ui/pages/navigation.h"
#include "ui/widgets/radio_group.h"
#include "ui/windows/influence_store_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::clickAndSettle;
using testing::control;

constexpr int kGeneratedItem = 2;

class GeneratedLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(w.showOnPage(kQuantityPage));  // L = 20 m
        kind(0);
        w.events().clear();
    }
    // The slot's kind box on the main window: a label by its index, or typed text.
    void kind(int index)
    {
        control<QComboBox>(w.main, "ComboBox1")->setCurrentText(QString::fromUtf8(kQuantityKindLabels[static_cast<size_t>(index)]));
    }
    void open()
    {
        clickAndSettle(w.main, "BitBtn4");
        ASSERT_TRUE(testing::bringUp(w.influence));
        chooseGenerated();
    }
    void chooseGenerated()
    {
        QRadioButton* button = control<RadioGroup>(w.influence, "RadioGroup1")->item(kGeneratedItem);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);  // keyboard alone
        QCoreApplication::processEvents();
    }
    QLineEdit* field(const char* name) { return control<QLineEdit>(w.influence, name); }
    void type(const char* name, const QString& text)
    {
        field(name)->setFocus(Qt::TabFocusReason);
        field(name)->selectAll();
        QTest::keyClicks(field(name), text);
    }
    void generate()
    {
        auto* button = control<QPushButton>(w.influence, "BitBtn4");
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
        QCoreApplication::processEvents();
    }
    QuantitySlot& slot(int k) { return w.project().quantities[static_cast<size_t>(k - 1)]; }

    testing::EntryWindows w;
};

TEST_F(GeneratedLineTest, VygenerovatFillsTheTableAsNacistFillsItFromAFile)
{
    open();
    EXPECT_TRUE(control<QWidget>(w.influence, "Panel1")->isVisible());
    EXPECT_TRUE(control<QWidget>(w.influence, "StringGrid1")->isHidden());
    EXPECT_EQ(control<QLabel>(w.influence, "Label6")->text(), "Ohybový moment");
    EXPECT_EQ(field("Edit4")->text(), "0,1");
    EXPECT_TRUE(field("Edit5")->isHidden());  // no E for a moment
    type("Edit3", "10");
    type("Edit4", "2,5");
    generate();
    EXPECT_TRUE(w.events().isEmpty()) << w.events().join("|").toStdString();

    LineRequest request;
    request.station = 10;
    request.spans = {20};
    request.step = 2.5L;
    TextTable fromFile;
    readInfluenceText(lineFileText(generateLine(request).points), fromFile, ',');
    EXPECT_EQ(w.influence.entryTable(), fromFile);
    EXPECT_EQ(w.influence.entryTable().cell(5, 1), "5");  // L/4 at midspan
    EXPECT_TRUE(control<QWidget>(w.influence, "StringGrid1")->isVisible());

    clickAndSettle(w.influence, "BitBtn2");
    ASSERT_TRUE(slot(1).entered());
    EXPECT_EQ(slot(1).entryMode, EntryMode::Generated);
    EXPECT_EQ(slot(1).station, "10");
    EXPECT_EQ(slot(1).generator, (LineGeneratorParameters{"M", "2,5", ""}));

    // Reopened: the parameters locked, "Opravit" unlocks them; the store window says "z konstrukce".
    clickAndSettle(w.main, "BitBtn4");
    EXPECT_EQ(control<RadioGroup>(w.influence, "RadioGroup1")->itemIndex(), kGeneratedItem);
    EXPECT_FALSE(field("Edit3")->isEnabled());
    EXPECT_EQ(field("Edit3")->text(), "10");
    clickAndSettle(w.influence, "BitBtn3");
    EXPECT_TRUE(field("Edit3")->isEnabled());
    clickAndSettle(w.influence, "BitBtn2");
    InfluenceStoreWindow store(w.ui.context);
    store.show();
    EXPECT_EQ(control<RadioGroup>(store, "RadioGroup1")->itemIndex(), kGeneratedItem);
    EXPECT_EQ(control<RadioGroup>(store, "RadioGroup1")->item(kGeneratedItem)->text(), "z konstrukce");
}

TEST_F(GeneratedLineTest, WhatIsMissingIsReportedAndNothingGenerated)
{
    struct Case {
        std::function<void()> setUp;
        QString message;
        QString focus;
    };
    const std::vector<Case> cases = {
        {[&] { control<QComboBox>(w.main, "ComboBox1")->setCurrentText("moment"); },
         "message: Typ veličiny „moment“ není žádný z typů Ohybový moment, Posouvající síla, Reakce, Průhyb, Pootočení!",
         "BitBtn4"},
        {[&] { w.project().beam.length.clear(); }, "message: Konstrukce není zadána, příčinkovou čáru z ní nelze vygenerovat!", "BitBtn4"},
        {[&] {}, "message: Staničení X musí být zadáno jako číslo!", "Edit3"},
        {[&] { kind(3); }, "message: Zadejte modul pružnosti E!", "Edit5"},
        {[&] { kind(4); w.project().section.inertia.clear(); },
         "message: Moment setrvačnosti I průřezu není zadán, spočtěte nebo zadejte průřez!", "BitBtn4"},
    };
    for (const Case& c : cases) {
        w.enterSimpleBeam();
        kind(0);
        w.project().section.inertia = "0,0054";
        c.setUp();
        open();
        if (c.focus != "Edit3")
            type("Edit3", "5");
        if (c.message.contains("Moment setrvačnosti"))
            type("Edit5", "30000");
        w.ui.messages.clear();
        generate();
        EXPECT_EQ(w.events(), (QStringList{c.message, "beep"}));
        EXPECT_EQ(w.ui.messages.focusAtMessage, QStringList{c.focus});
        EXPECT_TRUE(control<QWidget>(w.influence, "StringGrid1")->isHidden());
        w.ui.messages.answers = {1};  // "Zahodit" the typed parameters
        w.influence.close();
    }
}

TEST_F(GeneratedLineTest, AReactionIsChosenAmongTheSupports)
{
    kvor::testing::setContinuousBeam(w.project().beam, {"6", "8", "6"});
    kind(2);
    open();
    auto* supports = control<QComboBox>(w.influence, "ComboBox1");
    ASSERT_TRUE(supports->isVisible());
    EXPECT_TRUE(field("Edit3")->isHidden());
    ASSERT_EQ(supports->count(), 4);
    EXPECT_EQ(supports->itemText(1), "b  (6 m)");
    supports->setCurrentIndex(2);  // c at 14 m
    type("Edit4", "1");
    generate();
    EXPECT_TRUE(w.events().isEmpty());
    const TextTable& t = w.influence.entryTable();
    EXPECT_EQ(t.cell(15, 0), "14");
    EXPECT_EQ(t.cell(15, 1), "1");
    clickAndSettle(w.influence, "BitBtn2");
    EXPECT_EQ(slot(1).station, "14");
}

// "Výpočet" through the application shell, with a generated line made stale.
class StaleLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing::startNewProject(shell));
        Project& p = ui.project;
        p.beam.length = "20";
        p.section.eBottom = "0,3";
        p.section.eTop = "-0,3";
        QuantitySlot& slot = p.quantities[0];
        slot.shown = true;
        slot.kindText = "Ohybový moment";
        const SlotLine line = generateSlotLine(p, slot.kindText, {"10", "1", ""}, ',');
        ASSERT_FALSE(line.fault);
        TextTable entry;
        readInfluenceText(line.fileText, entry, ',');
        storeGeneratedLine(slot, entry, line.station, line.parameters);
        testing::enterStraightTendon(p, 0, {"0", "20", "0,2", "-1000"});
        shell.mainWindow().pageControl()->setCurrentIndex(kTendonPage);
        ui.messages.clear();
    }
    void run() { testing::click(shell.mainWindow(), "BitBtn21"); }
    QString resultValue() { return control<QLineEdit>(shell.resultWindow(), "Edit1")->text(); }

    testing::UiContext ui;
    ApplicationShell shell{ui.context};
};

TEST_F(StaleLineTest, AMatchingLineAsksNothing)
{
    run();
    EXPECT_TRUE(ui.messages.events.isEmpty());
    EXPECT_EQ(resultValue(), "-200");  // N·e at midspan
}

TEST_F(StaleLineTest, OneQuestionOffersToGenerateAgainToEvaluateAsStoredOrToCancel)
{
    const QString question = "question: Příčinková čára 1. veličiny byla vygenerována z konstrukce, která se od té "
                             "doby změnila. Vygenerovat ji znovu a vyhodnotit, vyhodnotit uložené tabulky, nebo výpočet zrušit?";
    ui.project.beam.length = "16";

    ui.messages.answers = {2};  // cancel
    run();
    EXPECT_EQ(ui.messages.events, QStringList{question});
    EXPECT_TRUE(shell.mainWindow().isVisible());
    EXPECT_EQ(ui.project.quantities[0].line.rowCount(), 22);

    ui.messages.clear();
    ui.messages.answers = {1};  // the stored table as it is
    run();
    EXPECT_EQ(ui.messages.events, QStringList{question});
    EXPECT_TRUE(shell.resultWindow().isVisible());
    EXPECT_EQ(ui.project.quantities[0].line.rowCount(), 22);
    EXPECT_EQ(resultValue(), "-200");

    testing::click(shell.resultWindow(), "BitBtn1");  // "Zpět na zadání"
    ASSERT_TRUE(shell.mainWindow().isVisible());
    shell.mainWindow().pageControl()->setCurrentIndex(kTendonPage);
    ui.messages.clear();
    ui.messages.answers = {0};  // generated again for the 16 m beam, then evaluated
    testing::enterStraightTendon(ui.project, 0, {"0", "16", "0,2", "-1000"});
    run();
    EXPECT_EQ(ui.messages.events, QStringList{question});
    EXPECT_EQ(ui.project.quantities[0].line.rowCount(), 18);
    EXPECT_TRUE(staleGeneratedSlots(ui.project, ',').empty());
    EXPECT_EQ(resultValue(), "-200");
}

}  // namespace
}  // namespace kvor::ui
