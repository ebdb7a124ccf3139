// The main window's life: the first activation for each kind of start, minimising to the task bar or
// into the notification area and back, the tray setting, and closing after the question.
#include "controls/tray_icon.h"
#include "message_box_answer.h"
#include "sync/calendar_journal.h"
#include "ui/alarm_list_view.h"
#include "ui/main_screen_test_support.h"

#include <QAction>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace klaxora::test {
namespace {

Preferences withTray(bool useTray)
{
    Preferences preferences;
    preferences.useTray = useTray;
    return preferences;
}

bool isMinimized(const QWidget& window)
{
    return window.windowState().testFlag(Qt::WindowMinimized);
}

TEST_F(MainScreenTest, NormalStartShowsTheWindowAndSwitchesTheTimerOnOnce)
{
    prepare(TwoFutureAlarms, withTray(true));
    MainScreen& screen = create(false, true);
    EXPECT_FALSE(screen.firstActivatePending());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(isMinimized(screen));
    EXPECT_FALSE(trayIconShown());
    EXPECT_TRUE(screen.engine().alarmTimer().isActive());
    EXPECT_TRUE(button("editAlarmButton")->isEnabled()) << "the buttons were updated";
    EXPECT_EQ(screen.focusWidget(), alarmList());
    EXPECT_EQ(alarmList()->selectedRow(), 0);

    screen.hide();
    screen.formActivate();
    QApplication::processEvents();
    EXPECT_FALSE(screen.isVisible()) << "the first activation runs once: a later one decides nothing";
}

TEST_F(MainScreenTest, MinimisedStartWithTrayGoesIntoTheNotificationArea)
{
    prepare(TwoFutureAlarms, withTray(true));
    MainScreen& screen = create(true, true);
    EXPECT_FALSE(screen.isVisible()) << "hidden: no task-bar button";
    EXPECT_TRUE(trayIconShown());
    EXPECT_TRUE(screen.engine().alarmTimer().isActive());

    // A click on the icon (or "&Show Alarms") brings the window back and removes the icon.
    action("trayShowAlarmsAction")->trigger();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(isMinimized(screen));
    EXPECT_FALSE(trayIconShown());
    EXPECT_TRUE(screen.engine().alarmTimer().isActive());
}

TEST_F(MainScreenTest, MinimisedStartWithoutNotificationAreaOrTraySettingGoesToTheTaskBar)
{
    prepare(TwoFutureAlarms, withTray(true));
    MainScreen& screen = create(true, false);
    EXPECT_TRUE(isMinimized(screen));
    EXPECT_TRUE(trayCalls.empty());
    EXPECT_TRUE(screen.engine().alarmTimer().isActive());

    // "&Minimize" goes to the task bar there too.
    screen.showNormal();
    emit button("minimizeButton")->clicked();
    EXPECT_TRUE(isMinimized(screen));
    EXPECT_TRUE(trayCalls.empty());

    // So does a minimised start with the tray setting off, where there is a notification area.
    window.reset();
    prepare(TwoFutureAlarms, withTray(false));
    MainScreen& untrayed = create(true, true);
    EXPECT_TRUE(isMinimized(untrayed));
    EXPECT_FALSE(trayIconShown());
    EXPECT_TRUE(untrayed.engine().alarmTimer().isActive());
}

TEST_F(MainScreenTest, MinimizeButtonFollowsTheTraySettingOfTheMoment)
{
    prepare(TwoFutureAlarms, withTray(false));
    MainScreen& screen = create(false, true);

    // Turning the setting on moves nothing but is saved at once.
    action("useTrayAction")->trigger();
    EXPECT_TRUE(action("useTrayAction")->isChecked());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(isMinimized(screen));
    EXPECT_TRUE(loadPreferences(fileSystem, folder.path()).useTray);

    button("minimizeButton")->clicked();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(trayIconShown());
    action("trayShowAlarmsAction")->trigger();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(trayIconShown());

    action("useTrayAction")->trigger();
    EXPECT_FALSE(loadPreferences(fileSystem, folder.path()).useTray);
    emit button("minimizeButton")->clicked();
    EXPECT_TRUE(isMinimized(screen));
    EXPECT_FALSE(trayIconShown());
}

TEST_F(MainScreenTest, HideToTrayMessageHidesTheWindow)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    QApplication::postEvent(&screen, new QEvent(MainScreen::HideToTrayEvent));
    EXPECT_TRUE(screen.isVisible()) << "posted: it waits in the queue";
    QApplication::processEvents();
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(MainScreenTest, CloseAsksAndNoKeepsEverything)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    const std::string fileBefore = alarmFileText();
    QSignalSpy closed(&screen, &MainScreen::closed);

    const auto seen = answerNextMessageBox(QMessageBox::No);
    button("exitButton")->clicked();
    EXPECT_EQ(seen->caption, "Confirm");
    EXPECT_EQ(seen->text, "Exit program (alarms will no longer be active)?");
    EXPECT_EQ(seen->icon, QMessageBox::Question);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(screen.store().rows().count(), 2);
    EXPECT_EQ(alarmFileText(), fileBefore);
    EXPECT_TRUE(screen.engine().alarmTimer().isActive());

    answerNextMessageBox(QMessageBox::Yes);
    action("exitAction")->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(MainScreenTest, ExitFromTheTrayMenuAsksAndNoLeavesItInTheTray)
{
    prepare(TwoFutureAlarms, withTray(true));
    MainScreen& screen = create(true, true);
    ASSERT_TRUE(trayIconShown());
    QSignalSpy closed(&screen, &MainScreen::closed);

    const auto seen = answerNextMessageBox(QMessageBox::No);
    action("trayExitAction")->trigger();
    EXPECT_EQ(seen->text, "Exit program (alarms will no longer be active)?");
    EXPECT_EQ(closed.count(), 0);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(trayIconShown());
}

TEST_F(MainScreenTest, WithoutAKeyringTheFirstActivationAsksForTheCalendarPasswordWithoutBlockingAndSyncs)
{
    // A port on this computer that nothing listens on.
    writeCalendarJournal(fileSystem, calendarJournalPath(folder.path()),
                         {{"http://127.0.0.1:1/alice/alarms/", "alice", false}, {}, {}});
    MainScreen& screen = create();
    QInputDialog* question = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (question = screen.findChild<QInputDialog*>()) != nullptr; }));
    EXPECT_EQ(question->labelText(), "Password for alice at 127.0.0.1");
    EXPECT_FALSE(question->isModal());
    question->setTextValue("secret");
    question->accept();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return screen.windowTitle() == "Klaxora! - the calendar cannot be reached"; }));
}

TEST_F(MainScreenTest, AnUnreadableAlarmFileIsToldAndTheWindowRunsOnUntilTheTickReadsIt)
{
    prepare(TwoFutureAlarms);
    fileSystem.failAt(klaxora::testing::FileStep::Read, EACCES);
    const auto seen = answerNextMessageBox();
    MainScreen& screen = create();
    EXPECT_EQ(seen->text, "File access denied.");
    EXPECT_EQ(screen.windowTitle(), "Klaxora! - the alarm file could not be read");
    EXPECT_EQ(alarmList()->model()->rowCount(), 0);
    EXPECT_EQ(alarmFileText(), TwoFutureAlarms);

    fileSystem.heal();
    screen.engine().tick();
    EXPECT_EQ(alarmList()->model()->rowCount(), 2);
    // The caption follows at the next tick.
    screen.engine().tick();
    EXPECT_EQ(screen.windowTitle(), "Klaxora!");
    EXPECT_EQ(alarmFileText(), TwoFutureAlarms);
}

} // namespace
} // namespace klaxora::test
