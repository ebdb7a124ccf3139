// The notification dialog: layout, texts, fonts, the answers of every button, and the keys and closes
// that must or must not end it.
#include "engine/alarm_show.h"
#include "support/modal_answer.h"

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace klaxora {
namespace {

struct ChoiceSpec {
    QPushButton* TAlarmShow::*button;
    const char* caption;
    const char* hint;
    QRect geometry;
    int modalResult;
};

// In tab order.
const ChoiceSpec kChoices[] = {
    {&TAlarmShow::b1min, "1 minute", "Add 1 minute to alarm time", {10, 29, 83, 23}, -1},
    {&TAlarmShow::b5min, "5 minutes", "Add 5 minutes to alarm time", {96, 29, 83, 23}, -5},
    {&TAlarmShow::b10min, "10 minutes", "Add 10 minutes to alarm time", {182, 29, 83, 23}, -10},
    {&TAlarmShow::b30min, "30 minutes", "Add 30 minutes to alarm time", {269, 29, 83, 23}, -30},
    {&TAlarmShow::b1hour, "1 hour", "Add 60 minutes to alarm time", {10, 62, 83, 23}, -60},
    {&TAlarmShow::b2hr, "2 hours", "Add 2 hours to alarm time", {96, 62, 83, 23}, -120},
    {&TAlarmShow::b4hr, "4 hours", "Add 4 hours to alarm time", {182, 62, 82, 23}, -240},
    {&TAlarmShow::b24hr, "24 hours", "Add 24 hours (one full day) to alarm time", {269, 62, 83, 23}, -1440},
    {&TAlarmShow::Okbutton, "Delete", "Terminate this alarm", {269, 95, 83, 35}, 1},
    {&TAlarmShow::BitBtn1, "1 week", "Add one full week  to alarm time", {10, 95, 83, 23}, -10080},
};

// Runs the dialog modally with `message`, lets `answer` act on it once it is up, returns the result.
int AnnounceAndAnswer(TAlarmShow& dialog, const QString& message, std::function<void(TAlarmShow&)> answer)
{
    test::AnswerNextModal([&dialog, answer](QWidget*) { answer(dialog); });
    return dialog.Announce(message);
}

TEST(AlarmShowTest, WindowIsAStayOnTopDialogWithoutSystemMenuOrCaptionButtons)
{
    TAlarmShow dialog;
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
    TAlarmShow dialog;
    EXPECT_EQ(dialog.AlarmMsg->geometry(), QRect(13, 9, 368, 44));
    EXPECT_EQ(dialog.Panel1->geometry(), QRect(10, 59, 361, 143));
    EXPECT_EQ(dialog.Label1->parentWidget(), dialog.Panel1);
    EXPECT_EQ(dialog.Label1->pos(), QPoint(10, 9));
    EXPECT_EQ(dialog.Label1->text(), "Remind me again in:");
    for (const ChoiceSpec& choice : kChoices) {
        const QPushButton* button = dialog.*choice.button;
        SCOPED_TRACE(choice.caption);
        EXPECT_EQ(button->parentWidget(), dialog.Panel1);
        EXPECT_EQ(button->text(), choice.caption);
        EXPECT_EQ(button->toolTip(), choice.hint);
        EXPECT_EQ(button->geometry(), choice.geometry);
    }
    for (std::size_t i = 0; i + 1 < std::size(kChoices); ++i) {
        EXPECT_EQ((dialog.*kChoices[i].button)->nextInFocusChain(), dialog.*kChoices[i + 1].button)
            << "tab order after " << kChoices[i].caption;
    }
}

TEST(AlarmShowTest, FontsAreArialAtTheirPixelSizesAndDeleteIsBoldRedAndDefault)
{
    TAlarmShow dialog;
    // fontconfig stands in a metric-compatible face for Arial, so that the captions fit as laid out.
    const QFontInfo small(dialog.b1min->font());
    EXPECT_EQ(small.pixelSize(), 11);
    EXPECT_TRUE(small.family() == "Arial" || small.family() == "Liberation Sans")
        << small.family().toStdString();

    const QFontInfo deleteFont(dialog.Okbutton->font());
    EXPECT_EQ(deleteFont.pixelSize(), 11);
    EXPECT_TRUE(deleteFont.bold());
    EXPECT_EQ(dialog.Okbutton->palette().color(QPalette::ButtonText), QColor(Qt::red));
    EXPECT_TRUE(dialog.Okbutton->isDefault());
}

TEST(AlarmShowTest, EveryButtonClosesWithItsModalResult)
{
    TAlarmShow dialog;
    for (const ChoiceSpec& choice : kChoices) {
        const int result = AnnounceAndAnswer(dialog, "Tea", [&choice](TAlarmShow& shown) {
            QTest::mouseClick(shown.*choice.button, Qt::LeftButton);
        });
        EXPECT_EQ(result, choice.modalResult) << choice.caption;
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(AlarmShowTest, ShowsTheMessageCentredOnTheScreenWithTheFocusOnDelete)
{
    TAlarmShow dialog;
    QString shownText;
    QWidget* focused = nullptr;
    QPoint centre;
    AnnounceAndAnswer(dialog, "Call the garage", [&](TAlarmShow& shown) {
        shownText = shown.AlarmMsg->text();
        focused = shown.focusWidget();
        centre = shown.frameGeometry().center();
        shown.b5min->setFocus(); // moved by the user; the next showing puts it back on Delete
        QTest::mouseClick(shown.Okbutton, Qt::LeftButton);
    });
    EXPECT_EQ(shownText, "Call the garage");
    EXPECT_EQ(focused, dialog.Okbutton);
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 2);

    AnnounceAndAnswer(dialog, "Again", [&](TAlarmShow& shown) {
        focused = shown.focusWidget();
        QTest::mouseClick(shown.Okbutton, Qt::LeftButton);
    });
    EXPECT_EQ(focused, dialog.Okbutton);
}

TEST(AlarmShowTest, EnterAtOnceDeletesAndEscapeDoesNotEndTheDialog)
{
    TAlarmShow dialog;
    EXPECT_EQ(
        AnnounceAndAnswer(dialog, "Tea",
                          [](TAlarmShow& shown) { QTest::keyClick(shown.focusWidget(), Qt::Key_Return); }),
        TAlarmShow::DeleteResult);

    bool visibleAfterEscape = false;
    const int result = AnnounceAndAnswer(dialog, "Tea", [&](TAlarmShow& shown) {
        QTest::keyClick(shown.focusWidget(), Qt::Key_Escape);
        QTest::keyClick(&shown, Qt::Key_Escape);
        QApplication::processEvents();
        visibleAfterEscape = shown.isVisible();
        QTest::mouseClick(shown.b10min, Qt::LeftButton);
    });
    EXPECT_TRUE(visibleAfterEscape);
    EXPECT_EQ(result, -10);
}

TEST(AlarmShowTest, CloseByTheWindowSystemGivesTwoAndTheDialogCanBeShownAgain)
{
    TAlarmShow dialog;
    EXPECT_EQ(AnnounceAndAnswer(dialog, "Tea", [](TAlarmShow& shown) { shown.close(); }),
              TAlarmShow::SystemCloseResult);
    EXPECT_EQ(AnnounceAndAnswer(dialog, "Tea",
                                [](TAlarmShow& shown) { QTest::mouseClick(shown.b1hour, Qt::LeftButton); }),
              -60);
}

// Rows of the image that hold dark (text) pixels.
std::vector<bool> InkedRows(const QImage& image)
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
    TAlarmShow dialog;
    QString message;
    while (message.size() < 100) {
        message += QStringLiteral("Wake up WWW ");
    }
    message.truncate(100);
    dialog.AlarmMsg->setText(message);
    dialog.show();
    QApplication::processEvents();

    // Whole, the text needs more height than the label has; the label keeps its size regardless.
    EXPECT_GT(dialog.AlarmMsg->heightForWidth(368), 44);
    EXPECT_EQ(dialog.AlarmMsg->size(), QSize(368, 44));
    EXPECT_EQ(dialog.size(), QSize(384, 239));

    // Drawn, it fills line after line from the top down to the label's bottom edge.
    const std::vector<bool> inked = InkedRows(dialog.AlarmMsg->grab().toImage());
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
