#include "store/alarm_store.h"

#include "store/date_time_text.h"
#include "store_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

namespace klaxora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace klaxora::testing;

class AlarmStoreTest : public StoreTest {
protected:
    AlarmId add(const std::string& time, const std::string& date, const std::string& message = "Tea",
                const std::string& wave = "", AlarmMode mode = amMessageAndSound)
    {
        return store.addAlarm(time, date, message, wave, mode);
    }
};

TEST_F(AlarmStoreTest, IdsCountUpFromOneAndFollowTheLargestStoredId)
{
    EXPECT_EQ(add("01:00pm", "06/10/2026"), 1);
    EXPECT_EQ(add("02:00pm", "06/11/2026"), 2);
    EXPECT_EQ(add("03:00pm", "06/12/2026"), 3);
    // Deleting the alarm with the largest id frees that id again; a gap in the middle is not refilled.
    store.deleteAlarm(2);
    EXPECT_EQ(add("04:00pm", "06/12/2026"), 3);
    store.deleteAlarm(0);
    EXPECT_EQ(add("05:00pm", "06/12/2026"), 4);
    EXPECT_THAT(baseIds(), ElementsAre(2, 3, 4));
    // An alarm of yesterday is kept as missed: stored and listed (first), never pending.
    EXPECT_EQ(add("01:00pm", "06/09/2026"), 5);
    EXPECT_THAT(baseIds(), ElementsAre(2, 3, 4, 5));
    EXPECT_THAT(rowIds(), ElementsAre(5, 2, 3, 4));
    EXPECT_TRUE(store.rows()[0].object.missed);
    EXPECT_FALSE(store.rows()[1].object.missed);
}

TEST_F(AlarmStoreTest, TodaysAlarmIsPendingUpToThirtySecondsLate)
{
    clock.set(at(2026, 6, 10, 12, 0, 0, 0));
    const AlarmId twentyLate = add("11:59:40am", "06/10/2026");
    const AlarmId exactlyThirty = add("11:59:30am", "06/10/2026");
    const AlarmId thirtyOneLate = add("11:59:29am", "06/10/2026");
    EXPECT_THAT(baseIds(), ElementsAre(twentyLate, exactlyThirty, thirtyOneLate));
    EXPECT_THAT(todayIds(), ElementsAre(twentyLate, exactlyThirty));
    // Later than that it is missed: listed, not pending.
    EXPECT_THAT(rowIds(), ElementsAre(thirtyOneLate, exactlyThirty, twentyLate));

    clock.set(at(2026, 6, 10, 12, 0, 0, 1));
    const AlarmId justOver = add("11:59:30am", "06/10/2026");
    EXPECT_EQ(store.findBaseAlarmForId(justOver), 3);
    EXPECT_EQ(store.findAlarmForId(justOver), -1);
    EXPECT_EQ(store.rows().count(), 4);
}

TEST_F(AlarmStoreTest, ShowTodayOnlyKeepsFutureAlarmsStoredButWithoutRow)
{
    store.setShowOnlyToday(true);
    const AlarmId tomorrow = add("09:00am", "06/11/2026");
    const AlarmId today = add("01:00pm", "06/10/2026");
    EXPECT_THAT(baseIds(), ElementsAre(tomorrow, today));
    EXPECT_THAT(todayIds(), ElementsAre(today));
    EXPECT_THAT(rowIds(), ElementsAre(today));
    store.deleteAlarm(0);
    EXPECT_THAT(baseIds(), ElementsAre(tomorrow));
    EXPECT_THAT(todayIds(), IsEmpty());
}

TEST_F(AlarmStoreTest, RowsStandInDateThenTimeOrderAndTheNewestFirstAmongEquals)
{
    const AlarmId first = add("03:00pm", "06/10/2026");
    const AlarmId tomorrowEarly = add("06:00am", "06/11/2026");
    const AlarmId todayLate = add("11:00pm", "06/10/2026");
    const AlarmId sameAsFirst = add("03:00pm", "06/10/2026");
    EXPECT_THAT(rowIds(), ElementsAre(sameAsFirst, first, todayLate, tomorrowEarly));
    EXPECT_EQ(observer.events(), "insert 0;end insert;insert 1;end insert;insert 1;end insert;"
                                 "insert 0;end insert;");
}

// The row order must be exactly what inserting row by row, walking from the first row, gives.
TEST_F(AlarmStoreTest, RowOrderMatchesTheWalkFromTheFirstRowForRandomAlarms)
{
    std::mt19937 random(7);
    struct Key {
        DateTime date, time;
        AlarmId id;
    };
    std::vector<Key> expected;
    for (int i = 0; i < 400; ++i) {
        const DateTime date = encodeDate(2026, 6, 10) + static_cast<int>(random() % 4);
        const DateTime time =
            encodeTime(13 + static_cast<int>(random() % 3), static_cast<int>(random() % 3) * 20, 0, 0);
        const AlarmId id = store.addAlarm(formatDateTime("hh:mmam/pm", time, formats.storage()),
                                          formatDateTime("mm/dd/yyyy", date, formats.storage()), "x", "", 0);
        std::size_t at = 0;
        while (at < expected.size() &&
               !(expected[at].date > date || (expected[at].date == date && expected[at].time >= time)))
            ++at;
        expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), Key{date, time, id});
        if (i % 5 == 4) {
            const int victim = static_cast<int>(random() % expected.size());
            store.deleteAlarm(victim);
            expected.erase(expected.begin() + victim);
        }
    }
    std::vector<AlarmId> expectedIds;
    for (const Key& key : expected)
        expectedIds.push_back(key.id);
    EXPECT_EQ(rowIds(), expectedIds);
    for (int i = 0; i < store.baseAlarmList().count(); ++i) {
        const AlarmId id = store.baseAlarmList()[i].id;
        EXPECT_EQ(store.findBaseAlarmForId(id), i);
    }
}

TEST_F(AlarmStoreTest, RowTextIsTheTrimmedMessageWithTimeAndDateInTheUsersFormat)
{
    add("9:05 AM", "6/15/26", "  Tea  ");
    add("12:00am", "06/16/2026", "   ");
    add("12:30pm", "06/17/2026", "Lunch");
    EXPECT_THAT(rowTexts(), ElementsAre("Tea...(09:05am   6/15/26)", "...(12:00am   6/16/26)",
                                        "Lunch...(12:30pm   6/17/26)"));
    EXPECT_EQ(store.baseAlarmList()[0].message, "  Tea  ") << "the record keeps the blanks";
    EXPECT_TRUE(store.rows()[0].object.futureDate);
}

TEST_F(AlarmStoreTest, ARepeatingAlarmIsDatedItsFirstOccurrenceToComeAndItsRowShowsTheDays)
{
    // Wednesday 10 June, noon. Starting on a passed Monday, the 11 o'clock of Monday to Friday comes
    // first on Thursday.
    store.addAlarm("11:00am", "06/08/2026", "Work", "", 0, RepeatDays::fromField("23456"));
    store.addAlarm("01:00pm", "06/10/2026", "Gym", "", 0, RepeatDays::fromField("4"));
    store.addAlarm("01:00pm", "06/20/2026", "Rest", "", 0, RepeatDays::fromField("712"));
    EXPECT_THAT(rowTexts(),
                ElementsAre("Gym...(01:00pm   6/10/26   Wed)", "Work...(11:00am   6/11/26   Mon\u2013Fri)",
                            "Rest...(01:00pm   6/20/26   Sun, Mon, Sat)"));
    EXPECT_THAT(todayIds(), ElementsAre(2));
    const auto days = [](int firstDay) {
        return repeatDaysText(RepeatDays::fromField("712"), FormatSettings().shortDayNames, firstDay, "-",
                              ",");
    };
    EXPECT_EQ(days(2), "Mon,Sat,Sun");
    EXPECT_EQ(days(7), "Sat-Mon") << "a run may go over the end of the week";
}

TEST_F(AlarmStoreTest, RecordsHoldAHundredCharactersOfUtf8WhileTheRowShowsAll)
{
    std::string message;
    for (int i = 0; i < 120; ++i)
        message += "é";
    const std::string path = "/sounds/" + std::string(300, 'w') + ".wav";
    add("01:00pm", "06/10/2026", message, path);
    const StoredAlarm& base = store.baseAlarmList()[0];
    EXPECT_EQ(base.message.size(), 200u) << "100 two-byte characters";
    EXPECT_EQ(base.waveFile, path.substr(0, 255));
    EXPECT_EQ(store.todayList()[0].message, base.message);
    EXPECT_EQ(store.rows()[0].text, message + "...(01:00pm   6/10/26)");

    // Text that is not UTF-8 is taken as Windows-1252.
    add("01:00pm", "06/10/2026", "Caf\xE9 \x80", "/sons/d\xE9j\xE0.wav");
    EXPECT_EQ(store.baseAlarmList()[1].message, "Café €");
    EXPECT_EQ(store.baseAlarmList()[1].waveFile, "/sons/déjà.wav");
}

TEST_F(AlarmStoreTest, DeletingAFutureRowRemovesItsStoredAlarmAndNothingElse)
{
    const AlarmId today = add("01:00pm", "06/10/2026");
    add("01:00pm", "06/11/2026");
    observer.clear();
    store.deleteAlarm(1);
    EXPECT_THAT(baseIds(), ElementsAre(today));
    EXPECT_THAT(todayIds(), ElementsAre(today));
    EXPECT_THAT(rowIds(), ElementsAre(today));
    EXPECT_EQ(observer.events(), "remove 1;end remove;");
    EXPECT_EQ(host.buttonUpdates, 1);
    EXPECT_FALSE(std::filesystem::exists(alarmFile())) << "DeleteAlarm leaves the writing to its callers";
    EXPECT_THROW(store.deleteAlarm(1), std::out_of_range);
    EXPECT_THROW(store.deleteAlarm(-1), std::out_of_range);
}

TEST_F(AlarmStoreTest, DeleteAlarmJustDoneSelectsTheFirstRowAndWritesTheFile)
{
    add("01:00pm", "06/10/2026", "one");
    add("02:00pm", "06/10/2026", "two");
    store.deleteAlarmJustDone(0);
    EXPECT_EQ(host.selected, 0);
    EXPECT_EQ(host.processedEvents, 2);
    EXPECT_EQ(alarmFileText(), "02:00pm^two^^3^06/10/2026^^0\r\n");

    host.selected = -1;
    store.deleteAlarmJustDone(0);
    EXPECT_EQ(host.selected, -1) << "no row left to select";
    EXPECT_EQ(alarmFileText(), "");
}

TEST_F(AlarmStoreTest, SearchesByIdFindOnlyPresentIds)
{
    for (const char* time : {"01:00pm", "02:00pm", "03:00pm"})
        add(time, "06/10/2026");
    store.removeTodayEntry(1);
    EXPECT_EQ(store.findAlarmForId(2), -1) << "fired and swept";
    EXPECT_EQ(store.findBaseAlarmForId(2), 1);
    EXPECT_EQ(store.findAlarmForId(3), 1);
    EXPECT_EQ(store.findAlarmForId(0), -1);
    EXPECT_EQ(store.findBaseAlarmForId(4), -1);
    EXPECT_THROW(store.removeTodayEntry(2), std::out_of_range);
}

TEST_F(AlarmStoreTest, TextsThatWouldNotReadBackOrConvertAreRefusedBeforeAnythingChanges)
{
    const auto errorOf = [this](const std::string& time, const std::string& date, const std::string& message,
                                const std::string& wave) -> std::string {
        try {
            add(time, date, message, wave);
        } catch (const std::exception& error) {
            return error.what();
        }
        return "accepted";
    };
    EXPECT_EQ(errorOf("01:00pm", "06/10/2026", "Tea ^ Milk", ""),
              "The alarm message cannot contain the character \"^\".");
    EXPECT_EQ(errorOf("01:00pm", "06/10/2026", "Tea\rMilk", ""),
              "The alarm message cannot contain a carriage return (character 13).");
    EXPECT_EQ(errorOf("01:00pm", "06/10/2026", "Tea\x1A", ""),
              "The alarm message cannot contain the end-of-file character Ctrl-Z (character 26).");
    EXPECT_EQ(errorOf("01:00pm", "06/10/2026", "Tea", "/snd/a\nb.wav"),
              "The sound file path cannot contain a line feed (character 10).");
    EXPECT_EQ(errorOf("7.30pm", "06/10/2026", "Tea", ""), "'7.30pm' is not a valid time");
    EXPECT_EQ(errorOf("07:30pm", "02/30/2026", "Tea", ""), "'02/30/2026' is not a valid date");
    EXPECT_THROW(add("01:00pm", "06/10/2026", "Tea", "", 3), AlarmInputError);
    EXPECT_THAT(baseIds(), IsEmpty());
    EXPECT_EQ(observer.events(), "");
}

class DayMonthYearUserTest : public StoreTest {
protected:
    static FormatSettings finnish()
    {
        FormatSettings user;
        user.shortDatePattern = "d/m/yyyy";
        user.dateSeparator = ".";
        user.timeSeparator = ".";
        return user;
    }
    DayMonthYearUserTest() : StoreTest(finnish()) {}
};

TEST_F(DayMonthYearUserTest, RowsUseTheUsersSeparatorsWhileTheFileKeepsTheStorageFormat)
{
    store.addAlarm("09:05am", "06/15/2026", "Tea", "", 1);
    EXPECT_EQ(store.rows()[0].text, "Tea...(09.05am   15.6.2026)");
    store.writeToDisk();
    EXPECT_EQ(alarmFileText(), "09:05am^Tea^^3^06/15/2026^^1\r\n");
    store.loadFromDisk();
    ASSERT_EQ(store.baseAlarmList().count(), 1);
    EXPECT_DOUBLE_EQ(store.baseAlarmList()[0].alarmDate, encodeDate(2026, 6, 15));
    EXPECT_EQ(alarmFileText(), "09:05am^Tea^^3^06/15/2026^^1\r\n");
}

} // namespace
} // namespace klaxora
