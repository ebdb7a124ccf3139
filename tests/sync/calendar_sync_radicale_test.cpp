// Two programs with homes of their own syncing their alarms through one Radicale calendar on loopback.
#include "store/store_test_support.h"
#include "sync/caldav_collection_reader.h"
#include "sync/caldav_own_calendar.h"
#include "sync/calendar_sync.h"
#include "sync/radicale_test.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace klaxora {
namespace {

using klaxora::testing::at;
using test::waitFor;

// Friday 6 March 2026, 9:00 on both machines.
const DateTime Now = at(2026, 3, 6, 9, 0);

struct Home {
    explicit Home(const QUrl& calendar)
    {
        restart();
        sync->connectTo({calendar.toString().toStdString(), "alice", false}, test::RadicaleServer::password);
    }
    // As the program's next start: the sync has only what "Calendar.dat" says.
    void restart()
    {
        sync.reset();
        sync = std::make_unique<CalendarSync>(store, clock, fileSystem,
                                              CalendarSyncSetup{folder.path().toStdString(),
                                                                "Europe/Berlin",
                                                                [] { return std::string(); },
                                                                [this] { store.writeToDisk(); },
                                                                {}});
        sync->setPassword(test::RadicaleServer::password);
    }

    CalendarSyncReport syncOnce()
    {
        return waitFor<CalendarSyncReport>([&](auto done) {
            QObject::connect(sync.get(), &CalendarSync::finished, sync.get(), done, Qt::SingleShotConnection);
            sync->syncNow();
        });
    }
    void add(const std::string& message, const std::string& time, const std::string& date,
             RepeatDays repeat = {})
    {
        store.addAlarm(time, date, message, "", amMessageAndSound, repeat);
        store.writeToDisk();
    }
    // As the editor changes an alarm: its identity stays.
    void edit(const std::string& message, const std::string& time, const std::string& date,
              const std::string& changed)
    {
        const StoredAlarm old = *find(message);
        store.deleteAlarm(rowOf(message));
        store.addAlarm(time, date, changed, "", amMessageAndSound, old.repeatDays, old.uid);
    }
    const StoredAlarm* find(const std::string& message) const
    {
        const auto& alarms = store.baseAlarmList();
        for (int i = 0; i < alarms.count(); ++i)
            if (alarms[i].message == message)
                return &alarms[i];
        return nullptr;
    }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> all;
        for (int i = 0; i < store.baseAlarmList().count(); ++i)
            all.push_back(store.baseAlarmList()[i].message);
        std::sort(all.begin(), all.end());
        return all;
    }
    int rowOf(const std::string& message) const
    {
        for (int i = 0; i < store.rows().count(); ++i)
            if (store.rows()[i].object.id == find(message)->id)
                return i;
        return -1;
    }

    FakeClock clock{Now};
    DateTimeFormats formats{klaxora::testing::usUser()};
    QTemporaryDir folder;
    PosixFileSystem fileSystem;
    AlarmStore store{clock, formats, folder.path().toStdString(), fileSystem};
    std::unique_ptr<CalendarSync> sync;
};

class CalendarSyncRadicaleTest : public test::RadicaleTest {
protected:
    void SetUp() override
    {
        RadicaleTest::SetUp();
        if (IsSkipped())
            return;
        calendar = freshCalendar();
        a = std::make_unique<Home>(calendar);
        b = std::make_unique<Home>(calendar);
    }
    // The calendar as another client reads it.
    CalDavChanges serverCalendar()
    {
        CalDavCollectionReader reader(transport);
        const auto read = waitFor<CalDavChanges>([&](auto done) { reader.read(calendar, {}, {}, done); });
        EXPECT_EQ(read.error, "");
        return read;
    }
    qsizetype eventsOnServer() { return serverCalendar().changed.size(); }

    QUrl calendar;
    std::unique_ptr<Home> a, b;
};

TEST_F(CalendarSyncRadicaleTest, AddedOnAShowsOnBAnsweredOnBIsGoneFromAWithoutRingingAndNothingDoubles)
{
    a->add("Dentist", "10:00am", "03/06/2026");
    a->add("Weekdays", "07:30am", "03/06/2026", RepeatDays::fromField("23456"));
    a->add("Missed while off", "08:00am", "03/06/2026");
    ASSERT_EQ(a->syncOnce().error, "");
    const CalendarSyncReport taken = b->syncOnce();
    ASSERT_EQ(taken.error, "");
    EXPECT_EQ(taken.received, 2);
    EXPECT_EQ(b->messages(), (std::vector<std::string>{"Dentist", "Weekdays"}));
    // The repeat came as a repeat, at its next day: Monday.
    EXPECT_EQ(b->find("Weekdays")->repeatDays, RepeatDays::fromField("23456"));
    EXPECT_EQ(b->find("Weekdays")->alarmDate, at(2026, 3, 9, 0, 0));
    ASSERT_EQ(b->store.todayList().count(), 1);

    b->store.deleteAlarmJustDone(b->rowOf("Dentist"));
    ASSERT_EQ(b->syncOnce().error, "");
    const CalendarSyncReport gone = a->syncOnce();
    EXPECT_EQ(gone.removed, 1);
    EXPECT_EQ(a->messages(), (std::vector<std::string>{"Missed while off", "Weekdays"}));
    EXPECT_EQ(a->store.todayList().count(), 0) << "it would still ring on A";
    // Ten syncs with nothing changed: nothing sent, nothing doubled anywhere.
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(a->syncOnce().sent + b->syncOnce().sent, 0) << "sync " << i;
    }
    EXPECT_EQ(b->messages(), (std::vector<std::string>{"Weekdays"}));
    EXPECT_EQ(eventsOnServer(), 1);
}

// Made by another calendar program: a single event is gone from the server once answered here; a monthly
// series, which the alarm holds only the next occurrence of, stays.
TEST_F(CalendarSyncRadicaleTest, AnAnsweredEventFromElsewhereIsDeletedThereButASeriesStays)
{
    CalDavWriter writer(transport);
    const auto put = [&](const QString& uid, const QString& summary, const QByteArray& rule) {
        QByteArray text = test::eventText(uid, summary);
        text.replace("DTSTART:20260102T080000Z\r\n", "DTSTART:20260306T150000Z\r\n" + rule);
        text.replace("END:VEVENT", "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:" + summary.toUtf8() +
                                       "\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VEVENT");
        return waitFor<CalDavWriteResult>(
                   [&](auto done) { writer.create(CalDavWriter::objectUrl(calendar, uid), text, done); })
            .outcome;
    };
    ASSERT_EQ(put("dentist@other", "Dentist", ""), CalDavWriteResult::Outcome::Done);
    ASSERT_EQ(put("board@other", "Board meeting", "RRULE:FREQ=MONTHLY\r\n"),
              CalDavWriteResult::Outcome::Done);
    ASSERT_EQ(a->syncOnce().received, 2);
    ASSERT_EQ(a->store.todayList().count(), 2);

    a->store.deleteAlarmJustDone(a->rowOf("Dentist"));
    a->store.deleteAlarmJustDone(a->rowOf("Board meeting"));
    ASSERT_EQ(a->syncOnce().error, "");
    const CalDavChanges left = serverCalendar();
    ASSERT_EQ(left.changed.size(), 1);
    EXPECT_TRUE(left.changed[0].icalendar.contains("RRULE:FREQ=MONTHLY"));
    ASSERT_EQ(a->syncOnce().error, "");
    EXPECT_EQ(a->messages(), std::vector<std::string>{}) << "the answered occurrence came back";
}

TEST_F(CalendarSyncRadicaleTest, EditsOnBothWhileTheServerIsDownGiveBothVersionsOnBothOnceItRuns)
{
    a->add("Meeting", "10:00am", "03/07/2026");
    ASSERT_EQ(a->syncOnce().error, "");
    ASSERT_EQ(b->syncOnce().error, "");
    server->stop();
    a->edit("Meeting", "11:00am", "03/07/2026", "Meeting at eleven");
    b->edit("Meeting", "10:00am", "03/08/2026", "Meeting on Sunday");
    EXPECT_NE(a->syncOnce().error, "");
    EXPECT_EQ(a->messages(), std::vector<std::string>{"Meeting at eleven"}) << "the failure changed nothing";

    server->start();
    ASSERT_EQ(server->failure(), "");
    ASSERT_EQ(a->syncOnce().error, "");
    EXPECT_EQ(b->syncOnce().conflicts, 1);
    ASSERT_EQ(a->syncOnce().error, "");
    const std::vector<std::string> both{"Conflict copy: Meeting on Sunday", "Meeting at eleven"};
    EXPECT_EQ(a->messages(), both);
    EXPECT_EQ(b->messages(), both);
    EXPECT_EQ(eventsOnServer(), 2);
}

TEST_F(CalendarSyncRadicaleTest, DeletedOnOneSideAndEditedOnTheOtherIsKeptWithTheEdit)
{
    a->add("Call", "10:00am", "03/07/2026");
    ASSERT_EQ(a->syncOnce().error, "");
    ASSERT_EQ(b->syncOnce().error, "");
    a->store.deleteAlarm(a->rowOf("Call"));
    b->edit("Call", "10:30am", "03/07/2026", "Call later");
    ASSERT_EQ(a->syncOnce().error, "");
    ASSERT_EQ(b->syncOnce().error, "");
    ASSERT_EQ(a->syncOnce().error, "");
    EXPECT_EQ(a->messages(), std::vector<std::string>{"Call later"});
    EXPECT_EQ(b->messages(), std::vector<std::string>{"Call later"});
}

TEST_F(CalendarSyncRadicaleTest, ARepeatChangedOnTheServerJustBeforeItsChangeFromHereKeepsBoth)
{
    a->add("Gym", "06:00pm", "03/06/2026", RepeatDays::fromField("246"));
    ASSERT_EQ(a->syncOnce().error, "");
    a->edit("Gym", "07:00pm", "03/06/2026", "Gym later");
    // Another client changes it after this program's read and before its write: the write is refused
    // (412), and the program learns of the change only from that answer.
    CalDavChanges before = serverCalendar();
    ASSERT_EQ(before.changed.size(), 1);
    CalDavObject other = before.changed[0];
    other.icalendar.replace("SUMMARY:Gym", "SUMMARY:Swim");
    CalDavWriter writer(transport);
    ASSERT_EQ(waitFor<CalDavWriteResult>([&](auto done) {
                  writer.change(other.url, other.etag, other.icalendar, done);
              }).outcome,
              CalDavWriteResult::Outcome::Done);
    const std::string path = calendarJournalPath(a->folder.path().toStdString());
    CalendarJournal journal = *readCalendarJournal(a->fileSystem, path);
    journal.syncToken = serverCalendar().syncToken.toStdString();
    writeCalendarJournal(a->fileSystem, path, journal);
    a->restart();

    EXPECT_EQ(a->syncOnce().conflicts, 1);
    ASSERT_EQ(a->syncOnce().error, "");
    const std::vector<std::string> both{"Conflict copy: Gym later", "Swim"};
    EXPECT_EQ(a->messages(), both);
    EXPECT_EQ(a->find("Swim")->repeatDays, RepeatDays::fromField("246"));
    EXPECT_EQ(eventsOnServer(), 2);
}

TEST_F(CalendarSyncRadicaleTest, TheServerKilledDuringASyncLosesNothingAndTheNextSyncFinishes)
{
    for (int i = 0; i < 150; ++i)
        a->store.addAlarm("10:00am", "03/07/2026", "Alarm " + std::to_string(i), "", amMessageAndSound);
    a->store.writeToDisk();
    std::optional<CalendarSyncReport> cut;
    QObject::connect(a->sync.get(), &CalendarSync::finished,
                     [&cut](const CalendarSyncReport& report) { cut = report; });
    a->sync->syncNow();
    QTest::qWait(300);
    server->stop(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cut.has_value(); }, 60000));
    EXPECT_NE(cut->error, "") << "the kill came after the sync";
    QObject::disconnect(a->sync.get(), &CalendarSync::finished, nullptr, nullptr);

    server->start();
    ASSERT_EQ(server->failure(), "");
    ASSERT_EQ(a->syncOnce().error, "");
    ASSERT_EQ(b->syncOnce().error, "");
    EXPECT_EQ(a->store.baseAlarmList().count(), 150);
    EXPECT_EQ(b->store.baseAlarmList().count(), 150);
    EXPECT_EQ(eventsOnServer(), 150);
}

} // namespace
} // namespace klaxora
