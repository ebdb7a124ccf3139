// The main window's life: the first activation for each kind of start, minimising to the task bar or
// into the notification area and back, the tray setting, and closing after the question.
#include "controls/qx_tray_icon.h"
#include "support/modal_answer.h"
#include "ui/main_screen_test_support.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace klaxora::test {
namespace {

const char* const TwoFutureAlarms = "10:00am^Dentist^^3^06/12/2026^^0\r\n"
                                    "11:00am^Market^^3^06/13/2026^^0\r\n";

Preferences WithTray(bool useTray)
{
    Preferences preferences;
    preferences.UseTray = useTray;
    return preferences;
}

bool IsMinimized(const QWidget& window)
{
    return window.windowState().testFlag(Qt::WindowMinimized);
}

TEST_F(MainScreenTest, NormalStartShowsTheWindowAndSwitchesTheTimerOn)
{
    Prepare(TwoFutureAlarms, WithTray(true));
    TMainScreen& screen = Create(false, true);
    EXPECT_FALSE(screen.FirstActivatePending());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(IsMinimized(screen));
    EXPECT_FALSE(TrayIconShown());
    EXPECT_TRUE(screen.Engine().Timer1().IsActive());
    EXPECT_TRUE(screen.EditAlarmButton->isEnabled()) << "Setbuttons ran";
}

TEST_F(MainScreenTest, MinimisedStartWithTrayGoesIntoTheNotificationArea)
{
    Prepare(TwoFutureAlarms, WithTray(true));
    TMainScreen& screen = Create(true, true);
    EXPECT_FALSE(screen.isVisible()) << "hidden: no task-bar button";
    EXPECT_TRUE(TrayIconShown());
    EXPECT_TRUE(screen.Engine().Timer1().IsActive());

    // A click on the icon (or "&Show Alarms") brings the window back and removes the icon.
    screen.ShowAlarms1->trigger();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(IsMinimized(screen));
    EXPECT_FALSE(TrayIconShown());
    EXPECT_TRUE(screen.Engine().Timer1().IsActive());
}

TEST_F(MainScreenTest, MinimisedStartWithoutNotificationAreaGoesToTheTaskBar)
{
    Prepare(TwoFutureAlarms, WithTray(true));
    TMainScreen& screen = Create(true, false);
    EXPECT_TRUE(IsMinimized(screen));
    EXPECT_TRUE(trayLog.empty());
    EXPECT_TRUE(screen.Engine().Timer1().IsActive());

    // "&Minimize" goes to the task bar there too.
    screen.showNormal();
    screen.MinimizeButtonClick();
    EXPECT_TRUE(IsMinimized(screen));
    EXPECT_TRUE(trayLog.empty());
}

TEST_F(MainScreenTest, MinimisedStartWithTraySettingOffGoesToTheTaskBar)
{
    Prepare(TwoFutureAlarms, WithTray(false));
    TMainScreen& screen = Create(true, true);
    EXPECT_TRUE(IsMinimized(screen));
    EXPECT_FALSE(TrayIconShown());
    EXPECT_TRUE(screen.Engine().Timer1().IsActive());
}

TEST_F(MainScreenTest, FirstActivationRunsOnce)
{
    Prepare(TwoFutureAlarms);
    TMainScreen& screen = Create();
    screen.hide();
    screen.FormActivate();
    QApplication::processEvents();
    EXPECT_FALSE(screen.isVisible()) << "a later activation decides nothing";
}

TEST_F(MainScreenTest, MinimizeButtonFollowsTheTraySettingOfTheMoment)
{
    Prepare(TwoFutureAlarms, WithTray(false));
    TMainScreen& screen = Create(false, true);

    // Turning the setting on moves nothing but is saved at once.
    screen.mnuUseTray->trigger();
    EXPECT_TRUE(screen.mnuUseTray->isChecked());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(IsMinimized(screen));
    EXPECT_TRUE(LoadPreferences(fileSystem, folder.Path()).UseTray);

    screen.Minimizebutton->clicked();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(TrayIconShown());
    screen.TrayIconClick();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(TrayIconShown());

    screen.mnuUseTray->trigger();
    EXPECT_FALSE(LoadPreferences(fileSystem, folder.Path()).UseTray);
    screen.MinimizeButtonClick();
    EXPECT_TRUE(IsMinimized(screen));
    EXPECT_FALSE(TrayIconShown());
}

TEST_F(MainScreenTest, HideToTrayMessageHidesTheWindow)
{
    Prepare(TwoFutureAlarms);
    TMainScreen& screen = Create();
    QApplication::postEvent(&screen, new QEvent(TMainScreen::WM_HIDETOTRAY));
    EXPECT_TRUE(screen.isVisible()) << "posted: it waits in the queue";
    QApplication::processEvents();
    EXPECT_FALSE(screen.isVisible());
}

struct SeenQuestion {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

void Answer(SeenQuestion& seen, QMessageBox::StandardButton press)
{
    AnswerNextModal([&seen, press](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon()};
        box->button(press)->click();
    });
}

TEST_F(MainScreenTest, CloseAsksAndNoKeepsEverything)
{
    Prepare(TwoFutureAlarms);
    TMainScreen& screen = Create();
    const std::string fileBefore = AlarmFileText();
    QSignalSpy closed(&screen, &TMainScreen::Closed);

    SeenQuestion seen;
    Answer(seen, QMessageBox::No);
    screen.Exitbutton->clicked();
    EXPECT_EQ(seen.caption, "Confirm");
    EXPECT_EQ(seen.text, "Exit program (alarms will no longer be active)?");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(screen.Store().Rows().Count(), 2);
    EXPECT_EQ(AlarmFileText(), fileBefore);
    EXPECT_TRUE(screen.Engine().Timer1().IsActive());

    Answer(seen, QMessageBox::Yes);
    screen.mnuExit->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(MainScreenTest, ExitFromTheTrayMenuAsksAndNoLeavesItInTheTray)
{
    Prepare(TwoFutureAlarms, WithTray(true));
    TMainScreen& screen = Create(true, true);
    ASSERT_TRUE(TrayIconShown());
    QSignalSpy closed(&screen, &TMainScreen::Closed);

    SeenQuestion seen;
    Answer(seen, QMessageBox::No);
    screen.Exit1->trigger();
    EXPECT_EQ(seen.text, "Exit program (alarms will no longer be active)?");
    EXPECT_EQ(closed.count(), 0);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(TrayIconShown());
}

TEST_F(MainScreenTest, UnreadableAlarmFileStopsTheStartAndLeavesTheFileAlone)
{
    Prepare(TwoFutureAlarms);
    fileSystem.FailAt(klaxora::testing::FileStep::Read, EACCES);
    EXPECT_THROW(Create(), std::exception);
    EXPECT_EQ(AlarmFileText(), TwoFutureAlarms);
}

} // namespace
} // namespace klaxora::test
