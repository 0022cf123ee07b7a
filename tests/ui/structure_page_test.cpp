#include "support/ui_test_support.h"

#include "ui/pages/navigation.h"
#include "ui/widgets/radio_group.h"
#include "ui/windows/main_window.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::control;
using testing::focusName;
using testing::typeInto;

// The main window on its structure page, the focus on the beam kind.
class StructurePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing::bringUp(window));
        window.pageControl()->setCurrentIndex(kStructurePage);
        radio(1, 0)->setFocus();
        ui.messages.clear();
    }

    template <typename T = QLineEdit>
    T* get(const char* name)
    {
        T* found = control<T>(window, name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QRadioButton* radio(int group, int item)
    {
        return get<RadioGroup>(group == 1 ? "RadioGroup1" : "RadioGroup2")->item(item);
    }
    QTableView* grid() { return get<QTableView>("StringGrid1"); }
    void setMemberLength(int row, const QString& text)
    {
        grid()->model()->setData(grid()->model()->index(row, 1), text);
    }
    // Leaves the focused field for another control of the window.
    void leaveTo(const char* name) { get<QWidget>(name)->setFocus(Qt::TabFocusReason); }

    testing::UiContext ui;
    MainWindow window{ui.context};
};

struct ExitCase {
    const char* text;
    QStringList events;
};

void PrintTo(const ExitCase& c, std::ostream* out) { *out << ::testing::PrintToString(std::string(c.text)); }

class SpanExit : public StructurePageTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(SpanExit, ReportsWithTheFocusBackAndTheTextAsTyped)
{
    typeInto(get("Edit6"), QString::fromUtf8(GetParam().text));
    leaveTo("Edit11");
    EXPECT_EQ(ui.messages.events, GetParam().events);
    if (!GetParam().events.isEmpty()) {
        EXPECT_EQ(ui.messages.focusAtMessage.value(0), "Edit6");
        EXPECT_EQ(focusName(), "Edit6");
    }
    EXPECT_EQ(get("Edit6")->text(), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(ui.project.beam.length, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpanExit,
    ::testing::Values(ExitCase{"abc", {"message: Rozpětí musí být zadáno jako číslo!", "beep"}},
                      ExitCase{"", {"message: Rozpětí musí být zadáno jako číslo!", "beep"}},
                      ExitCase{"0.3", {"message: Rozpětí musí být zadáno jako číslo!", "beep"}},
                      ExitCase{"0", {"message: Rozpětí musí být větší než 0!", "beep"}},
                      ExitCase{"-12,5", {"message: Rozpětí musí být větší než 0!", "beep"}},
                      ExitCase{"20", {}}, ExitCase{" 12,5E0 ", {}}));

TEST_F(StructurePageTest, AClickOnTheArrowWithAFaultySpanOnlyReportsTheSpan)
{
    typeInto(get("Edit6"), "abc");
    QTest::mouseClick(get<QPushButton>("BitBtn14"), Qt::LeftButton);
    EXPECT_EQ(ui.messages.events, (QStringList{"message: Rozpětí musí být zadáno jako číslo!", "beep"}));
    EXPECT_EQ(window.pageControl()->currentIndex(), kStructurePage);
    EXPECT_EQ(focusName(), "Edit6");
}

TEST_F(StructurePageTest, TheBeamKindShowsItsOwnFieldsAndKeepsTheOthersTexts)
{
    typeInto(get("Edit6"), "20");
    EXPECT_TRUE(get("Edit6")->isVisible());
    EXPECT_FALSE(get<QSpinBox>("Edit5")->isVisible());
    EXPECT_FALSE(grid()->isVisible());

    radio(1, 1)->click();
    EXPECT_EQ(ui.project.beam.kind, BeamKind::Continuous);
    EXPECT_FALSE(get("Edit6")->isVisible());
    EXPECT_FALSE(get<QLabel>("Label8")->isVisible());
    EXPECT_TRUE(get<QLabel>("Label7")->isVisible());
    EXPECT_TRUE(get<QSpinBox>("Edit5")->isVisible());
    EXPECT_TRUE(grid()->isVisible());

    radio(1, 0)->click();
    EXPECT_EQ(get("Edit6")->text(), "20");
    EXPECT_EQ(ui.project.beam.length, "20");
}

TEST_F(StructurePageTest, TheMemberTableStartsWithHeadingsAndTwoMembers)
{
    radio(1, 1)->click();
    const auto* model = grid()->model();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->index(0, 0).data().toString(), "    Číslo prutu");
    EXPECT_EQ(model->index(0, 1).data().toString(), "  Délka prutu [m]");
    EXPECT_EQ(model->index(2, 0).data().toString(), "2");
    EXPECT_EQ(grid()->geometry(), QRect(30, grid()->y(), 176, 27 * 2 + 29));
}

TEST_F(StructurePageTest, TheSpinnerRebuildsTheTableAndKeepsTheLengths)
{
    radio(1, 1)->click();
    auto* count = get<QSpinBox>("Edit5");
    count->setValue(3);
    setMemberLength(1, "10");
    setMemberLength(2, "12,5");
    setMemberLength(3, "10");

    count->setValue(4);
    const auto* model = grid()->model();
    ASSERT_EQ(model->rowCount(), 5);
    EXPECT_EQ(model->index(4, 0).data().toString(), "4");
    EXPECT_EQ(model->index(4, 1).data().toString(), "");
    EXPECT_EQ(ui.project.beam.members.cell(3, 1), "10");
    EXPECT_EQ(ui.project.beam.memberCountText, "4");

    count->setValue(2);
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->index(2, 1).data().toString(), "12,5");
    EXPECT_TRUE(ui.messages.events.isEmpty());
}

TEST_F(StructurePageTest, SevenMembersFitWithoutAScrollBarEightNeedOne)
{
    radio(1, 1)->click();
    auto* count = get<QSpinBox>("Edit5");
    count->setValue(7);
    EXPECT_EQ(grid()->size(), QSize(176, 218));
    EXPECT_EQ(grid()->x(), 30);
    EXPECT_EQ(grid()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    count->setValue(8);
    EXPECT_EQ(grid()->size(), QSize(194, 218));
    EXPECT_EQ(grid()->x(), 22);
    EXPECT_EQ(grid()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(count->maximum(), 15);
    EXPECT_EQ(count->minimum(), 2);
}

TEST_F(StructurePageTest, LeavingTheMemberTableReportsTheFirstFaultyRowOnly)
{
    radio(1, 1)->click();
    get<QSpinBox>("Edit5")->setValue(3);
    setMemberLength(1, "10");
    setMemberLength(3, "-5");
    grid()->setFocus();
    leaveTo("Edit11");
    EXPECT_EQ(ui.messages.events, QStringList{"message: Políčko v 2.sloupci a 2.řádku musí obsahovat číslo!"});
    EXPECT_EQ(focusName(), "StringGrid1");

    ui.messages.clear();
    setMemberLength(2, "12,5");
    leaveTo("Edit11");
    EXPECT_EQ(ui.messages.events,
              (QStringList{"message: Políčko v 2.sloupci a 3.řádku musí obsahovat číslo větší než 0!", "beep"}));
    EXPECT_EQ(ui.project.beam.members.cell(3, 1), "-5");

    ui.messages.clear();
    setMemberLength(3, "10");
    leaveTo("Edit11");
    EXPECT_TRUE(ui.messages.events.isEmpty());
}

TEST_F(StructurePageTest, TextTypedInACellReachesTheCheckWhenTheTableIsLeft)
{
    radio(1, 1)->click();
    grid()->setFocus();
    grid()->setCurrentIndex(grid()->model()->index(1, 1));  // opens the cell editor
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid());
    QTest::keyClicks(editor, "abc");
    leaveTo("Edit11");
    EXPECT_EQ(ui.project.beam.members.cell(1, 1), "abc");
    EXPECT_EQ(ui.messages.events, QStringList{"message: Políčko v 2.sloupci a 1.řádku musí obsahovat číslo!"});
    EXPECT_EQ(focusName(), "StringGrid1");
}

struct SectionCase {
    int type;
    std::array<const char*, 4> dimensions;
    std::array<const char*, 4> values;  // A, I, e_d, e_h
};

// Shown as the shape and its dimensions, in the test list and in failures.
void PrintTo(const SectionCase& c, std::ostream* out)
{
    *out << "shape " << c.type;
    for (const char* d : c.dimensions)
        *out << " " << ::testing::PrintToString(std::string(d));
}

class ComputeSection : public StructurePageTest, public ::testing::WithParamInterface<SectionCase> {};

TEST_P(ComputeSection, SpoctiShowsTheFourValues)
{
    const SectionCase& c = GetParam();
    radio(2, c.type)->click();
    for (int i = 0; i < 4; ++i)
        if (c.dimensions[static_cast<size_t>(i)][0] != '\0')
            typeInto(get(QStringLiteral("Edit%1").arg(11 + i).toUtf8().constData()),
                     QString::fromUtf8(c.dimensions[static_cast<size_t>(i)]));
    EXPECT_FALSE(get("Edit7")->isVisible());
    QTest::mouseClick(get<QPushButton>("BitBtn1"), Qt::LeftButton);

    EXPECT_TRUE(ui.messages.events.isEmpty()) << ui.messages.events.join('|').toStdString();
    for (int i = 0; i < 4; ++i) {
        QLineEdit* value = get(QStringLiteral("Edit%1").arg(7 + i).toUtf8().constData());
        EXPECT_EQ(value->text(), QString::fromUtf8(c.values[static_cast<size_t>(i)])) << "Edit" << 7 + i;
        EXPECT_TRUE(value->isVisible());
        EXPECT_TRUE(value->isReadOnly());
    }
    EXPECT_TRUE(get<QLabel>("Label12")->isVisible());
    EXPECT_EQ(ui.project.section.eTop, c.values[3]);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ComputeSection,
    ::testing::Values(SectionCase{0, {"0,3", "0,6", "", ""}, {"0,18", "0,0054", "0,3", "-0,3"}},
                      SectionCase{0, {"0,25", "0,45", "", ""}, {"0,1125", "0,0019", "0,225", "-0,225"}},
                      SectionCase{1, {"0,5", "", "", ""}, {"0,25", "0,0052", "0,25", "-0,25"}},
                      SectionCase{1, {"0,1", "", "", ""}, {"0,01", "0", "0,05", "-0,05"}},
                      SectionCase{2, {"1,2", "0,3", "0,2", "0,8"}, {"0,48", "0,0436", "0,65", "-0,35"}},
                      SectionCase{3, {"1,2", "0,3", "0,2", "0,8"}, {"0,48", "0,0436", "0,35", "-0,65"}}));

TEST_F(StructurePageTest, SpoctiWithAMissingDimensionAsksForInputAndWritesNothing)
{
    typeInto(get("Edit11"), "0,3");
    QTest::mouseClick(get<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(ui.messages.events, QStringList{"message: Zadejte vstupní hodnoty!"});
    EXPECT_FALSE(get("Edit7")->isVisible());
    EXPECT_EQ(ui.project.section.area, "");
}

TEST_F(StructurePageTest, SpoctiOnATextThatIsNoNumberEndsWithTheErrorBox)
{
    get("Edit11")->setText("0,3");
    get("Edit12")->setText("x");
    get<QPushButton>("BitBtn1")->click();  // no focus move: the field's own check does not run
    EXPECT_EQ(ui.messages.events, QStringList{"error: 'x' is not a valid floating point value."});
    EXPECT_FALSE(get("Edit7")->isVisible());
    EXPECT_EQ(ui.project.section.area, "");
}

TEST_F(StructurePageTest, DimensionExitsAskForANumberAboveZero)
{
    const struct {
        const char* text;
        QStringList events;
    } cases[] = {{"abc", {"message: Musí být zadáno číslo!", "beep"}},
                 {"", {"message: Musí být zadáno číslo!", "beep"}},
                 {"0", {"message: Musí být zadáno číslo větší než 0!", "beep"}},
                 {"0,4", {}}};
    for (const auto& c : cases) {
        ui.messages.clear();
        typeInto(get("Edit12"), QString::fromUtf8(c.text));
        leaveTo("Edit11");
        EXPECT_EQ(ui.messages.events, c.events) << c.text;
        if (!c.events.isEmpty()) {
            EXPECT_EQ(focusName(), "Edit12") << c.text;
        }
    }
}

TEST_F(StructurePageTest, EachSectionTypeShowsItsPictureLabelsAndFields)
{
    radio(2, 1)->click();
    EXPECT_EQ(get<QLabel>("Label21")->text(), "Hrana a [m]");
    EXPECT_TRUE(get("Edit11")->isVisible());
    EXPECT_FALSE(get("Edit12")->isVisible());
    EXPECT_TRUE(get<QWidget>("Image2")->isVisible());
    EXPECT_FALSE(get<QWidget>("Image1")->isVisible());
    EXPECT_EQ(get<QWidget>("Image2")->size(), QSize(190, 190));

    radio(2, 3)->click();
    const char* labels[] = {"Šířka b1 [m]", "Šířka b2 [m]", "Výška h1 [m]", "Výška h2 [m]"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(get<QLabel>(QStringLiteral("Label%1").arg(21 + i).toUtf8().constData())->text(),
                  QString::fromUtf8(labels[i]));
        EXPECT_TRUE(get(QStringLiteral("Edit%1").arg(11 + i).toUtf8().constData())->isVisible());
    }
    EXPECT_TRUE(get<QWidget>("Image4")->isVisible());
    EXPECT_TRUE(get<QPushButton>("BitBtn1")->isVisible());

    radio(2, 4)->click();
    EXPECT_FALSE(get<QPushButton>("BitBtn1")->isVisible());
    EXPECT_FALSE(get("Edit11")->isVisible());
    EXPECT_TRUE(get<QWidget>("Image5")->isVisible());
    for (const char* name : {"Edit7", "Edit8", "Edit9", "Edit10"}) {
        EXPECT_TRUE(get(name)->isVisible()) << name;
        EXPECT_FALSE(get(name)->isReadOnly()) << name;
    }
    EXPECT_TRUE(get<QLabel>("Label20")->isVisible());
}

TEST_F(StructurePageTest, DimensionsKeepTheirTextsThroughTypeChanges)
{
    typeInto(get("Edit11"), "0,3");
    radio(2, 1)->click();
    EXPECT_EQ(get("Edit11")->text(), "0,3");
    radio(2, 2)->click();
    EXPECT_EQ(ui.project.section.dimensions[0], "0,3");
    EXPECT_EQ(ui.project.section.type, SectionType::TSection);
}

TEST_F(StructurePageTest, GeneralValuesAreCheckedOnLeavingWithoutBeep)
{
    radio(2, 4)->click();
    typeInto(get("Edit10"), "0");
    leaveTo("Edit9");
    EXPECT_EQ(ui.messages.events,
              QStringList{"message: Vzdálenost horních vláken průřezu od těžiště musí být dle znaménkové "
                          "konvence menší než 0!"});
    EXPECT_EQ(focusName(), "Edit10");

    ui.messages.clear();
    typeInto(get("Edit10"), "-0,2");
    typeInto(get("Edit7"), "plocha");
    EXPECT_TRUE(ui.messages.events.isEmpty());
    leaveTo("Edit8");
    EXPECT_EQ(ui.messages.events, QStringList{"message: Plocha průřezu musí být zadána jako číslo!"});
    EXPECT_EQ(ui.project.section.eTop, "-0,2");
}

TEST_F(StructurePageTest, ComputedValuesStayWhenTheTypeChanges)
{
    typeInto(get("Edit11"), "0,3");
    typeInto(get("Edit12"), "0,6");
    QTest::mouseClick(get<QPushButton>("BitBtn1"), Qt::LeftButton);
    radio(2, 1)->click();
    EXPECT_FALSE(get("Edit9")->isVisible());
    EXPECT_EQ(ui.project.section.eBottom, "0,3");
    EXPECT_EQ(get("Edit9")->text(), "0,3");
}

}  // namespace
}  // namespace kvor::ui
