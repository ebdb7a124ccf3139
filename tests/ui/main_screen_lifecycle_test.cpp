// The main window's life: the first activation for each kind of start, minimising to the task bar or
// into the notification area and back, the tray setting, and closing after the question.
#include "controls/qx_tray_icon.h"
#include "message_box_answer.h"
#include "ui/alarm_list_view.h"
#include "ui/main_screen_test_support.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace klaxora::test {
namespace {

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

TEST_F(MainScreenTest, NormalStartShowsTheWindowAndSwitchesTheTimerOnOnce)
{
    Prepare(TwoFutureAlarms, WithTray(true));
    TMainScreen& screen = Create(false, true);
    EXPECT_FALSE(screen.FirstActivatePending());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(IsMinimized(screen));
    EXPECT_FALSE(TrayIconShown());
    EXPECT_TRUE(screen.Engine().alarmTimer().IsActive());
    EXPECT_TRUE(button("editAlarmButton")->isEnabled()) << "Setbuttons ran";
    EXPECT_EQ(screen.focusWidget(), alarmList());
    EXPECT_EQ(alarmList()->SelectedRow(), 0);

    screen.hide();
    screen.FormActivate();
    QApplication::processEvents();
    EXPECT_FALSE(screen.isVisible()) << "the first activation runs once: a later one decides nothing";
}

TEST_F(MainScreenTest, MinimisedStartWithTrayGoesIntoTheNotificationArea)
{
    Prepare(TwoFutureAlarms, WithTray(true));
    TMainScreen& screen = Create(true, true);
    EXPECT_FALSE(screen.isVisible()) << "hidden: no task-bar button";
    EXPECT_TRUE(TrayIconShown());
    EXPECT_TRUE(screen.Engine().alarmTimer().IsActive());

    // A click on the icon (or "&Show Alarms") brings the window back and removes the icon.
    action("trayShowAlarmsAction")->trigger();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(IsMinimized(screen));
    EXPECT_FALSE(TrayIconShown());
    EXPECT_TRUE(screen.Engine().alarmTimer().IsActive());
}

TEST_F(MainScreenTest, MinimisedStartWithoutNotificationAreaOrTraySettingGoesToTheTaskBar)
{
    Prepare(TwoFutureAlarms, WithTray(true));
    TMainScreen& screen = Create(true, false);
    EXPECT_TRUE(IsMinimized(screen));
    EXPECT_TRUE(trayCalls.empty());
    EXPECT_TRUE(screen.Engine().alarmTimer().IsActive());

    // "&Minimize" goes to the task bar there too.
    screen.showNormal();
    emit button("minimizeButton")->clicked();
    EXPECT_TRUE(IsMinimized(screen));
    EXPECT_TRUE(trayCalls.empty());

    // So does a minimised start with the tray setting off, where there is a notification area.
    window.reset();
    Prepare(TwoFutureAlarms, WithTray(false));
    TMainScreen& untrayed = Create(true, true);
    EXPECT_TRUE(IsMinimized(untrayed));
    EXPECT_FALSE(TrayIconShown());
    EXPECT_TRUE(untrayed.Engine().alarmTimer().IsActive());
}

TEST_F(MainScreenTest, MinimizeButtonFollowsTheTraySettingOfTheMoment)
{
    Prepare(TwoFutureAlarms, WithTray(false));
    TMainScreen& screen = Create(false, true);

    // Turning the setting on moves nothing but is saved at once.
    action("useTrayAction")->trigger();
    EXPECT_TRUE(action("useTrayAction")->isChecked());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(IsMinimized(screen));
    EXPECT_TRUE(LoadPreferences(fileSystem, folder.Path()).UseTray);

    button("minimizeButton")->clicked();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(TrayIconShown());
    action("trayShowAlarmsAction")->trigger();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(TrayIconShown());

    action("useTrayAction")->trigger();
    EXPECT_FALSE(LoadPreferences(fileSystem, folder.Path()).UseTray);
    emit button("minimizeButton")->clicked();
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

TEST_F(MainScreenTest, CloseAsksAndNoKeepsEverything)
{
    Prepare(TwoFutureAlarms);
    TMainScreen& screen = Create();
    const std::string fileBefore = AlarmFileText();
    QSignalSpy closed(&screen, &TMainScreen::Closed);

    const auto seen = AnswerNextMessageBox(QMessageBox::No);
    button("exitButton")->clicked();
    EXPECT_EQ(seen->caption, "Confirm");
    EXPECT_EQ(seen->text, "Exit program (alarms will no longer be active)?");
    EXPECT_EQ(seen->icon, QMessageBox::Question);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(screen.Store().Rows().Count(), 2);
    EXPECT_EQ(AlarmFileText(), fileBefore);
    EXPECT_TRUE(screen.Engine().alarmTimer().IsActive());

    AnswerNextMessageBox(QMessageBox::Yes);
    action("exitAction")->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(MainScreenTest, ExitFromTheTrayMenuAsksAndNoLeavesItInTheTray)
{
    Prepare(TwoFutureAlarms, WithTray(true));
    TMainScreen& screen = Create(true, true);
    ASSERT_TRUE(TrayIconShown());
    QSignalSpy closed(&screen, &TMainScreen::Closed);

    const auto seen = AnswerNextMessageBox(QMessageBox::No);
    action("trayExitAction")->trigger();
    EXPECT_EQ(seen->text, "Exit program (alarms will no longer be active)?");
    EXPECT_EQ(closed.count(), 0);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(TrayIconShown());
}

TEST_F(MainScreenTest, AnUnreadableAlarmFileIsToldAndTheWindowRunsOnUntilTheTickReadsIt)
{
    Prepare(TwoFutureAlarms);
    fileSystem.FailAt(klaxora::testing::FileStep::Read, EACCES);
    const auto seen = AnswerNextMessageBox();
    TMainScreen& screen = Create();
    EXPECT_EQ(seen->text, "File access denied.");
    EXPECT_EQ(screen.windowTitle(), "Klaxora! - the alarm file could not be read");
    EXPECT_EQ(alarmList()->model()->rowCount(), 0);
    EXPECT_EQ(AlarmFileText(), TwoFutureAlarms);

    fileSystem.Heal();
    screen.Engine().tick();
    EXPECT_EQ(alarmList()->model()->rowCount(), 2);
    // The caption follows at the next tick.
    screen.Engine().tick();
    EXPECT_EQ(screen.windowTitle(), "Klaxora!");
    EXPECT_EQ(AlarmFileText(), TwoFutureAlarms);
}

} // namespace
} // namespace klaxora::test
