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
    AlarmId Add(const std::string& time, const std::string& date, const std::string& message = "Tea",
                const std::string& wave = "", TAlarmMode mode = amMessageAndSound)
    {
        return store.AddAlarm(time, date, message, wave, mode);
    }
};

TEST_F(AlarmStoreTest, IdsCountUpFromOneAndFollowTheLargestStoredId)
{
    EXPECT_EQ(Add("01:00pm", "06/10/2026"), 1);
    EXPECT_EQ(Add("02:00pm", "06/11/2026"), 2);
    EXPECT_EQ(Add("03:00pm", "06/12/2026"), 3);
    // Deleting the alarm with the largest id frees that id again; a gap in the middle is not refilled.
    store.DeleteAlarm(2);
    EXPECT_EQ(Add("04:00pm", "06/12/2026"), 3);
    store.DeleteAlarm(0);
    EXPECT_EQ(Add("05:00pm", "06/12/2026"), 4);
    EXPECT_THAT(BaseIds(), ElementsAre(2, 3, 4));
    // An alarm for yesterday adds nothing but still answers with the next id.
    EXPECT_EQ(Add("01:00pm", "06/09/2026"), 5);
    EXPECT_THAT(BaseIds(), ElementsAre(2, 3, 4));
    EXPECT_EQ(store.Rows().Count(), 3);
}

TEST_F(AlarmStoreTest, TodaysAlarmIsPendingUpToThirtySecondsLate)
{
    clock.Set(At(2026, 6, 10, 12, 0, 0, 0));
    const AlarmId twentyLate = Add("11:59:40am", "06/10/2026");
    const AlarmId exactlyThirty = Add("11:59:30am", "06/10/2026");
    const AlarmId thirtyOneLate = Add("11:59:29am", "06/10/2026");
    EXPECT_THAT(BaseIds(), ElementsAre(twentyLate, exactlyThirty, thirtyOneLate));
    EXPECT_THAT(TodayIds(), ElementsAre(twentyLate, exactlyThirty));
    EXPECT_THAT(RowIds(), ElementsAre(exactlyThirty, twentyLate));

    clock.Set(At(2026, 6, 10, 12, 0, 0, 1));
    const AlarmId justOver = Add("11:59:30am", "06/10/2026");
    EXPECT_EQ(store.FindBaseAlarmForId(justOver), 3);
    EXPECT_EQ(store.FindAlarmForId(justOver), -1);
    EXPECT_EQ(store.Rows().Count(), 2);
}

TEST_F(AlarmStoreTest, ShowTodayOnlyKeepsFutureAlarmsStoredButWithoutRow)
{
    store.SetShowOnlyToday(true);
    const AlarmId tomorrow = Add("09:00am", "06/11/2026");
    const AlarmId today = Add("01:00pm", "06/10/2026");
    EXPECT_THAT(BaseIds(), ElementsAre(tomorrow, today));
    EXPECT_THAT(TodayIds(), ElementsAre(today));
    EXPECT_THAT(RowIds(), ElementsAre(today));
    store.DeleteAlarm(0);
    EXPECT_THAT(BaseIds(), ElementsAre(tomorrow));
    EXPECT_THAT(TodayIds(), IsEmpty());
}

TEST_F(AlarmStoreTest, RowsStandInDateThenTimeOrderAndTheNewestFirstAmongEquals)
{
    const AlarmId first = Add("03:00pm", "06/10/2026");
    const AlarmId tomorrowEarly = Add("06:00am", "06/11/2026");
    const AlarmId todayLate = Add("11:00pm", "06/10/2026");
    const AlarmId sameAsFirst = Add("03:00pm", "06/10/2026");
    EXPECT_THAT(RowIds(), ElementsAre(sameAsFirst, first, todayLate, tomorrowEarly));
    EXPECT_EQ(observer.Events(), "insert 0;end insert;insert 1;end insert;insert 1;end insert;"
                                 "insert 0;end insert;");
}

// The row order must be exactly what inserting row by row, walking from the first row, gives.
TEST_F(AlarmStoreTest, RowOrderMatchesTheWalkFromTheFirstRowForRandomAlarms)
{
    std::mt19937 random(7);
    struct Key {
        TDateTime date, time;
        AlarmId id;
    };
    std::vector<Key> expected;
    for (int i = 0; i < 400; ++i) {
        const TDateTime date = EncodeDate(2026, 6, 10) + static_cast<int>(random() % 4);
        const TDateTime time =
            EncodeTime(13 + static_cast<int>(random() % 3), static_cast<int>(random() % 3) * 20, 0, 0);
        const AlarmId id = store.AddAlarm(FormatDateTime("hh:mmam/pm", time, formats.Storage()),
                                          FormatDateTime("mm/dd/yyyy", date, formats.Storage()), "x", "", 0);
        std::size_t at = 0;
        while (at < expected.size() &&
               !(expected[at].date > date || (expected[at].date == date && expected[at].time >= time)))
            ++at;
        expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), Key{date, time, id});
        if (i % 5 == 4) {
            const int victim = static_cast<int>(random() % expected.size());
            store.DeleteAlarm(victim);
            expected.erase(expected.begin() + victim);
        }
    }
    std::vector<AlarmId> expectedIds;
    for (const Key& key : expected)
        expectedIds.push_back(key.id);
    EXPECT_EQ(RowIds(), expectedIds);
    for (int i = 0; i < store.BaseAlarmList().Count(); ++i) {
        const AlarmId id = store.BaseAlarmList()[i].Id;
        EXPECT_EQ(store.FindBaseAlarmForId(id), i);
    }
}

TEST_F(AlarmStoreTest, RowTextIsTheTrimmedMessageWithTimeAndDateInTheUsersFormat)
{
    Add("9:05 AM", "6/15/26", "  Tea  ");
    Add("12:00am", "06/16/2026", "   ");
    Add("12:30pm", "06/17/2026", "Lunch");
    EXPECT_THAT(RowTexts(), ElementsAre("Tea...(09:05am   6/15/26)", "...(12:00am   6/16/26)",
                                        "Lunch...(12:30pm   6/17/26)"));
    EXPECT_EQ(store.BaseAlarmList()[0].Message, "  Tea  ") << "the record keeps the blanks";
    EXPECT_TRUE(store.Rows()[0].Object.FutureDate);
}

TEST_F(AlarmStoreTest, RecordsHoldAHundredCharactersOfUtf8WhileTheRowShowsAll)
{
    std::string message;
    for (int i = 0; i < 120; ++i)
        message += "é";
    const std::string path = "/sounds/" + std::string(300, 'w') + ".wav";
    Add("01:00pm", "06/10/2026", message, path);
    const TBaseAlarm& base = store.BaseAlarmList()[0];
    EXPECT_EQ(base.Message.size(), 200u) << "100 two-byte characters";
    EXPECT_EQ(base.WaveFile, path.substr(0, 255));
    EXPECT_EQ(store.TodayList()[0].Message, base.Message);
    EXPECT_EQ(store.Rows()[0].Text, message + "...(01:00pm   6/10/26)");

    // Text that is not UTF-8 is taken as Windows-1252.
    Add("01:00pm", "06/10/2026", "Caf\xE9 \x80", "/sons/d\xE9j\xE0.wav");
    EXPECT_EQ(store.BaseAlarmList()[1].Message, "Café €");
    EXPECT_EQ(store.BaseAlarmList()[1].WaveFile, "/sons/déjà.wav");
}

TEST_F(AlarmStoreTest, DeletingAFutureRowRemovesItsStoredAlarmAndNothingElse)
{
    const AlarmId today = Add("01:00pm", "06/10/2026");
    Add("01:00pm", "06/11/2026");
    observer.Clear();
    store.DeleteAlarm(1);
    EXPECT_THAT(BaseIds(), ElementsAre(today));
    EXPECT_THAT(TodayIds(), ElementsAre(today));
    EXPECT_THAT(RowIds(), ElementsAre(today));
    EXPECT_EQ(observer.Events(), "remove 1;end remove;");
    EXPECT_EQ(host.setbuttonsCalls, 1);
    EXPECT_FALSE(std::filesystem::exists(AlarmFile())) << "DeleteAlarm leaves the writing to its callers";
    EXPECT_THROW(store.DeleteAlarm(1), std::out_of_range);
    EXPECT_THROW(store.DeleteAlarm(-1), std::out_of_range);
}

TEST_F(AlarmStoreTest, DeleteAlarmJustDoneSelectsTheFirstRowAndWritesTheFile)
{
    Add("01:00pm", "06/10/2026", "one");
    Add("02:00pm", "06/10/2026", "two");
    store.DeleteAlarmJustDone(0);
    EXPECT_EQ(host.selected, 0);
    EXPECT_EQ(host.processedEvents, 2);
    EXPECT_EQ(ReadFile(AlarmFile()), "02:00pm^two^^3^06/10/2026^^0\r\n");

    host.selected = -1;
    store.DeleteAlarmJustDone(0);
    EXPECT_EQ(host.selected, -1) << "no row left to select";
    EXPECT_EQ(ReadFile(AlarmFile()), "");
}

TEST_F(AlarmStoreTest, SearchesByIdFindOnlyPresentIds)
{
    for (const char* time : {"01:00pm", "02:00pm", "03:00pm"})
        Add(time, "06/10/2026");
    store.RemoveTodayEntry(1);
    EXPECT_EQ(store.FindAlarmForId(2), -1) << "fired and swept";
    EXPECT_EQ(store.FindBaseAlarmForId(2), 1);
    EXPECT_EQ(store.FindAlarmForId(3), 1);
    EXPECT_EQ(store.FindAlarmForId(0), -1);
    EXPECT_EQ(store.FindBaseAlarmForId(4), -1);
    EXPECT_THROW(store.RemoveTodayEntry(2), std::out_of_range);
}

TEST_F(AlarmStoreTest, TextsThatWouldNotReadBackOrConvertAreRefusedBeforeAnythingChanges)
{
    const auto errorOf = [this](const std::string& time, const std::string& date, const std::string& message,
                                const std::string& wave) -> std::string {
        try {
            Add(time, date, message, wave);
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
    EXPECT_THROW(Add("01:00pm", "06/10/2026", "Tea", "", 3), AlarmInputError);
    EXPECT_THAT(BaseIds(), IsEmpty());
    EXPECT_EQ(observer.Events(), "");
}

class DayMonthYearUserTest : public StoreTest {
protected:
    static FormatSettings Finnish()
    {
        FormatSettings user;
        user.ShortDatePattern = "d/m/yyyy";
        user.DateSeparator = ".";
        user.TimeSeparator = ".";
        return user;
    }
    DayMonthYearUserTest() : StoreTest(Finnish()) {}
};

TEST_F(DayMonthYearUserTest, RowsUseTheUsersSeparatorsWhileTheFileKeepsTheStorageFormat)
{
    store.AddAlarm("09:05am", "06/15/2026", "Tea", "", 1);
    EXPECT_EQ(store.Rows()[0].Text, "Tea...(09.05am   15.6.2026)");
    store.WriteToDisk();
    EXPECT_EQ(ReadFile(AlarmFile()), "09:05am^Tea^^3^06/15/2026^^1\r\n");
    store.LoadFromDisk();
    ASSERT_EQ(store.BaseAlarmList().Count(), 1);
    EXPECT_DOUBLE_EQ(store.BaseAlarmList()[0].AlarmDate, EncodeDate(2026, 6, 15));
    EXPECT_EQ(ReadFile(AlarmFile()), "09:05am^Tea^^3^06/15/2026^^1\r\n");
}

} // namespace
} // namespace klaxora
