#include "support/ui_test_support.h"

#include "model/error.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using testing::RecordingMessageService;

struct ReportCase {
    Beep beep;
    QStringList expected;
};

// Shown as the expected events, in the test list and in failures.
void PrintTo(const ReportCase& c, std::ostream* out) { *out << c.expected.join(QStringLiteral(", ")).toStdString(); }

class ReportOrder : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ReportOrder, BeepsAroundTheMessageAsTheReportSays)
{
    RecordingMessageService messages;
    Report report;
    report.message = "Musí být zadáno číslo!";
    report.beep = GetParam().beep;
    messages.showReport(report, nullptr);
    EXPECT_EQ(messages.events, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Beeps, ReportOrder,
    ::testing::Values(ReportCase{Beep::None, {"message: Musí být zadáno číslo!"}},
                      ReportCase{Beep::BeforeMessage, {"beep", "message: Musí být zadáno číslo!"}},
                      ReportCase{Beep::AfterMessage, {"message: Musí být zadáno číslo!", "beep"}}));

TEST(MessageService, PutsTheFocusOnTheNamedControlBeforeTheMessage)
{
    RecordingMessageService messages;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    first->setObjectName("Edit6");
    auto* second = new QLineEdit(&window);
    second->setObjectName("Edit11");
    layout->addWidget(first);
    layout->addWidget(second);
    ASSERT_TRUE(testing::bringUp(window));
    second->setFocus();

    Report report;
    report.message = "Rozpětí musí být větší než 0!";
    report.focus = Field::BeamLength;  // shown by Edit6
    messages.showReport(report, &window);

    EXPECT_EQ(messages.focusAtMessage, QStringList{"Edit6"});
    EXPECT_EQ(testing::focusName(), "Edit6");
}

TEST(MessageService, ErrorBoxAddsTheFinalFullStop)
{
    RecordingMessageService messages;
    messages.errorBox("'abc' is not a valid floating point value");
    messages.errorBox("I/O error 5.");
    EXPECT_EQ(messages.events, (QStringList{"error: 'abc' is not a valid floating point value.",
                                            "error: I/O error 5."}));
}

TEST(MessageService, AFailureEndsTheCommandThereAndShowsTheErrorBox)
{
    RecordingMessageService messages;
    QStringList done;
    const bool finished = messages.runCommand([&] {
        done << "before";
        throw Error::divisionByZero();
        done << "after";  // never reached
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(done, QStringList{"before"});
    EXPECT_EQ(messages.events, QStringList{"error: Floating point division by zero."});

    EXPECT_TRUE(messages.runCommand([&] { done << "clean"; }));
    EXPECT_EQ(messages.events.size(), 1);
}

TEST(DesktopMessageService, TheWindowOfTheMessageIsActiveAgainWhenTheBoxCloses)
{
    DesktopMessageService messages;
    QWidget window;
    auto* field = new QLineEdit(&window);
    field->setObjectName("Edit6");
    ASSERT_TRUE(testing::bringUp(window));
    field->setFocus();
    for (int i = 0; i < 2; ++i) {
        QWidget* seenAsBox = nullptr;
        QTimer::singleShot(0, [&] {
            seenAsBox = QApplication::activeModalWidget();
            if (seenAsBox)
                seenAsBox->close();
        });
        messages.message(std::string_view("Rozpětí musí být větší než 0!"));
        ASSERT_NE(seenAsBox, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window, 1000)) << "message " << i + 1;
        EXPECT_EQ(QApplication::focusWidget(), field);
    }
}

TEST(MessageService, AFaultOfTheProgramIsLoggedAndShownAsAnInternalError)
{
    RecordingMessageService messages;
    EXPECT_FALSE(messages.runCommand([] { throw std::out_of_range("vector::_M_range_check"); }));
    EXPECT_FALSE(messages.runCommand([] { throw 42; }));
    const QString shown = QStringLiteral("error: ") + QString::fromUtf8(kInternalErrorText.data(), static_cast<qsizetype>(kInternalErrorText.size())) + ".";
    EXPECT_EQ(messages.events, (QStringList{shown, shown}));
}

TEST(MessageService, NothingEscapesACommand)
{
    RecordingMessageService messages;
    EXPECT_FALSE(messages.runCommand([] { throw std::runtime_error("File not found"); }));
    EXPECT_EQ(messages.events, QStringList{"error: File not found."});
}

}  // namespace
}  // namespace kvor::ui
