#include "store/alarm_file.h"

#include "store/alarm_store.h"
#include "store/date_time_text.h"
#include "store_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace klaxora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace klaxora::testing;

class AlarmFileTest : public StoreTest {
protected:
    // Loads the given file text and returns the file as the load rewrote it.
    std::string load(const std::string& contents)
    {
        writeFile(alarmFile(), contents);
        store.loadFromDisk();
        return alarmFileText();
    }
};

TEST_F(AlarmFileTest, ALooseLineIsReadAndWrittenBackInTheWritersForm)
{
    EXPECT_EQ(load("9:05 AM^Tea^^3^6/15/26^^1"), "09:05am^Tea^^3^06/15/2026^^1\r\n");
    ASSERT_EQ(store.baseAlarmList().count(), 1);
    const StoredAlarm& alarm = store.baseAlarmList()[0];
    EXPECT_DOUBLE_EQ(alarm.alarmTime, encodeTime(9, 5, 0, 0));
    EXPECT_DOUBLE_EQ(alarm.alarmDate, encodeDate(2026, 6, 15));
    EXPECT_EQ(alarm.alarmMode, amMessageOnly);
    EXPECT_EQ(alarm.waveFile, "");
    EXPECT_EQ(alarm.message, "Tea");
}

TEST_F(AlarmFileTest, TheIdentityIsAnEighthFieldThatAnOlderReaderPassesOver)
{
    store.seedUids(3);
    load("9:05 AM^Tea^^3^6/15/26^^1^tea@there^more\r\n10:00am^Cake^^3^06/15/2026^^0\r\n");
    ASSERT_EQ(store.baseAlarmList().count(), 2);
    EXPECT_EQ(store.baseAlarmList()[0].uid, "tea@there");
    const std::string fresh = store.baseAlarmList()[1].uid;
    EXPECT_EQ(fresh, AlarmUidSource(3).newUid()) << "a line without one gets a new identity";
    EXPECT_EQ(fresh.size(), 32u + std::string("@klaxora").size());
    const std::string written = readFile(alarmFile());
    EXPECT_EQ(written,
              "09:05am^Tea^^3^06/15/2026^^1^tea@there\r\n10:00am^Cake^^3^06/15/2026^^0^" + fresh + "\r\n");
    // What an older reader takes of the line: the seven fields as they always were.
    EXPECT_EQ(splitAlarmFields(written.substr(0, written.find('\r')))[6], "1");
    store.loadFromDisk();
    EXPECT_EQ(readFile(alarmFile()), written) << "the identities stay through a reload";
}

TEST_F(AlarmFileTest, AByteOrderMarkDoesNotCostTheFirstAlarm)
{
    EXPECT_EQ(load("\xEF\xBB\xBF"
                   "9:05 AM^Tea^^3^6/15/26^^1\r\n10:00am^Cake^^3^06/15/2026^^0"),
              "09:05am^Tea^^3^06/15/2026^^1\r\n10:00am^Cake^^3^06/15/2026^^0\r\n");
}

TEST_F(AlarmFileTest, TheWriterGivesTwelveHourTimesAndFullDates)
{
    store.addAlarm("00:00", "06/10/2027", "Midnight", "/s/a.wav", 0);
    store.addAlarm("12:00", "12/31/2026", "Noon", "", 2);
    store.addAlarm("19:05:59", "01/02/2027", "", "C:\\SOUNDS\\RING.WAV", 1);
    store.writeToDisk();
    EXPECT_EQ(alarmFileText(), "12:00am^Midnight^^3^06/10/2027^/s/a.wav^0\r\n"
                               "12:00pm^Noon^^3^12/31/2026^^2\r\n"
                               "07:05pm^^^3^01/02/2027^C:\\SOUNDS\\RING.WAV^1\r\n");
}

TEST_F(AlarmFileTest, ALoadNumbersTheAcceptedAlarmsInFileOrder)
{
    clock.set(at(2026, 6, 10, 8, 0));
    load("10:00am^c^^3^06/12/2026^^0\r\n"
         "10:00am^missed^^3^06/09/2026^^0\r\n"
         "09:00am^a^^3^06/10/2026^^0\r\n"
         "10:00am^b^^3^06/12/2026^^0\r\n");
    EXPECT_THAT(baseIds(), ElementsAre(1, 2, 3, 4));
    EXPECT_THAT(todayIds(), ElementsAre(3));
    EXPECT_THAT(rowIds(), ElementsAre(2, 3, 4, 1)) << "equal date and time: the later line first";
    EXPECT_EQ(observer.events(), "reset;end reset;");
    EXPECT_EQ(host.selected, 0);
    EXPECT_EQ(host.focusRequests, 1);
    EXPECT_DOUBLE_EQ(store.loadedDate(), encodeDate(2026, 6, 10));
}

TEST_F(AlarmFileTest, ALoadReplacesWhatWasInMemoryAndAMissingFileLeavesTheStoreEmpty)
{
    store.addAlarm("01:00pm", "06/11/2026", "old", "", 0);
    clock.set(at(2026, 6, 11, 9, 0));
    store.loadFromDisk();
    EXPECT_THAT(baseIds(), IsEmpty());
    EXPECT_EQ(store.rows().count(), 0);
    EXPECT_THAT(folder.names(), IsEmpty()) << "no file is created";
    EXPECT_EQ(host.focusRequests, 0);

    store.addAlarm("01:00pm", "06/11/2026", "old", "", 0);
    clock.set(at(2026, 6, 12, 9, 0));
    load("10:00am^new^^3^06/12/2026^^0\r\n");
    EXPECT_THAT(baseIds(), ElementsAre(1));
    EXPECT_EQ(store.baseAlarmList()[0].message, "new");
    EXPECT_THAT(rowIds(), ElementsAre(1));
    EXPECT_DOUBLE_EQ(store.loadedDate(), encodeDate(2026, 6, 12));
}

TEST_F(AlarmFileTest, ADateThatDoesNotConvertMeansToday)
{
    EXPECT_EQ(load("10:00pm^a^^3^^^0\r\n10:00pm^b^^3^tomorrow^^0\r\n10:00pm^c^^3^2/30/2026^^0\r\n"),
              "10:00pm^a^^3^06/10/2026^^0\r\n10:00pm^b^^3^06/10/2026^^0\r\n10:00pm^c^^3^06/10/2026^^0\r\n");
}

TEST_F(AlarmFileTest, PastDatesAreKeptAsMissedAndAWeekdayLineStaysOneRepeatingLine)
{
    EXPECT_EQ(load("10:00pm^kind3^^3^06/09/2026^^0\r\n"
                   "10:00pm^kind0^^0^06/09/2026^^0\r\n"
                   "10:00pm^weekly^4^0^06/09/2026^^0\r\n"
                   "08:00am^no day among the first seven^xxxxxxx1^3^06/11/2026^^0\r\n"
                   "08:00am^digits repeated, others ignored^7x77a1^3^06/11/2026^^0\r\n"),
              "10:00pm^kind3^^3^06/09/2026^^0\r\n10:00pm^kind0^^3^06/09/2026^^0\r\n"
              "10:00pm^weekly^4^1^06/10/2026^^0\r\n"
              "08:00am^no day among the first seven^^3^06/11/2026^^0\r\n"
              "08:00am^digits repeated, others ignored^17^1^06/13/2026^^0\r\n");
}

TEST_F(AlarmFileTest, AnOlderFilesWeekdayLineRepeatsFromTodayWhateverItsDate)
{
    // The older reader never used the date of a weekday line: nothing is missed.
    EXPECT_EQ(load("08:00am^Gym^17^0^01/01/2000^/g.wav^2\r\n"), "08:00am^Gym^17^1^06/13/2026^/g.wav^2\r\n");
    EXPECT_THAT(baseIds(), ElementsAre(1));
    EXPECT_THAT(todayIds(), IsEmpty());
    EXPECT_EQ(load(alarmFileText()), "08:00am^Gym^17^1^06/13/2026^/g.wav^2\r\n") << "stays as it is";
}

TEST_F(AlarmFileTest, AnOlderWeekdayLineOnItsDayIsPendingWithinTheGraceAndOtherwiseMovesOn)
{
    clock.set(at(2026, 6, 14, 8, 0, 20));
    EXPECT_EQ(load("08:00am^Gym^17^3^^^0\r\n"), "08:00am^Gym^17^1^06/14/2026^^0\r\n");
    EXPECT_THAT(todayIds(), ElementsAre(1)) << "20 seconds late is still pending";

    clock.set(at(2026, 6, 14, 8, 0, 31));
    EXPECT_EQ(load("08:00am^Gym^17^3^^^0\r\n"), "08:00am^Gym^17^1^06/20/2026^^0\r\n");
    EXPECT_THAT(todayIds(), IsEmpty());
    EXPECT_FALSE(store.rows()[0].object.missed);
}

TEST_F(AlarmFileTest, ARepeatingLineWhoseOccurrencesPassedLeavesOnlyTheLatestAsMissed)
{
    // A week away, from Wednesday 3 June: the occurrences up to Tuesday's passed, Wednesday's is to come.
    clock.set(at(2026, 6, 10, 6, 0));
    EXPECT_EQ(load("07:00am^Work^23456^1^06/03/2026^^0\r\n"),
              "07:00am^Work^^3^06/09/2026^^0\r\n07:00am^Work^23456^1^06/10/2026^^0\r\n");
    EXPECT_TRUE(store.rows()[0].object.missed);
    EXPECT_THAT(todayIds(), ElementsAre(2));
}

TEST_F(AlarmFileTest, TheModeIsTakenFromTheFirstCharacter)
{
    EXPECT_EQ(load("10:00pm^a^^3^^^9\r\n10:00pm^b^^3^^^x\r\n10:00pm^c^^3^^^\r\n10:00pm^d^^3^^^10\r\n"
                   "10:00pm^e^^3^^^2"),
              "10:00pm^a^^3^06/10/2026^^0\r\n10:00pm^b^^3^06/10/2026^^0\r\n10:00pm^c^^3^06/10/2026^^0\r\n"
              "10:00pm^d^^3^06/10/2026^^1\r\n10:00pm^e^^3^06/10/2026^^2\r\n");
}

TEST_F(AlarmFileTest, UnusableLinesAreDroppedSilently)
{
    EXPECT_EQ(load("\r\n"
                   "      \r\n"
                   "25:00^bad time^^3^06/11/2026^^0\r\n"
                   "10:00pm^bad kind^^three^06/11/2026^^0\r\n"
                   "10:00pm^hex kind^^$3^06/11/2026^^0\r\n"
                   "10:00pm^eighth^^3^06/11/2026^/w.wav^1^extra\r\n"
                   "7:30:45 pm^seconds dropped^^3^06/11/2026^^0\r\n"),
              "10:00pm^hex kind^^3^06/11/2026^^0\r\n"
              "10:00pm^eighth^^3^06/11/2026^/w.wav^1\r\n"
              "07:30pm^seconds dropped^^3^06/11/2026^^0\r\n");
    EXPECT_DOUBLE_EQ(store.baseAlarmList()[2].alarmTime, encodeTime(19, 30, 0, 0));
}

TEST_F(AlarmFileTest, EveryKindOfLineEndEndsALineAndCtrlZEndsTheFile)
{
    EXPECT_EQ(load("10:00pm^crlf^^3^^^0\r\n"
                   "10:00pm^cr^^3^^^0\r"
                   "10:00pm^lf^^3^^^0\n"
                   "10:00pm^crlflf^^3^^^0\r\n\n"
                   "10:00pm^last^^3^^^0\x1A"
                   "10:00pm^after eof^^3^^^0\r\n"),
              "10:00pm^crlf^^3^06/10/2026^^0\r\n10:00pm^cr^^3^06/10/2026^^0\r\n"
              "10:00pm^lf^^3^06/10/2026^^0\r\n10:00pm^crlflf^^3^06/10/2026^^0\r\n"
              "10:00pm^last^^3^06/10/2026^^0\r\n");
}

TEST_F(AlarmFileTest, MessagesAreCutToAHundredCharactersOnReading)
{
    std::string message;
    for (int i = 0; i < 105; ++i)
        message += "☕";
    load("10:00pm^" + message + "^^3^^^0\r\n");
    EXPECT_EQ(store.baseAlarmList()[0].message, message.substr(0, 300));
}

TEST_F(AlarmFileTest, AWindows1252LineIsConvertedToUtf8)
{
    EXPECT_EQ(load("10:00pm^Caf\xE9 \x80 5^^3^^C:\\Sons\\d\xE9j\xE0.wav^0\r\n"
                   "10:00pm^Grüße ☕^^3^^^0\r\n"),
              "10:00pm^Café € 5^^3^06/10/2026^C:\\Sons\\déjà.wav^0\r\n"
              "10:00pm^Grüße ☕^^3^06/10/2026^^0\r\n");
}

TEST(AlarmFileLines, TimesAndDatesAreWrittenAsTheStoragePatternsWriteThem)
{
    const FormatSettings storage = storageFormatSettings(usUser());
    const auto expectSame = [&](DateTime time, DateTime date) {
        const std::string line = formatAlarmFileLine(StoredAlarm(time, date, "m", "w", 1, 2));
        EXPECT_EQ(line, formatDateTime("hh:mmam/pm", time, storage) + "^m^^3^" +
                            formatDateTime("mm/dd/yyyy", date, storage) + "^w^2");
    };
    for (int minute = 0; minute < 24 * 60; ++minute) {
        expectSame(encodeTime(minute / 60, minute % 60, 0, 0), encodeDate(2026, 6, 10));
        expectSame(encodeTime(minute / 60, minute % 60, 59, 999), encodeDate(2026, 6, 10));
    }
    for (DateTime date = encodeDate(1900, 1, 1); date < encodeDate(9999, 12, 31); date += 997)
        expectSame(encodeTime(7, 5, 0, 0), date);
    expectSame(encodeTime(23, 59, 59, 999) + 0.0004 / 86400.0, encodeDate(9999, 12, 31));
}

} // namespace
} // namespace klaxora
