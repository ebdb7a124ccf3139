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
const std::vector<std::string> FieldCharacters = {" ", "a",  "Z",        "0",  "~", "\\", "/", ".",
                                                  ":", "\t", "é",        "ß",  "€", "Ω",  "☕", "中",
                                                  "𝄞", "😀",  "\xC2\xA0", "\"", "'", "$",  "%"};

class RoundTripTest : public StoreTest {
protected:
    std::string randomText(std::mt19937& random, int maxCharacters)
    {
        std::string text;
        const int length = static_cast<int>(random() % static_cast<unsigned>(maxCharacters + 1));
        for (int i = 0; i < length; ++i)
            text += FieldCharacters[random() % FieldCharacters.size()];
        return text;
    }

    void addRandomAlarms(std::mt19937& random, int count)
    {
        const FormatSettings& storage = formats.storage();
        for (int i = 0; i < count; ++i) {
            const DateTime date =
                encodeDate(2026, 6, 10) + static_cast<int>(random() % 3 == 0 ? 0 : random() % 800);
            const DateTime time =
                encodeTime(static_cast<int>(random() % 24), static_cast<int>(random() % 60), 0, 0);
            store.addAlarm(formatDateTime("hh:mmam/pm", time, storage),
                           formatDateTime("mm/dd/yyyy", date, storage), randomText(random, 100),
                           "/" + randomText(random, 254), static_cast<AlarmMode>(random() % 3));
        }
    }
};

TEST_F(RoundTripTest, RandomAlarmsReadBackAsTheyWereWritten)
{
    for (const unsigned seed : {1u, 2u, 3u, 4u}) {
        std::mt19937 random(seed);
        store.setShowOnlyToday(seed % 2 == 0);
        store.loadFromDisk();
        addRandomAlarms(random, 300);
        store.writeToDisk();
        const std::string written = readFile(alarmFile());

        AlarmStore reloaded(clock, formats, folder.path(), fs);
        reloaded.setShowOnlyToday(store.showOnlyToday());
        reloaded.loadFromDisk();
        EXPECT_EQ(describe(reloaded), describe(store)) << "seed " << seed;
        EXPECT_EQ(readFile(alarmFile()), written)
            << "the rewrite after the load changes nothing, identities included";
        writeFile(alarmFile(), "");
    }
}

} // namespace
} // namespace klaxora
