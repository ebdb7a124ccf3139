// Whatever the store accepts, written and loaded again, gives the same records and rows.
#include "store/alarm_store.h"
#include "store/date_time_text.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace klaxora {
namespace {

using namespace klaxora::testing;

// Characters from one to four bytes long, blanks included; none that the file cannot hold.
const std::vector<std::string> kCharacters = {" ", "a",  "Z",        "0",  "~", "\\", "/", ".",
                                              ":", "\t", "é",        "ß",  "€", "Ω",  "☕", "中",
                                              "𝄞", "😀",  "\xC2\xA0", "\"", "'", "$",  "%"};

class RoundTripTest : public StoreTest {
protected:
    std::string RandomText(std::mt19937& random, int maxCharacters)
    {
        std::string text;
        const int length = static_cast<int>(random() % static_cast<unsigned>(maxCharacters + 1));
        for (int i = 0; i < length; ++i)
            text += kCharacters[random() % kCharacters.size()];
        return text;
    }

    void AddRandomAlarms(std::mt19937& random, int count)
    {
        const FormatSettings& storage = formats.Storage();
        for (int i = 0; i < count; ++i) {
            const TDateTime date =
                EncodeDate(2026, 6, 10) + static_cast<int>(random() % 3 == 0 ? 0 : random() % 800);
            const TDateTime time =
                EncodeTime(static_cast<int>(random() % 24), static_cast<int>(random() % 60), 0, 0);
            store.AddAlarm(FormatDateTime("hh:mmam/pm", time, storage),
                           FormatDateTime("mm/dd/yyyy", date, storage), RandomText(random, 100),
                           "/" + RandomText(random, 254), static_cast<TAlarmMode>(random() % 3));
        }
    }
};

void ExpectSameStore(const AlarmStore& expected, const AlarmStore& actual)
{
    ASSERT_EQ(actual.BaseAlarmList().Count(), expected.BaseAlarmList().Count());
    for (int i = 0; i < expected.BaseAlarmList().Count(); ++i) {
        const TBaseAlarm& a = expected.BaseAlarmList()[i];
        const TBaseAlarm& b = actual.BaseAlarmList()[i];
        EXPECT_EQ(a.AlarmTime, b.AlarmTime) << i;
        EXPECT_EQ(a.AlarmDate, b.AlarmDate) << i;
        EXPECT_EQ(a.Message, b.Message) << i;
        EXPECT_EQ(a.WaveFile, b.WaveFile) << i;
        EXPECT_EQ(a.Id, b.Id) << i;
        EXPECT_EQ(a.AlarmMode, b.AlarmMode) << i;
    }
    ASSERT_EQ(actual.TodayList().Count(), expected.TodayList().Count());
    for (int i = 0; i < expected.TodayList().Count(); ++i) {
        EXPECT_EQ(actual.TodayList()[i].Id, expected.TodayList()[i].Id) << i;
        EXPECT_EQ(actual.TodayList()[i].Message, expected.TodayList()[i].Message) << i;
    }
    ASSERT_EQ(actual.Rows().Count(), expected.Rows().Count());
    for (int i = 0; i < expected.Rows().Count(); ++i) {
        const AlarmRow& a = expected.Rows()[i];
        const AlarmRow& b = actual.Rows()[i];
        EXPECT_EQ(a.Text, b.Text) << i;
        EXPECT_EQ(a.Object.Id, b.Object.Id) << i;
        EXPECT_EQ(a.Object.AlarmTime, b.Object.AlarmTime) << i;
        EXPECT_EQ(a.Object.AlarmDate, b.Object.AlarmDate) << i;
        EXPECT_EQ(a.Object.FutureDate, b.Object.FutureDate) << i;
    }
}

TEST_F(RoundTripTest, RandomAlarmsReadBackAsTheyWereWritten)
{
    for (const unsigned seed : {1u, 2u, 3u, 4u}) {
        std::mt19937 random(seed);
        store.SetShowOnlyToday(seed % 2 == 0);
        store.LoadFromDisk();
        AddRandomAlarms(random, 300);
        store.WriteToDisk();
        const std::string written = ReadFile(AlarmFile());

        AlarmStore reloaded(clock, formats, folder.Path(), fs);
        reloaded.SetShowOnlyToday(store.ShowOnlyToday());
        reloaded.LoadFromDisk();
        SCOPED_TRACE(seed);
        ExpectSameStore(store, reloaded);
        EXPECT_EQ(ReadFile(AlarmFile()), written) << "the rewrite after the load changes nothing";
        WriteFile(AlarmFile(), "");
    }
}

} // namespace
} // namespace klaxora
