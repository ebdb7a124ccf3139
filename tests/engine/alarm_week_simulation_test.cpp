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

using test::At;

constexpr double MsPerDay = 86400000.0;

long long Ms(TDateTime value)
{
    return std::llround(value * MsPerDay);
}

// What the writer must have put into the file for what memory holds.
std::string FileFor(const AlarmStore& store)
{
    const FormatSettings& storage = store.Formats().Storage();
    std::string text;
    for (int i = 0; i < store.BaseAlarmList().Count(); ++i) {
        const TBaseAlarm& alarm = store.BaseAlarmList()[i];
        text += FormatDateTime("hh:mmam/pm", alarm.AlarmTime, storage) + "^" + alarm.Message + "^^3^" +
                FormatDateTime("mm/dd/yyyy", alarm.AlarmDate, storage) + "^" + alarm.WaveFile + "^" +
                std::to_string(alarm.AlarmMode) + "\r\n";
    }
    return text;
}

int AlarmNumber(const std::string& message)
{
    return std::stoi(message.substr(message.find(' ') + 1));
}

class WeekSimulation {
public:
    explicit WeekSimulation(unsigned seed) : random_(seed) {}

    void Run()
    {
        CreateAlarms();
        rig_.host.answer = [this](const std::string& message) { return Answer(message); };
        const TDateTime end = start_ + 7;
        while (rig_.clock.Now() < end && !::testing::Test::HasFatalFailure()) {
            TickAndCheck();
            rig_.clock.Set(NextTime(rig_.clock.Now()));
        }
        // Whatever fell due in the last steps is announced by the ticks that follow.
        for (int i = 0; i < 2000 && OverdueCount() > 0 && !::testing::Test::HasFatalFailure(); ++i) {
            TickAndCheck();
            rig_.clock.AdvanceSeconds(1);
        }
        EXPECT_EQ(OverdueCount(), 0) << "alarms that fell due but were never announced";
        EXPECT_GT(announced_, 300);
        EXPECT_GT(snoozed_, 100);
        EXPECT_TRUE(jumped_);
    }

private:
    void CreateAlarms()
    {
        const FormatSettings& storage = rig_.store.Formats().Storage();
        std::string file;
        auto add = [&](int n, TDateTime due) {
            const int mode = static_cast<int>(random_() % 3);
            file += FormatDateTime("hh:mmam/pm", due, storage) + "^Alarm " + std::to_string(n) + "^^3^" +
                    FormatDateTime("mm/dd/yyyy", due, storage) + "^alarm-" + std::to_string(n) + ".wav^" +
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
        rig_.files.SetContents(rig_.store.AlarmFilePath(), file);
        rig_.store.LoadFromDisk();
    }

    // Mostly about a second, now and then minutes or hours; midnight is crossed in small steps except
    // for the one jump.
    TDateTime NextTime(TDateTime now)
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
        TDateTime next = now + seconds / 86400;
        const TDateTime midnight = std::floor(now) + 1;
        if (next >= midnight && std::floor(now) + 1 != jumpNight_) {
            next = std::min(next, midnight + 1.5 / 86400);
            next = std::max(next, now + 0.4 / 86400);
        }
        if (!jumped_ && next >= jumpNight_ - 1.0 / 24) {
            next = jumpNight_ - 1.0 / 24;
        }
        return next;
    }

    int Answer(const std::string& message)
    {
        static const int answers[] = {1, 2, -1, -5, -10, -30, -60, -120, -240, -1440, -10080};
        const int answer = answers[random_() % std::size(answers)];
        answeredAt_ = rig_.clock.Now() + std::uniform_real_distribution<double>(0, 90)(random_) / 86400;
        rig_.clock.Set(answeredAt_);
        answered_ = AlarmNumber(message);
        answer_ = answer;
        return answer;
    }

    void TickAndCheck()
    {
        const TDateTime tickAt = rig_.clock.Now();
        const TDateTime loadedDate = rig_.store.LoadedDate();
        const std::size_t messages = rig_.host.messages.size();
        const std::size_t sounds = rig_.host.sounds.size();
        const int writes = rig_.files.completedWrites;
        answered_ = 0;
        rig_.tick.run();

        ASSERT_TRUE(rig_.timer.enabled);
        ASSERT_TRUE(rig_.host.errors.empty());
        ASSERT_LE(rig_.host.messages.size() - messages, 1U);
        ASSERT_LE(rig_.host.sounds.size() - sounds, 1U);
        int n = 0;
        if (rig_.host.messages.size() > messages) {
            n = AlarmNumber(rig_.host.messages.back());
        } else if (rig_.host.sounds.size() > sounds) {
            const std::string& sound = rig_.host.sounds.back();
            n = std::stoi(sound.substr(6, sound.size() - 10)); // alarm-<n>.wav
        }
        const bool reloaded = rig_.store.LoadedDate() != loadedDate;
        if (n != 0) {
            CheckAnnouncement(n, tickAt, reloaded);
        }
        if (reloaded) {
            // The reload reads whole minutes back from the file.
            for (auto& [number, due] : due_) {
                due = std::floor(due * 1440 + 1e-7) / 1440;
            }
        }
        if (n != 0 || rig_.files.completedWrites != writes || reloaded) {
            ASSERT_EQ(rig_.AlarmFile(), FileFor(rig_.store)) << "after the tick at " << tickAt;
        }
    }

    void CheckAnnouncement(int n, TDateTime tickAt, bool reloaded)
    {
        const auto outstanding = due_.find(n);
        ASSERT_NE(outstanding, due_.end()) << "alarm " << n << " announced again at " << tickAt;
        ASSERT_LE(Ms(outstanding->second), Ms(tickAt)) << "alarm " << n << " announced early";
        due_.erase(outstanding);
        ++announced_;
        if (answered_ != n || answer_ >= 0) {
            return;
        }
        // A snooze is a new alarm with the same message, m minutes of 0.000694445 day after the answer,
        // in whole seconds; whole minutes if the tick's reload has read it back from the file already.
        long long expected = Ms(answeredAt_ + -answer_ * 0.000694445);
        expected -= expected % (reloaded ? 60000 : 1000);
        bool found = false;
        for (int i = 0; i < rig_.store.BaseAlarmList().Count(); ++i) {
            const TBaseAlarm& alarm = rig_.store.BaseAlarmList()[i];
            const TDateTime back = alarm.AlarmDate + alarm.AlarmTime;
            // An alarm missed across midnight stays stored, already past, until the next day's reload.
            if (alarm.Message == "Alarm " + std::to_string(n) && back > tickAt) {
                ASSERT_FALSE(found) << "alarm " << n << " snoozed twice";
                ASSERT_NEAR(static_cast<double>(Ms(back)), static_cast<double>(expected), 1.0)
                    << "alarm " << n;
                due_[n] = back;
                found = true;
                ++snoozed_;
            }
        }
        ASSERT_TRUE(found) << "snooze of alarm " << n << " lost";
    }

    int OverdueCount() const
    {
        int overdue = 0;
        for (const auto& [number, due] : due_) {
            overdue += Ms(due) <= Ms(rig_.clock.Now()) ? 1 : 0;
        }
        return overdue;
    }

    std::mt19937 random_;
    const TDateTime start_ = At(2026, 6, 8, 6, 0);
    const TDateTime jumpNight_ = EncodeDate(2026, 6, 11);
    test::TickRig rig_{start_};
    std::map<int, TDateTime> due_; // alarm number -> when it is due
    int answered_ = 0;
    int answer_ = 0;
    TDateTime answeredAt_ = 0;
    int announced_ = 0;
    int snoozed_ = 0;
    bool jumped_ = false;
};

class AlarmWeekSimulationTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(AlarmWeekSimulationTest, EveryAlarmIsAnnouncedOncePerDueTimeAndNeverEarly)
{
    WeekSimulation(GetParam()).Run();
}

INSTANTIATE_TEST_SUITE_P(Seeds, AlarmWeekSimulationTest, ::testing::Values(1U, 2U, 3U));

} // namespace
} // namespace klaxora
