// A week of ticks in a few hundred milliseconds: a few hundred random alarms, random answers and
// reaction times, and a clock that moves in uneven steps, once jumping two hours across midnight.
// Every alarm and every snooze must be announced exactly once, never before it is due, and the file
// must always hold what memory holds.
#include "engine/alarm_tick.h"
#include "engine/tick_test_support.h"
#include "store/date_time_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <string>

namespace klaxora {
namespace {

using test::at;

constexpr double MsPerDay = 86400000.0;

long long ms(DateTime value)
{
    return std::llround(value * MsPerDay);
}

// What the writer must have put into the file for what memory holds.
std::string fileFor(const AlarmStore& store)
{
    const FormatSettings& storage = store.formats().storage();
    std::string text;
    for (int i = 0; i < store.baseAlarmList().count(); ++i) {
        const StoredAlarm& alarm = store.baseAlarmList()[i];
        text += formatDateTime("hh:mmam/pm", alarm.alarmTime, storage) + "^" + alarm.message + "^^3^" +
                formatDateTime("mm/dd/yyyy", alarm.alarmDate, storage) + "^" + alarm.waveFile + "^" +
                std::to_string(alarm.alarmMode) + "\r\n";
    }
    return text;
}

int alarmNumber(const std::string& message)
{
    // "Alarm <n>", under the "Missed:" line when told late.
    return std::stoi(message.substr(message.rfind("Alarm ") + 6));
}

class WeekSimulation {
public:
    explicit WeekSimulation(unsigned seed) : random_(seed) {}

    void run()
    {
        createAlarms();
        rig_.host.answer = [this](const std::string& message) { return answer(message); };
        rig_.host.deleteAllMissed = true;
        const DateTime end = start_ + 7;
        while (rig_.clock.now() < end && !::testing::Test::HasFatalFailure()) {
            tickAndCheck();
            rig_.clock.set(nextTime(rig_.clock.now()));
        }
        // Whatever fell due in the last steps is announced by the ticks that follow.
        for (int i = 0; i < 2000 && overdueCount() > 0 && !::testing::Test::HasFatalFailure(); ++i) {
            tickAndCheck();
            rig_.clock.advanceSeconds(1);
        }
        EXPECT_EQ(overdueCount(), 0) << "alarms that fell due but were never announced";
        EXPECT_GT(announced_, 300);
        EXPECT_GT(snoozed_, 100);
        EXPECT_TRUE(jumped_);
    }

private:
    void createAlarms()
    {
        const FormatSettings& storage = rig_.store.formats().storage();
        std::string file;
        auto add = [&](int n, DateTime due) {
            const int mode = static_cast<int>(random_() % 3);
            file += formatDateTime("hh:mmam/pm", due, storage) + "^Alarm " + std::to_string(n) + "^^3^" +
                    formatDateTime("mm/dd/yyyy", due, storage) + "^alarm-" + std::to_string(n) + ".wav^" +
                    std::to_string(mode) + "\r\n";
            due_[n] = std::floor(due * 1440 + 1e-7) / 1440; // the file keeps whole minutes
        };
        std::uniform_real_distribution<double> when(start_ + 2.0 / 1440, start_ + 7 - 1.0 / 24);
        for (int n = 1; n <= 300; ++n) {
            add(n, when(random_));
        }
        // Some on both sides of the midnight that the clock jumps over.
        for (int n = 301; n <= 310; ++n) {
            add(n, jumpNight_ + (n - 306) * 10.0 / 1440);
        }
        rig_.files.setContents(rig_.store.alarmFilePath(), file);
        rig_.store.loadFromDisk();
    }

    // Mostly about a second, now and then minutes or hours; midnight is crossed in small steps except
    // for the one jump.
    DateTime nextTime(DateTime now)
    {
        if (!jumped_ && now >= jumpNight_ - 1.0 / 24) {
            jumped_ = true;
            return now + 2.0 / 24;
        }
        std::uniform_real_distribution<double> unit(0, 1);
        const double pick = unit(random_);
        double seconds = 0.4 + 1.6 * unit(random_);
        if (pick > 0.98) {
            seconds = 1800 + 5400 * unit(random_);
        } else if (pick > 0.90) {
            seconds = 300 + 1500 * unit(random_);
        } else if (pick > 0.70) {
            seconds = 2 + 298 * unit(random_);
        }
        DateTime next = now + seconds / 86400;
        const DateTime midnight = std::floor(now) + 1;
        if (next >= midnight && std::floor(now) + 1 != jumpNight_) {
            next = std::min(next, midnight + 1.5 / 86400);
            next = std::max(next, now + 0.4 / 86400);
        }
        if (!jumped_ && next >= jumpNight_ - 1.0 / 24) {
            next = jumpNight_ - 1.0 / 24;
        }
        return next;
    }

    int answer(const std::string& message)
    {
        static const int answers[] = {1, 2, -1, -5, -10, -30, -60, -120, -240, -1440, -10080};
        const int answer = answers[random_() % std::size(answers)];
        answeredAt_ = rig_.clock.now() + std::uniform_real_distribution<double>(0, 90)(random_) / 86400;
        rig_.clock.set(answeredAt_);
        answered_ = alarmNumber(message);
        answer_ = answer;
        return answer;
    }

    void tickAndCheck()
    {
        const DateTime tickAt = rig_.clock.now();
        const DateTime loadedDate = rig_.store.loadedDate();
        const std::size_t messages = rig_.host.messages.size();
        const std::size_t sounds = rig_.host.sounds.size();
        const std::size_t batches = rig_.host.missedTogether.size();
        const int writes = rig_.files.completedWrites;
        answered_ = 0;
        rig_.tick.run();

        ASSERT_TRUE(rig_.timer.enabled);
        ASSERT_TRUE(rig_.host.errors.empty());
        ASSERT_LE(rig_.host.messages.size() - messages, 1U);
        ASSERT_LE(rig_.host.sounds.size() - sounds, 1U);
        int n = 0;
        if (rig_.host.messages.size() > messages) {
            n = alarmNumber(rig_.host.messages.back());
        } else if (rig_.host.sounds.size() > sounds) {
            const std::string& sound = rig_.host.sounds.back();
            n = std::stoi(sound.substr(6, sound.size() - 10)); // alarm-<n>.wav
        }
        const bool reloaded = rig_.store.loadedDate() != loadedDate;
        if (n != 0) {
            checkAnnouncement(n, tickAt, reloaded);
        }
        // Many missed at once are told, and deleted, together.
        if (rig_.host.missedTogether.size() > batches) {
            for (const std::string& line : rig_.host.missedTogether.back()) {
                const auto outstanding = due_.find(alarmNumber(line));
                ASSERT_TRUE(outstanding != due_.end() && ms(outstanding->second) <= ms(tickAt)) << line;
                due_.erase(outstanding);
                ++announced_;
            }
        }
        if (reloaded) {
            // The reload reads whole minutes back from the file.
            for (auto& [number, due] : due_) {
                due = std::floor(due * 1440 + 1e-7) / 1440;
            }
        }
        if (n != 0 || rig_.files.completedWrites != writes || reloaded) {
            ASSERT_EQ(rig_.alarmFile(), fileFor(rig_.store)) << "after the tick at " << tickAt;
        }
    }

    void checkAnnouncement(int n, DateTime tickAt, bool reloaded)
    {
        const auto outstanding = due_.find(n);
        ASSERT_NE(outstanding, due_.end()) << "alarm " << n << " announced again at " << tickAt;
        ASSERT_LE(ms(outstanding->second), ms(tickAt)) << "alarm " << n << " announced early";
        due_.erase(outstanding);
        ++announced_;
        if (answered_ != n || answer_ >= 0) {
            return;
        }
        // A snooze is a new alarm with the same message, m minutes of 0.000694445 day after the answer,
        // in whole seconds; whole minutes if the tick's reload has read it back from the file already.
        long long expected = ms(answeredAt_ + -answer_ * 0.000694445);
        expected -= expected % (reloaded ? 60000 : 1000);
        bool found = false;
        for (int i = 0; i < rig_.store.baseAlarmList().count(); ++i) {
            const StoredAlarm& alarm = rig_.store.baseAlarmList()[i];
            const DateTime back = alarm.alarmDate + alarm.alarmTime;
            if (alarm.message == "Alarm " + std::to_string(n) && back > tickAt) {
                ASSERT_FALSE(found) << "alarm " << n << " snoozed twice";
                ASSERT_NEAR(static_cast<double>(ms(back)), static_cast<double>(expected), 1.0)
                    << "alarm " << n;
                due_[n] = back;
                found = true;
                ++snoozed_;
            }
        }
        ASSERT_TRUE(found) << "snooze of alarm " << n << " lost";
    }

    int overdueCount() const
    {
        int overdue = 0;
        for (const auto& [number, due] : due_) {
            overdue += ms(due) <= ms(rig_.clock.now()) ? 1 : 0;
        }
        return overdue;
    }

    std::mt19937 random_;
    const DateTime start_ = at(2026, 6, 8, 6, 0);
    const DateTime jumpNight_ = encodeDate(2026, 6, 11);
    test::TickRig rig_{start_};
    std::map<int, DateTime> due_; // alarm number -> when it is due
    int answered_ = 0;
    int answer_ = 0;
    DateTime answeredAt_ = 0;
    int announced_ = 0;
    int snoozed_ = 0;
    bool jumped_ = false;
};

class AlarmWeekSimulationTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(AlarmWeekSimulationTest, EveryAlarmIsAnnouncedOncePerDueTimeAndNeverEarly)
{
    WeekSimulation(GetParam()).run();
}

INSTANTIATE_TEST_SUITE_P(Seeds, AlarmWeekSimulationTest, ::testing::Values(1U, 2U, 3U));

} // namespace
} // namespace klaxora
