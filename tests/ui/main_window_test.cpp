#include "support/ui_test_support.h"

#include "ui/pages/navigation.h"
#include "ui/pages/project_info_page.h"
#include "ui/pages/structure_page.h"
#include "ui/widgets/radio_group.h"
#include "ui/windows/main_window.h"

#include <QDate>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::control;
using testing::focusName;

const QStringList kNeedStructure = {"message: Zadejte vstupní hodnoty", "beep"};
const QStringList kTendonPageWarning = {"message: Zadejte vstupní hodnoty v části zadání konstrukce", "beep"};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing::bringUp(window));
        ui.messages.clear();
    }

    int page() const { return window.pageControl()->currentIndex(); }
    void click(const char* name) { testing::click(window, name); }
    void chooseTab(int index)
    {
        QTabBar* tabs = window.pageControl()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    // Fills the model as typing would, and shows it.
    void enterSimpleBeam()
    {
        ui.project.beam.length = "20";
        ui.project.section.eBottom = "0,3";
        ui.project.section.eTop = "-0,3";
        window.structurePage()->loadFromModel();
    }

    testing::UiContext ui;
    MainWindow window{ui.context};
};

TEST_F(MainWindowTest, OpensOnTheProjectPageWithFourTitledPages)
{
    EXPECT_EQ(page(), kInfoPage);
    const QStringList titles = {"Informace o projektu", "Zadání konstrukce", "Příčinkové čáry",
                                "Vedení předpětí v konstrukci"};
    ASSERT_EQ(window.pageControl()->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(window.pageControl()->tabText(i), titles[i]);
        EXPECT_EQ(window.pageControl()->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    }
    EXPECT_EQ(window.size(), QSize(642, 419));
    EXPECT_EQ(window.windowTitle(), "Kvor1.1[*]");  // shown as "Kvor1.1" while nothing is unsaved
}

TEST_F(MainWindowTest, TheCreationDateIsTodayInTheShortFormatWithAFourDigitYear)
{
    const QDate today = QDate::currentDate();
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    const QString shown = control<QLineEdit>(window, "Edit4")->text();
    EXPECT_EQ(QDate::fromString(shown, format), today) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString::number(today.year()))) << shown.toStdString();
    EXPECT_EQ(ui.project.info.createdOn, shown.toStdString());
}

TEST_F(MainWindowTest, ProjectTextsAreTypedIntoTheModelAndLockedAfterOpening)
{
    testing::typeInto(control<QLineEdit>(window, "Edit1"), "Most přes Vltavu");
    EXPECT_EQ(ui.project.info.name, "Most přes Vltavu");

    ui.project.info.author = "Ing. Řehoř";
    ui.project.info.readOnly = true;
    window.showOnFirstPage();
    EXPECT_EQ(control<QLineEdit>(window, "Edit3")->text(), "Ing. Řehoř");
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"})
        EXPECT_FALSE(control<QLineEdit>(window, name)->isEnabled()) << name;
}

TEST_F(MainWindowTest, ANewProjectCannotGoOnFromTheStructurePage)
{
    click("BitBtn13");
    EXPECT_EQ(page(), kStructurePage);
    click("BitBtn14");
    EXPECT_EQ(ui.messages.events, kNeedStructure);
    EXPECT_EQ(page(), kStructurePage);
    EXPECT_EQ(focusName(), "Edit6");
}

TEST_F(MainWindowTest, AContinuousBeamPutsTheFocusOnTheMemberTable)
{
    click("BitBtn13");
    control<RadioGroup>(window, "RadioGroup1")->item(1)->click();
    click("BitBtn14");
    EXPECT_EQ(ui.messages.events, kNeedStructure);
    EXPECT_EQ(focusName(), "StringGrid1");
}

TEST_F(MainWindowTest, ChoosingTheTabOfPageThreeIsTestedAndReturnsToPageTwo)
{
    chooseTab(kQuantityPage);
    EXPECT_EQ(ui.messages.events, kNeedStructure);
    EXPECT_EQ(page(), kStructurePage);
    EXPECT_EQ(focusName(), "Edit6");
}

// Counts the paint events of a widget.
struct PaintCount : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(MainWindowTest, PageFourAlwaysComesUpButWarnsWithoutAStructure)
{
    PaintCount paints;
    QWidget* tendonPage = window.pageControl()->widget(kTendonPage);
    tendonPage->installEventFilter(&paints);
    int paintedAtMessage = -1;
    ui.messages.atMessage = [&] { paintedAtMessage = paints.count; };
    chooseTab(kTendonPage);
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.messages.events, kTendonPageWarning);
    EXPECT_EQ(page(), kTendonPage);
    EXPECT_GT(paintedAtMessage, 0) << "the warning came before the page was painted";

    // Its left arrow reaches page 3 with no test.
    ui.messages.clear();
    click("BitBtn18");
    EXPECT_EQ(page(), kQuantityPage);
    EXPECT_TRUE(ui.messages.events.isEmpty());

    // Page 3's right arrow shows page 4 again, with the warning again.
    click("BitBtn17");
    QCoreApplication::processEvents();
    EXPECT_EQ(page(), kTendonPage);
    EXPECT_EQ(ui.messages.events, kTendonPageWarning);
}

TEST_F(MainWindowTest, AnEnteredStructureOpensEveryPageSilently)
{
    enterSimpleBeam();  // A and I stay empty: they are not needed
    click("BitBtn13");
    click("BitBtn14");
    EXPECT_EQ(page(), kQuantityPage);
    click("BitBtn17");
    EXPECT_EQ(page(), kTendonPage);
    click("BitBtn18");
    click("BitBtn16");
    EXPECT_EQ(page(), kStructurePage);
    click("BitBtn15");
    EXPECT_EQ(page(), kInfoPage);
    chooseTab(kQuantityPage);
    EXPECT_EQ(page(), kQuantityPage);
    EXPECT_TRUE(ui.messages.events.isEmpty());
}

TEST_F(MainWindowTest, AContinuousBeamNeedsOnlyItsFirstMemberLength)
{
    ui.project.beam.kind = BeamKind::Continuous;
    ui.project.beam.members.setCell(1, 1, "10");
    ui.project.section.eBottom = "0,3";
    ui.project.section.eTop = "-0,3";
    window.structurePage()->loadFromModel();
    chooseTab(kQuantityPage);
    EXPECT_EQ(page(), kQuantityPage);
    EXPECT_TRUE(ui.messages.events.isEmpty());
}

TEST_F(MainWindowTest, CloseThroughTheFrameAsksInsteadOfClosing)
{
    QSignalSpy asked(&window, &MainWindow::exitRequested);
    window.close();
    EXPECT_EQ(asked.count(), 1);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, PassagesToWindowsThatDoNotExistYetStayDisabled)
{
    EXPECT_FALSE(control<QPushButton>(window, "Button3")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(window, "Button2")->isEnabled());

    QWidget results;
    QObject::connect(&window, &MainWindow::resultWindowRequested, &results, &QWidget::show);
    ASSERT_TRUE(control<QPushButton>(window, "Button3")->isEnabled());
    click("Button3");
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(results.isVisible());
}

TEST_F(MainWindowTest, EveryControlLiesInsideItsPage)
{
    for (int i = 0; i < window.pageControl()->count(); ++i) {
        QWidget* page = window.pageControl()->widget(i);
        window.pageControl()->setCurrentIndex(i);
        for (const QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(page->rect().contains(child->geometry()))
                << page->objectName().toStdString() << " " << child->objectName().toStdString();
    }
}

TEST(Navigation, TheStructureTestNamesTheFieldToFocus)
{
    Project project;
    auto report = checkStructureEntered(project);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->message, "Zadejte vstupní hodnoty");
    EXPECT_EQ(report->beep, Beep::AfterMessage);
    EXPECT_STREQ(controlName(report->focus), "Edit6");
    EXPECT_EQ(report->page, Page::Structure);

    project.beam.kind = BeamKind::Continuous;
    EXPECT_STREQ(controlName(checkStructureEntered(project)->focus), "StringGrid1");

    project.beam.members.setCell(1, 1, "10");
    project.section.eBottom = "0,3";
    EXPECT_TRUE(checkStructureEntered(project));
    project.section.eTop = "-0,3";
    EXPECT_FALSE(checkStructureEntered(project));
    EXPECT_FALSE(checkStructureForTendonPage(project));
}

}  // namespace
}  // namespace kvor::ui
