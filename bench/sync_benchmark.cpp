// The calendar sync against Radicale on loopback: a calendar of 1,000 alarms taken in by a program that
// has none yet (the first sync), and a sync with nothing changed.
#include "bench_store.h"
#include "store/alarm_store.h"
#include "store/clock.h"
#include "store/date_time.h"
#include "store/file_system.h"
#include "sync/caldav_discovery.h"
#include "sync/calendar_sync.h"
#include "sync/radicale_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

namespace klaxora::bench {
namespace {

struct Home {
    explicit Home(const QUrl& calendar)
    {
        sync.connectTo({calendar.toString().toStdString(), "alice", false}, test::RadicaleServer::password);
    }
    // Seconds the sync took, or none when it failed.
    std::optional<double> syncOnce()
    {
        std::optional<CalendarSyncReport> report;
        QObject::connect(&sync, &CalendarSync::finished, &sync,
                         [&report](const CalendarSyncReport& done) { report = done; });
        QElapsedTimer timer;
        timer.start();
        sync.syncNow();
        (void)QTest::qWaitFor([&] { return report.has_value(); }, 120000);
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        QObject::disconnect(&sync, &CalendarSync::finished, nullptr, nullptr);
        if (!report || !report->error.isEmpty())
            return std::nullopt;
        return seconds;
    }

    FakeClock clock{encodeDate(2026, 6, 10) + encodeTime(12, 0, 0, 0)};
    DateTimeFormats formats{usUserSettings()};
    QTemporaryDir folder;
    PosixFileSystem fileSystem;
    AlarmStore store{clock, formats, folder.path().toStdString(), fileSystem};
    CalendarSync sync{store, clock, fileSystem,
                      CalendarSyncSetup{folder.path().toStdString(),
                                        "Europe/Berlin",
                                        [] { return std::string(); },
                                        [this] { store.writeToDisk(); },
                                        {}}};
};

// One server and one calendar of 1,000 alarms for all runs, filled by a program's own first sync.
const QUrl& filledCalendar()
{
    static test::RadicaleServer server;
    static QUrl calendar;
    if (calendar.isEmpty() && server.failure().isEmpty()) {
        CalDavTransport transport({}, {"alice", test::RadicaleServer::password});
        CalDavDiscovery discovery(transport);
        // The account's home appears with its first request.
        bool made = false;
        discovery.makeCalendar(server.url("/alice/"), "Bench", [&](const CalDavCalendarMade& result) {
            calendar = result.calendar.url;
            made = true;
        });
        if (!QTest::qWaitFor([&] { return made; }, 20000))
            return calendar;
        Home home(calendar);
        for (int i = 0; i < 1000; ++i) {
            char time[16];
            std::snprintf(time, sizeof time, "%02d:%02dpm", 1 + i % 11, i % 60);
            home.store.addAlarm(time, "06/" + std::to_string(11 + i % 19) + "/2026",
                                "Alarm number " + std::to_string(i), "/home/user/Sounds/ring.wav", 0);
        }
        if (!home.syncOnce())
            calendar.clear();
    }
    return calendar;
}

void BM_FirstSync(benchmark::State& state)
{
    const QUrl& calendar = filledCalendar();
    if (calendar.isEmpty()) {
        state.SkipWithError("no Radicale calendar to sync with");
        return;
    }
    for (auto _ : state) {
        Home home(calendar);
        const std::optional<double> seconds = home.syncOnce();
        if (!seconds || home.store.baseAlarmList().count() != 1000) {
            state.SkipWithError("the sync failed or missed alarms");
            return;
        }
        state.SetIterationTime(*seconds);
    }
}
BENCHMARK(BM_FirstSync)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_UnchangedSync(benchmark::State& state)
{
    const QUrl& calendar = filledCalendar();
    if (calendar.isEmpty()) {
        state.SkipWithError("no Radicale calendar to sync with");
        return;
    }
    Home home(calendar);
    home.syncOnce();
    for (auto _ : state) {
        const std::optional<double> seconds = home.syncOnce();
        if (!seconds) {
            state.SkipWithError("the sync failed");
            return;
        }
        state.SetIterationTime(*seconds);
    }
}
BENCHMARK(BM_UnchangedSync)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace klaxora::bench

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
