// The engine as a window uses it: the alarm timer and its tick, the one notification dialog, the sound switch
// and the error box, with the real dialog on the offscreen platform.
#include "engine/alarm_engine.h"
#include "engine/engine_surroundings.h"
#include "support/modal_answer.h"
#include "support/named_child.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace klaxora {
namespace {

class AlarmEngineTest : public ::testing::Test, protected test::EngineSurroundings {
protected:
    bool played() const
    {
        return std::any_of(sound->log.begin(), sound->log.end(),
                           [](const std::string& entry) { return entry.rfind("play ", 0) == 0; });
    }

    AlarmEngine engine{store, clock, preferences, window, std::make_unique<test::FakeSoundBackend>(sound)};
};

TEST_F(AlarmEngineTest, TimerOneTicksEverySecondOnceSwitchedOn)
{
    EXPECT_EQ(engine.alarmTimer().timer().interval(), 1000);
    EXPECT_FALSE(engine.alarmTimer().isActive());
    engine.alarmTimer().switchOn();
    EXPECT_TRUE(engine.alarmTimer().isActive());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window.clockText.isEmpty(); }, 2500));
    EXPECT_EQ(window.clockText, "12:00:00pm");
    EXPECT_TRUE(engine.alarmTimer().isActive());
}

TEST_F(AlarmEngineTest, ADueAlarmIsAnnouncedInTheDialogWithTheTimerOffAndItsAnswerCarriedOut)
{
    engine.alarmTimer().switchOn();
    store.addAlarm("12:00pm", "06/10/2026", "Tea", "/nowhere/tea.wav", amMessageAndSound);
    bool timerOffWhileShown = false;
    QString shownMessage;
    test::answerNextModal([&](QWidget* modal) {
        EXPECT_EQ(modal, &engine.alarmShow());
        timerOffWhileShown = !engine.alarmTimer().isActive();
        shownMessage = testing::namedChild<QLabel>(engine.alarmShow(), "message")->text();
        QTest::mouseClick(testing::namedChild<QPushButton>(engine.alarmShow(), "snooze5MinutesButton"),
                          Qt::LeftButton);
    });
    engine.tick();
    EXPECT_TRUE(timerOffWhileShown);
    EXPECT_EQ(shownMessage, "Tea");
    EXPECT_TRUE(played());
    ASSERT_EQ(store.todayList().count(), 1);
    EXPECT_EQ(store.todayList()[0].alarmTime, encodeTime(12, 5, 0, 0));
    EXPECT_EQ(window.clockText, "12:00:00pm");
    EXPECT_GE(window.repaints, 1);
    EXPECT_TRUE(engine.alarmTimer().isActive());
}

TEST_F(AlarmEngineTest, NoAlarmSoundSilencesAlarmsButNotTheDialog)
{
    preferences.noAlarmSound = true;
    store.addAlarm("12:00pm", "06/10/2026", "Quiet tea", "", amMessageAndSound);
    store.addAlarm("12:00pm", "06/10/2026", "Quiet bell", "", amSoundOnly);
    bool shown = false;
    test::answerNextModal([&](QWidget*) {
        shown = true;
        QTest::mouseClick(testing::namedChild<QPushButton>(engine.alarmShow(), "deleteButton"),
                          Qt::LeftButton);
    });
    engine.tick();
    engine.tick();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(played());
    EXPECT_EQ(store.baseAlarmList().count(), 0);
}

TEST_F(AlarmEngineTest, AFailureInATickReachesTheErrorBox)
{
    store.addAlarm("12:00pm", "06/10/2026", "Bell", "", amSoundOnly);
    files.failWrites = true;
    engine.tick();
    ASSERT_EQ(window.errors.size(), 1U);
    EXPECT_FALSE(window.errors[0].isEmpty());
    EXPECT_TRUE(engine.alarmTimer().isActive());
}

} // namespace
} // namespace klaxora
