#include "alarm_samples.h"

#include <cstdio>

namespace klaxora::bench {

namespace {

constexpr const char* Words[] = {"Call",   "the",    "garage", "dentist", "Mum",   "meeting",
                                 "with",   "Café",   "Müller", "pick",    "up",    "children",
                                 "school", "pay",    "rent",   "€",       "renew", "passport",
                                 "water",  "plants", "train",  "to",      "Köln",  "at"};

int pick(std::mt19937& random, int count)
{
    return static_cast<int>(random() % static_cast<unsigned>(count));
}

std::string timeText(std::mt19937& random)
{
    const int hour = pick(random, 24);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d%s", hour % 12 == 0 ? 12 : hour % 12, pick(random, 60),
                  hour < 12 ? "am" : "pm");
    return text;
}

std::string dateText(DateTime date)
{
    const CivilDate civil = decodeDate(date);
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", civil.month, civil.day, civil.year);
    return text;
}

std::string message(std::mt19937& random)
{
    // A third fill the whole 100 characters; the rest are a few words.
    const std::size_t wanted = pick(random, 3) == 0 ? 100 : 4 + static_cast<std::size_t>(pick(random, 40));
    std::string message;
    while (message.size() < wanted) {
        if (!message.empty())
            message += ' ';
        message += Words[pick(random, static_cast<int>(std::size(Words)))];
    }
    return message;
}

} // namespace

DateTime benchmarkNow()
{
    return encodeDate(2026, 6, 10) + encodeTime(12, 0, 0, 0);
}

std::string realisticAlarmFile(int lines, unsigned seed)
{
    std::mt19937 random(seed);
    const DateTime today = dateOf(benchmarkNow());
    std::string file;
    file.reserve(static_cast<std::size_t>(lines) * 150);
    for (int i = 0; i < lines; ++i) {
        const int kind = pick(random, 100);
        std::string weekdays;
        DateTime date = today + 1 + pick(random, 1000); // future: 70 %
        if (kind < 15) {
            date = today; // today: 15 %
        } else if (kind < 25) {
            // Repeating, dated within the coming week (the load moves each to one of its days): 10 %
            weekdays = std::to_string(1 + pick(random, 7)) + (pick(random, 2) ? "6" : "");
            date = today + pick(random, 7);
        } else if (kind < 30) {
            date = today - 1 - pick(random, 30); // passed, kept as missed: 5 %
        }
        const std::string wave =
            pick(random, 4) == 0 ? "" : "/home/user/Sounds/ring" + std::to_string(pick(random, 9)) + ".wav";
        // Each line carries its identity, as the program writes it.
        char uid[48];
        const auto part = [&random] { return static_cast<unsigned>(random()); };
        std::snprintf(uid, sizeof uid, "%08x%08x%08x%08x@klaxora", part(), part(), part(), part());
        file += timeText(random) + "^" + message(random) + "^" + weekdays +
                (weekdays.empty() ? "^3^" : "^1^") + dateText(date) + "^" + wave + "^" +
                std::to_string(pick(random, 3)) + "^" + uid + "\r\n";
    }
    return file;
}

AlarmTexts randomFutureAlarm(std::mt19937& random)
{
    return AlarmTexts{timeText(random), dateText(dateOf(benchmarkNow()) + 1 + pick(random, 3 * 365))};
}

} // namespace klaxora::bench
