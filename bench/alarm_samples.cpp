#include "alarm_samples.h"

#include <cstdio>

namespace klaxora::bench {

namespace {

constexpr const char* kWords[] = {"Call",   "the",    "garage", "dentist", "Mum",   "meeting",
                                  "with",   "Café",   "Müller", "pick",    "up",    "children",
                                  "school", "pay",    "rent",   "€",       "renew", "passport",
                                  "water",  "plants", "train",  "to",      "Köln",  "at"};

int Pick(std::mt19937& random, int count)
{
    return static_cast<int>(random() % static_cast<unsigned>(count));
}

std::string TimeText(std::mt19937& random)
{
    const int hour = Pick(random, 24);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d%s", hour % 12 == 0 ? 12 : hour % 12, Pick(random, 60),
                  hour < 12 ? "am" : "pm");
    return text;
}

std::string DateText(TDateTime date)
{
    const CivilDate civil = DecodeDate(date);
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", civil.month, civil.day, civil.year);
    return text;
}

std::string Message(std::mt19937& random)
{
    // A third fill the whole 100 characters; the rest are a few words.
    const std::size_t wanted = Pick(random, 3) == 0 ? 100 : 4 + static_cast<std::size_t>(Pick(random, 40));
    std::string message;
    while (message.size() < wanted) {
        if (!message.empty())
            message += ' ';
        message += kWords[Pick(random, static_cast<int>(std::size(kWords)))];
    }
    return message;
}

} // namespace

TDateTime BenchmarkNow()
{
    return EncodeDate(2026, 6, 10) + EncodeTime(12, 0, 0, 0);
}

std::string RealisticAlarmFile(int lines, unsigned seed)
{
    std::mt19937 random(seed);
    const TDateTime today = DateOf(BenchmarkNow());
    std::string file;
    file.reserve(static_cast<std::size_t>(lines) * 110);
    for (int i = 0; i < lines; ++i) {
        const int kind = Pick(random, 100);
        std::string weekdays;
        TDateTime date = today + 1 + Pick(random, 1000); // future: 75 %
        if (kind < 15)
            date = today; // today: 15 %
        else if (kind < 20)
            weekdays = std::to_string(1 + Pick(random, 7)) + (Pick(random, 2) ? "6" : ""); // weekdays: 5 %
        else if (kind < 25)
            date = today - 1 - Pick(random, 30); // passed, dropped by the load: 5 %
        const std::string wave =
            Pick(random, 4) == 0 ? "" : "/home/user/Sounds/ring" + std::to_string(Pick(random, 9)) + ".wav";
        file += TimeText(random) + "^" + Message(random) + "^" + weekdays + "^3^" + DateText(date) + "^" +
                wave + "^" + std::to_string(Pick(random, 3)) + "\r\n";
    }
    return file;
}

AlarmTexts RandomFutureAlarm(std::mt19937& random)
{
    return AlarmTexts{TimeText(random), DateText(DateOf(BenchmarkNow()) + 1 + Pick(random, 3 * 365))};
}

} // namespace klaxora::bench
