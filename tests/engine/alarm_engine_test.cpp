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
    bool Played() const
    {
        return std::any_of(sound->log.begin(), sound->log.end(),
                           [](const std::string& entry) { return entry.rfind("play ", 0) == 0; });
    }

    AlarmEngine engine{store, clock, preferences, window, std::make_unique<test::FakeSoundBackend>(sound)};
};

TEST_F(AlarmEngineTest, TimerOneTicksEverySecondOnceSwitchedOn)
{
    EXPECT_EQ(engine.alarmTimer().Timer().interval(), 1000);
    EXPECT_FALSE(engine.alarmTimer().IsActive());
    engine.alarmTimer().SwitchOn();
    EXPECT_TRUE(engine.alarmTimer().IsActive());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window.clockText.isEmpty(); }, 2500));
    EXPECT_EQ(window.clockText, "12:00:00pm");
    EXPECT_TRUE(engine.alarmTimer().IsActive());
}

TEST_F(AlarmEngineTest, ADueAlarmIsAnnouncedInTheDialogWithTheTimerOffAndItsAnswerCarriedOut)
{
    engine.alarmTimer().SwitchOn();
    store.AddAlarm("12:00pm", "06/10/2026", "Tea", "/nowhere/tea.wav", amMessageAndSound);
    bool timerOffWhileShown = false;
    QString shownMessage;
    test::AnswerNextModal([&](QWidget* modal) {
        EXPECT_EQ(modal, &engine.AlarmShow());
        timerOffWhileShown = !engine.alarmTimer().IsActive();
        shownMessage = testing::namedChild<QLabel>(engine.AlarmShow(), "message")->text();
        QTest::mouseClick(testing::namedChild<QPushButton>(engine.AlarmShow(), "snooze5MinutesButton"),
                          Qt::LeftButton);
    });
    engine.tick();
    EXPECT_TRUE(timerOffWhileShown);
    EXPECT_EQ(shownMessage, "Tea");
    EXPECT_TRUE(Played());
    ASSERT_EQ(store.TodayList().Count(), 1);
    EXPECT_EQ(store.TodayList()[0].AlarmTime, EncodeTime(12, 5, 0, 0));
    EXPECT_EQ(window.clockText, "12:00:00pm");
    EXPECT_GE(window.repaints, 1);
    EXPECT_TRUE(engine.alarmTimer().IsActive());
}

TEST_F(AlarmEngineTest, NoAlarmSoundSilencesAlarmsButNotTheDialog)
{
    preferences.NoAlarmSound = true;
    store.AddAlarm("12:00pm", "06/10/2026", "Quiet tea", "", amMessageAndSound);
    store.AddAlarm("12:00pm", "06/10/2026", "Quiet bell", "", amSoundOnly);
    bool shown = false;
    test::AnswerNextModal([&](QWidget*) {
        shown = true;
        QTest::mouseClick(testing::namedChild<QPushButton>(engine.AlarmShow(), "deleteButton"),
                          Qt::LeftButton);
    });
    engine.tick();
    engine.tick();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Played());
    EXPECT_EQ(store.BaseAlarmList().Count(), 0);
}

TEST_F(AlarmEngineTest, AFailureInATickReachesTheErrorBox)
{
    store.AddAlarm("12:00pm", "06/10/2026", "Bell", "", amSoundOnly);
    files.failWrites = true;
    engine.tick();
    ASSERT_EQ(window.errors.size(), 1U);
    EXPECT_FALSE(window.errors[0].isEmpty());
    EXPECT_TRUE(engine.alarmTimer().IsActive());
}

} // namespace
} // namespace klaxora
