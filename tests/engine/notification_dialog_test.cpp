// The notification dialog: layout, texts, fonts, the answers of every button, and the keys and closes
// that must or must not end it.
#include "engine/missed_alarms_dialog.h"
#include "engine/notification_dialog.h"
#include "support/modal_answer.h"
#include "support/named_child.h"

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace klaxora {
namespace {

struct ChoiceSpec {
    const char* name;
    const char* caption;
    const char* hint;
    QRect geometry;
    int modalResult;
};

// In tab order.
const ChoiceSpec Choices[] = {
    {"snooze1MinuteButton", "1 minute", "Add 1 minute to alarm time", {10, 29, 83, 23}, -1},
    {"snooze5MinutesButton", "5 minutes", "Add 5 minutes to alarm time", {96, 29, 83, 23}, -5},
    {"snooze10MinutesButton", "10 minutes", "Add 10 minutes to alarm time", {182, 29, 83, 23}, -10},
    {"snooze30MinutesButton", "30 minutes", "Add 30 minutes to alarm time", {269, 29, 83, 23}, -30},
    {"snooze1HourButton", "1 hour", "Add 60 minutes to alarm time", {10, 62, 83, 23}, -60},
    {"snooze2HoursButton", "2 hours", "Add 2 hours to alarm time", {96, 62, 83, 23}, -120},
    {"snooze4HoursButton", "4 hours", "Add 4 hours to alarm time", {182, 62, 82, 23}, -240},
    {"snooze24HoursButton",
     "24 hours",
     "Add 24 hours (one full day) to alarm time",
     {269, 62, 83, 23},
     -1440},
    {"deleteButton", "Delete", "Terminate this alarm", {269, 95, 83, 35}, 1},
    {"snooze1WeekButton", "1 week", "Add one full week  to alarm time", {10, 95, 83, 23}, -10080},
};

// Runs the dialog modally with `message`, lets `answer` act on it once it is up, returns the result.
int announceAndAnswer(NotificationDialog& dialog, const QString& message,
                      std::function<void(NotificationDialog&)> answer)
{
    test::answerNextModal([&dialog, answer](QWidget*) { answer(dialog); });
    return dialog.announce(message);
}

TEST(AlarmShowTest, WindowIsAStayOnTopDialogWithoutSystemMenuOrCaptionButtons)
{
    NotificationDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Alarm Notification");
    EXPECT_EQ(dialog.parentWidget(), nullptr);
    EXPECT_EQ(dialog.size(), QSize(384, 239));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint)) << "only its own buttons end it";
}

TEST(AlarmShowTest, ControlsStandWhereTheLayoutPutsThemInTabOrder)
{
    NotificationDialog dialog;
    EXPECT_EQ(testing::namedChild<QLabel>(dialog, "message")->geometry(), QRect(13, 9, 368, 44));
    EXPECT_EQ(testing::namedChild<QFrame>(dialog, "snoozePanel")->geometry(), QRect(10, 59, 361, 143));
    EXPECT_EQ(testing::namedChild<QLabel>(dialog, "snoozeCaption")->parentWidget(),
              testing::namedChild<QFrame>(dialog, "snoozePanel"));
    EXPECT_EQ(testing::namedChild<QLabel>(dialog, "snoozeCaption")->pos(), QPoint(10, 9));
    EXPECT_EQ(testing::namedChild<QLabel>(dialog, "snoozeCaption")->text(), "Remind me again in:");
    for (const ChoiceSpec& choice : Choices) {
        const QPushButton* button = testing::namedChild<QPushButton>(dialog, choice.name);
        SCOPED_TRACE(choice.caption);
        EXPECT_EQ(button->parentWidget(), testing::namedChild<QFrame>(dialog, "snoozePanel"));
        EXPECT_EQ(button->text(), choice.caption);
        EXPECT_EQ(button->toolTip(), choice.hint);
        EXPECT_EQ(button->geometry(), choice.geometry);
    }
    for (std::size_t i = 0; i + 1 < std::size(Choices); ++i) {
        EXPECT_EQ(testing::namedChild<QPushButton>(dialog, Choices[i].name)->nextInFocusChain(),
                  testing::namedChild<QPushButton>(dialog, Choices[i + 1].name))
            << "tab order after " << Choices[i].caption;
    }
}

TEST(AlarmShowTest, FontsAreArialAtTheirPixelSizesAndDeleteIsBoldRedAndDefault)
{
    NotificationDialog dialog;
    // fontconfig stands in a metric-compatible face for Arial, so that the captions fit as laid out.
    const QFontInfo small(testing::namedChild<QPushButton>(dialog, "snooze1MinuteButton")->font());
    EXPECT_EQ(small.pixelSize(), 11);
    EXPECT_TRUE(small.family() == "Arial" || small.family() == "Liberation Sans")
        << small.family().toStdString();

    const QFontInfo deleteFont(testing::namedChild<QPushButton>(dialog, "deleteButton")->font());
    EXPECT_EQ(deleteFont.pixelSize(), 11);
    EXPECT_TRUE(deleteFont.bold());
    EXPECT_EQ(testing::namedChild<QPushButton>(dialog, "deleteButton")->palette().color(QPalette::ButtonText),
              QColor(Qt::red));
    EXPECT_TRUE(testing::namedChild<QPushButton>(dialog, "deleteButton")->isDefault());
}

TEST(AlarmShowTest, EveryButtonClosesWithItsModalResult)
{
    NotificationDialog dialog;
    for (const ChoiceSpec& choice : Choices) {
        const int result = announceAndAnswer(dialog, "Tea", [&choice](NotificationDialog& shown) {
            QTest::mouseClick(testing::namedChild<QPushButton>(shown, choice.name), Qt::LeftButton);
        });
        EXPECT_EQ(result, choice.modalResult) << choice.caption;
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(AlarmShowTest, ShowsTheMessageCentredOnTheScreenWithTheFocusOnDelete)
{
    NotificationDialog dialog;
    QString shownText;
    QWidget* focused = nullptr;
    QPoint centre;
    announceAndAnswer(dialog, "Call the garage", [&](NotificationDialog& shown) {
        shownText = testing::namedChild<QLabel>(shown, "message")->text();
        focused = shown.focusWidget();
        centre = shown.frameGeometry().center();
        testing::namedChild<QPushButton>(shown, "snooze5MinutesButton")
            ->setFocus(); // moved by the user; the next showing puts it back on Delete
        QTest::mouseClick(testing::namedChild<QPushButton>(shown, "deleteButton"), Qt::LeftButton);
    });
    EXPECT_EQ(shownText, "Call the garage");
    EXPECT_EQ(focused, testing::namedChild<QPushButton>(dialog, "deleteButton"));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 2);

    announceAndAnswer(dialog, "Again", [&](NotificationDialog& shown) {
        focused = shown.focusWidget();
        QTest::mouseClick(testing::namedChild<QPushButton>(shown, "deleteButton"), Qt::LeftButton);
    });
    EXPECT_EQ(focused, testing::namedChild<QPushButton>(dialog, "deleteButton"));
}

TEST(AlarmShowTest, EnterAtOnceDeletesAndEscapeDoesNotEndTheDialog)
{
    NotificationDialog dialog;
    EXPECT_EQ(announceAndAnswer(
                  dialog, "Tea",
                  [](NotificationDialog& shown) { QTest::keyClick(shown.focusWidget(), Qt::Key_Return); }),
              NotificationDialog::DeleteResult);

    bool visibleAfterEscape = false;
    const int result = announceAndAnswer(dialog, "Tea", [&](NotificationDialog& shown) {
        QTest::keyClick(shown.focusWidget(), Qt::Key_Escape);
        QTest::keyClick(&shown, Qt::Key_Escape);
        QApplication::processEvents();
        visibleAfterEscape = shown.isVisible();
        QTest::mouseClick(testing::namedChild<QPushButton>(shown, "snooze10MinutesButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(visibleAfterEscape);
    EXPECT_EQ(result, -10);
}

TEST(MissedAlarmsDialogTest, ListsEveryLineAndEnterKeepsWhileDeleteAllMustBeChosen)
{
    MissedAlarmsDialog dialog;
    int listed = 0;
    test::answerNextModal([&](QWidget*) {
        listed = testing::namedChild<QListWidget>(dialog, "missedList")->count();
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    EXPECT_FALSE(dialog.ask({"7:00 AM  Monday 6/1/26  Holiday", "7:00 AM  Tuesday 6/2/26  Holiday"}));
    EXPECT_EQ(listed, 2);
    test::answerNextModal([&](QWidget*) {
        QTest::mouseClick(testing::namedChild<QPushButton>(dialog, "deleteAllButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(dialog.ask({"7:00 AM  Monday 6/1/26  Holiday"}));
}

TEST(AlarmShowTest, CloseByTheWindowSystemGivesTwoAndTheDialogCanBeShownAgain)
{
    NotificationDialog dialog;
    EXPECT_EQ(announceAndAnswer(dialog, "Tea", [](NotificationDialog& shown) { shown.close(); }),
              NotificationDialog::SystemCloseResult);
    EXPECT_EQ(announceAndAnswer(dialog, "Tea",
                                [](NotificationDialog& shown) {
                                    QTest::mouseClick(
                                        testing::namedChild<QPushButton>(shown, "snooze1HourButton"),
                                        Qt::LeftButton);
                                }),
              -60);
}

// Rows of the image that hold dark (text) pixels.
std::vector<bool> inkedRows(const QImage& image)
{
    std::vector<bool> inked(static_cast<std::size_t>(image.height()), false);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                inked[static_cast<std::size_t>(y)] = true;
                break;
            }
        }
    }
    return inked;
}

TEST(AlarmShowTest, AHundredCharacterMessageWrapsInsideTheLabelAndTheRestIsCut)
{
    NotificationDialog dialog;
    QString message;
    while (message.size() < 100) {
        message += QStringLiteral("Wake up WWW ");
    }
    message.truncate(100);
    testing::namedChild<QLabel>(dialog, "message")->setText(message);
    dialog.show();
    QApplication::processEvents();

    // Whole, the text needs more height than the label has; the label keeps its size regardless.
    EXPECT_GT(testing::namedChild<QLabel>(dialog, "message")->heightForWidth(368), 44);
    EXPECT_EQ(testing::namedChild<QLabel>(dialog, "message")->size(), QSize(368, 44));
    EXPECT_EQ(dialog.size(), QSize(384, 239));

    // Drawn, it fills line after line from the top down to the label's bottom edge.
    const std::vector<bool> inked =
        inkedRows(testing::namedChild<QLabel>(dialog, "message")->grab().toImage());
    int bands = 0;
    for (std::size_t y = 0; y < inked.size(); ++y) {
        if (inked[y] && (y == 0 || !inked[y - 1])) {
            ++bands;
        }
    }
    EXPECT_GE(bands, 3);
    EXPECT_TRUE(inked.back() || inked[inked.size() - 2] || inked[inked.size() - 3]);
    dialog.hide();
}

} // namespace
} // namespace klaxora
