#include "support/entry_test_support.h"

#include "model/slots.h"
#include "tendons/tendon_store.h"
#include "ui/pages/navigation.h"
#include "ui/widgets/radio_group.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::clickAndSettle;
using testing::control;
using testing::focusName;
using testing::typeInto;

// The names of one page's rows.
struct PageRows {
    int page;
    const char* add;
    const char* remove;
    const char* order[kSlotCount];
    const char* text[kSlotCount];
    const char* box[kSlotCount];
    const char* notEntered[kSlotCount];
    const char* entered[kSlotCount];
    const char* draw[kSlotCount];
    const char* enter[kSlotCount];
};

// Shown as the page's number, in the test list and in failures.
void PrintTo(const PageRows* rows, std::ostream* out) { *out << "page " << rows->page; }

const PageRows kQuantityRows = {kQuantityPage,
                                "BitBtn2",
                                "BitBtn3",
                                {"Label31", "Label34", "Label35", "Label36", "Label37"},
                                {"Edit15", "Edit16", "Edit17", "Edit18", "Edit19"},
                                {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"},
                                {"Label32", "Label38", "Label40", "Label42", "Label44"},
                                {"Label33", "Label39", "Label41", "Label43", "Label45"},
                                {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"},
                                {"BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8"}};
const PageRows kTendonRows = {kTendonPage,
                              "BitBtn19",
                              "BitBtn20",
                              {"Label57", "Label58", "Label59", "Label60", "Label61"},
                              {"Edit20", "Edit21", "Edit22", "Edit23", "Edit24"},
                              {"ComboBox6", "ComboBox7", "ComboBox8", "ComboBox9", "ComboBox10"},
                              {"Label67", "Label68", "Label69", "Label70", "Label71"},
                              {"Label62", "Label63", "Label64", "Label65", "Label66"},
                              {"CheckBox6", "CheckBox7", "CheckBox8", "CheckBox9", "CheckBox10"},
                              {"BitBtn22", "BitBtn23", "BitBtn24", "BitBtn25", "BitBtn26"}};

class SlotRowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing::bringUp(w.main));
        w.events().clear();
    }
    // Shows the page and forgets its warning, which comes once the page has painted.
    void showPage(int page)
    {
        w.main.pageControl()->setCurrentIndex(page);
        QCoreApplication::processEvents();
        w.ui.messages.clear();
    }
    QWidget* get(const char* name)
    {
        QWidget* found = control<QWidget>(w.main, name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    bool rowShown(const PageRows& rows, int i)
    {
        return !get(rows.order[i])->isHidden() && !get(rows.text[i])->isHidden() && !get(rows.box[i])->isHidden() &&
               !get(rows.draw[i])->isHidden() && !get(rows.enter[i])->isHidden();
    }
    bool rowHidden(const PageRows& rows, int i)
    {
        for (const char* name : {rows.order[i], rows.text[i], rows.box[i], rows.notEntered[i], rows.entered[i],
                                 rows.draw[i], rows.enter[i]})
            if (!get(name)->isHidden())
                return false;
        return true;
    }
    QComboBox* typeBox(int k) { return control<QComboBox>(w.main, kTendonRows.box[k - 1]); }
    void storeStraightTendon(int k)
    {
        TendonSlot& slot = w.project().tendons[static_cast<size_t>(k - 1)];
        slot.typeText = "přímý kabel";
        ASSERT_FALSE(w.ui.session.storeTendon(k, StraightTendonInput{"0", "20", "0,15", "-1000"}));
    }

    testing::EntryWindows w;
};

class RowButtons : public SlotRowsTest, public ::testing::WithParamInterface<const PageRows*> {};

TEST_P(RowButtons, AddFromTheTopAndRemoveFromTheBottom)
{
    const PageRows& rows = *GetParam();
    w.enterSimpleBeam();
    showPage(rows.page);
    EXPECT_TRUE(rowShown(rows, 0));
    EXPECT_FALSE(get(rows.notEntered[0])->isHidden());
    EXPECT_TRUE(get(rows.entered[0])->isHidden());
    EXPECT_FALSE(get(rows.draw[0])->isEnabled());
    for (int i = 1; i < kSlotCount; ++i)
        EXPECT_TRUE(rowHidden(rows, i)) << i;
    EXPECT_FALSE(get(rows.add)->isHidden());
    EXPECT_TRUE(get(rows.remove)->isHidden());

    for (int i = 1; i < kSlotCount; ++i) {
        clickAndSettle(w.main, rows.add);
        EXPECT_TRUE(rowShown(rows, i)) << i;
        EXPECT_FALSE(get(rows.remove)->isHidden());
    }
    EXPECT_TRUE(get(rows.add)->isHidden());

    for (int i = kSlotCount - 1; i >= 1; --i) {
        clickAndSettle(w.main, rows.remove);
        EXPECT_TRUE(rowHidden(rows, i)) << i;
        EXPECT_FALSE(get(rows.add)->isHidden());
    }
    EXPECT_TRUE(get(rows.remove)->isHidden());
    EXPECT_TRUE(rowShown(rows, 0));
    EXPECT_TRUE(w.events().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Pages, RowButtons, ::testing::Values(&kQuantityRows, &kTendonRows));

TEST_F(SlotRowsTest, OrderLabelsCarryTheSlotColours)
{
    const QColor colours[] = {Qt::red, Qt::blue, QColor(0, 0x80, 0), QColor(0x80, 0, 0), Qt::black};
    for (int i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(control<QLabel>(w.main, kQuantityRows.order[i])->palette().color(QPalette::WindowText),
                  colours[i]);
        EXPECT_EQ(control<QLabel>(w.main, kTendonRows.order[i])->palette().color(QPalette::WindowText), colours[i]);
        EXPECT_EQ(control<QLabel>(w.main, kQuantityRows.order[i])->text(), QString::number(i + 1));
    }
}

TEST_F(SlotRowsTest, TheRowsEditTheSlots)
{
    w.enterSimpleBeam();
    showPage(kQuantityPage);
    typeInto(control<QLineEdit>(w.main, "Edit15"), "Moment v polovině rozpětí");
    auto* kind = control<QComboBox>(w.main, "ComboBox1");
    EXPECT_EQ(kind->count(), 5);
    EXPECT_EQ(kind->itemText(4), "Pootočení");
    EXPECT_EQ(kind->currentText(), "");
    kind->setCurrentIndex(0);
    EXPECT_EQ(w.project().quantities[0].description, "Moment v polovině rozpětí");
    EXPECT_EQ(w.project().quantities[0].kindText, "Ohybový moment");
    typeInto(kind->lineEdit(), "Moment nad podporou");  // the box takes typed text too
    EXPECT_EQ(w.project().quantities[0].kindText, "Moment nad podporou");

    showPage(kTendonPage);
    typeInto(control<QLineEdit>(w.main, "Edit20"), "K1");
    typeBox(1)->setCurrentIndex(1);
    EXPECT_EQ(w.project().tendons[0].name, "K1");
    EXPECT_EQ(w.project().tendons[0].typeText, "lomený kabel");
}

TEST_F(SlotRowsTest, ARemovedStoredQuantityComesBackNotEnteredWithItsTexts)
{
    w.enterSimpleBeam();
    showPage(kQuantityPage);
    clickAndSettle(w.main, "BitBtn2");
    typeInto(control<QLineEdit>(w.main, "Edit16"), "Reakce A");
    control<QComboBox>(w.main, "ComboBox2")->setCurrentIndex(2);
    TextTable line(3, 2);
    line.setRow(1, {"0", "1"});
    line.setRow(2, {"20", "0"});
    w.ui.session.storeInfluenceLine(2, line, EntryMode::Manual, "", "");
    auto* draw = control<QCheckBox>(w.main, "CheckBox2");
    EXPECT_TRUE(draw->isEnabled());
    draw->click();
    EXPECT_TRUE(w.project().quantities[1].draw);

    clickAndSettle(w.main, "BitBtn3");
    EXPECT_FALSE(w.project().quantities[1].entered());
    clickAndSettle(w.main, "BitBtn2");
    EXPECT_FALSE(get("Label38")->isHidden());  // "nezadáno"
    EXPECT_TRUE(get("Label39")->isHidden());
    EXPECT_FALSE(draw->isChecked());
    EXPECT_FALSE(draw->isEnabled());
    EXPECT_EQ(control<QLineEdit>(w.main, "Edit16")->text(), "Reakce A");
    EXPECT_EQ(control<QComboBox>(w.main, "ComboBox2")->currentText(), "Reakce");
    EXPECT_EQ(w.project().quantities[1].line.rowCount(), 3);  // the table stays

    // Its "Zadat" opens the dialog as for a new line.
    clickAndSettle(w.main, "BitBtn5");
    EXPECT_TRUE(w.influence.isVisible());
    EXPECT_TRUE(control<QWidget>(w.influence, "BitBtn3")->isHidden());
    EXPECT_EQ(w.influence.entryTable().cell(1, 0), "");
}

TEST_F(SlotRowsTest, QuantityZadatNeedsNothingChosen)
{
    // Page 3 reached by page 4's left arrow, with no structure at all.
    showPage(kTendonPage);
    clickAndSettle(w.main, "BitBtn18");
    clickAndSettle(w.main, "BitBtn4");
    EXPECT_TRUE(w.influence.isVisible());
    EXPECT_FALSE(w.main.isEnabled());
    EXPECT_TRUE(w.events().isEmpty());
}

TEST_F(SlotRowsTest, AnEmptyTypeBoxIsReportedWithTheBeepOfItsSlot)
{
    showPage(kTendonPage);
    clickAndSettle(w.main, "BitBtn22");
    EXPECT_EQ(w.events(), QStringList{"message: Vyberte typ 1.předpínacího kabelu!"});
    EXPECT_EQ(w.ui.messages.focusAtMessage.value(0), "ComboBox6");
    EXPECT_FALSE(w.tendon.isVisible());

    for (int i = 0; i < 4; ++i)
        clickAndSettle(w.main, "BitBtn19");
    const bool beeps[] = {false, true, true, false, true};
    for (int k = 2; k <= 5; ++k) {
        w.events().clear();
        clickAndSettle(w.main, kTendonRows.enter[k - 1]);
        QStringList expected{QStringLiteral("message: Vyberte typ %1.předpínacího kabelu!").arg(k)};
        if (beeps[k - 1])
            expected << "beep";
        EXPECT_EQ(w.events(), expected) << k;
        EXPECT_EQ(focusName(), kTendonRows.box[k - 1]);
    }
}

TEST_F(SlotRowsTest, ARemovedStoredTendonComesBackWithAnEmptyEditableTypeBox)
{
    w.enterSimpleBeam();
    showPage(kTendonPage);
    clickAndSettle(w.main, "BitBtn19");
    storeStraightTendon(2);
    EXPECT_FALSE(typeBox(2)->isEnabled());
    EXPECT_FALSE(get("Label63")->isHidden());

    clickAndSettle(w.main, "BitBtn20");
    clickAndSettle(w.main, "BitBtn19");
    EXPECT_TRUE(typeBox(2)->isEnabled());
    EXPECT_EQ(typeBox(2)->currentText(), "");
    EXPECT_FALSE(get("Label68")->isHidden());
    clickAndSettle(w.main, "BitBtn23");
    EXPECT_EQ(w.events(), (QStringList{"message: Vyberte typ 2.předpínacího kabelu!", "beep"}));
}

TEST_F(SlotRowsTest, ACombinedTendonOpensOnItsTables)
{
    w.enterSimpleBeam();
    showPage(kTendonPage);
    typeBox(1)->setCurrentIndex(4);
    clickAndSettle(w.main, "BitBtn22");
    ASSERT_TRUE(w.tendon.isVisible());
    EXPECT_FALSE(control<QWidget>(w.tendon, "Panel6")->isHidden());
    EXPECT_EQ(control<QWidget>(w.tendon, "Panel2"), nullptr);  // no notice
    EXPECT_FALSE(w.main.isEnabled());
}

TEST_F(SlotRowsTest, ANewTendonWithoutTheStructureGoesToTheStructurePage)
{
    showPage(kTendonPage);
    typeBox(1)->setCurrentIndex(0);
    clickAndSettle(w.main, "BitBtn22");
    EXPECT_EQ(w.events(), (QStringList{"message: Zadejte vstupní hodnoty", "beep"}));
    EXPECT_EQ(w.main.pageControl()->currentIndex(), kStructurePage);
    EXPECT_EQ(w.ui.messages.focusAtMessage.value(0), "Edit6");
    EXPECT_FALSE(w.tendon.isVisible());
    EXPECT_TRUE(w.main.isEnabled());
}

TEST_F(SlotRowsTest, AStoredStraightTendonReopensReadOnly)
{
    w.enterSimpleBeam();
    showPage(kTendonPage);
    clickAndSettle(w.main, "BitBtn19");
    clickAndSettle(w.main, "BitBtn19");
    storeStraightTendon(3);
    clickAndSettle(w.main, "BitBtn24");
    ASSERT_TRUE(w.tendon.isVisible());
    EXPECT_FALSE(control<QWidget>(w.tendon, "Panel3")->isEnabled());
    EXPECT_FALSE(control<QWidget>(w.tendon, "BitBtn2")->isHidden());
    EXPECT_EQ(control<QLineEdit>(w.tendon, "Edit2")->text(), "20");
    EXPECT_EQ(control<QLabel>(w.tendon, "Label1")->text(), "Zadání 3.předpínacího kabelu");
}

TEST_F(SlotRowsTest, AStoredTendonWithoutTheStructureOpensWithTheMainWindowDisabled)
{
    w.enterSimpleBeam();
    showPage(kTendonPage);
    storeStraightTendon(1);
    // The beam becomes continuous with no member length.
    control<RadioGroup>(w.main, "RadioGroup1")->item(1)->click();
    ASSERT_EQ(w.project().beam.kind, BeamKind::Continuous);
    showPage(kTendonPage);
    w.events().clear();

    clickAndSettle(w.main, "BitBtn22");
    EXPECT_EQ(w.events(), (QStringList{"message: Zadejte vstupní hodnoty", "beep"}));
    EXPECT_EQ(w.ui.messages.focusAtMessage.value(0), "StringGrid1");
    EXPECT_EQ(w.main.pageControl()->currentIndex(), kStructurePage);
    ASSERT_TRUE(w.tendon.isVisible());
    EXPECT_EQ(control<QLineEdit>(w.tendon, "Edit4")->text(), "-1000");
    // No second "Zadat" can reach the open dialog.
    EXPECT_FALSE(w.main.isEnabled());
    clickAndSettle(w.tendon, "BitBtn1");
    EXPECT_TRUE(w.main.isEnabled());
}

TEST_F(SlotRowsTest, Button2ShowsTheStoredTendonsAndButton1Returns)
{
    w.enterSimpleBeam();
    showPage(kTendonPage);
    storeStraightTendon(1);
    clickAndSettle(w.main, "Button2");
    EXPECT_FALSE(w.main.isVisible());
    ASSERT_TRUE(w.tendonStore.isVisible());
    EXPECT_EQ(w.tendonStore.windowTitle(), "Kvor1.1 - informace o zadaných kabelech");
    EXPECT_TRUE(control<QCheckBox>(w.tendonStore, "CheckBox1")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(w.tendonStore, "CheckBox2")->isChecked());
    EXPECT_EQ(control<RadioGroup>(w.tendonStore, "RadioGroup1")->itemIndex(), 0);
    EXPECT_EQ(control<RadioGroup>(w.tendonStore, "RadioGroup2")->itemIndex(), -1);
    auto* table = control<QTableView>(w.tendonStore, "StringGrid1");
    EXPECT_EQ(table->model()->rowCount(), 2);
    EXPECT_EQ(table->model()->headerData(2, Qt::Horizontal).toString(), "Předpínací síla");
    EXPECT_EQ(testing::cellText(table, 2, 0), "20");
    EXPECT_FALSE(table->model()->flags(table->model()->index(0, 0)) & Qt::ItemIsEditable);

    clickAndSettle(w.tendonStore, "Button1");
    EXPECT_FALSE(w.tendonStore.isVisible());
    EXPECT_TRUE(w.main.isVisible());
    EXPECT_EQ(w.main.pageControl()->currentIndex(), kTendonPage);
}

}  // namespace
}  // namespace kvor::ui
