#include "reliability/bad_input_generator.h"

#include <array>
#include <cstdio>

namespace klaxora::badinput {

namespace {

using Line = std::pair<std::string, LineMeaning>;

// "am" or "pm" in any mix of case.
std::string designator(Random& random, int hour)
{
    std::string text = hour < 12 ? "am" : "pm";
    for (char& c : text)
        c = chance(random, 0.5) ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

// A valid time of day in one of the spellings the reader takes; sets `minute` to what the text holds.
std::string spellTime(Random& random, int hour, int& minute)
{
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    switch (uniform(random, 0, 7)) {
    case 0:
        return formatted("%02d:%02d", hour12, minute) + designator(random, hour);
    case 1:
        return formatted("%d:%02d ", hour12, minute) + designator(random, hour);
    case 2:
        return formatted("%02d:%02d", hour, minute);
    case 3:
        return formatted("%d:%02d", hour, minute);
    case 4:
        return formatted("%d:%02d:%02d", hour12, minute, uniform(random, 0, 59)) + designator(random, hour);
    case 5:
        return formatted("  %d : %02d  ", hour12, minute) + designator(random, hour) + "  ";
    case 6:
        minute = 0;
        return formatted("%d", hour12) + designator(random, hour);
    default:
        minute = 0;
        return formatted("%d", hour);
    }
}

constexpr auto BadTimes = std::to_array<const char*>(
    {"", "25:00", "13:00pm", "7.30pm", "7:30pm!", "12:60", "0:00am", "pm", "x7:30", "7:30 p.m.", "\t7:30pm",
     "24:00", "7:", ":30", "07:30:60", "99999999:00", "1:2:3:4", "7:30 am pm"});

struct DateChoice {
    std::optional<Day> day;
    std::string text;
};

std::string spellDate(Random& random, Day day, Day today)
{
    const std::chrono::year_month_day date(day);
    const int year = static_cast<int>(date.year());
    const unsigned month = static_cast<unsigned>(date.month());
    const unsigned dayOfMonth = static_cast<unsigned>(date.day());
    const std::chrono::year_month_day now(today);
    const int thisYear = static_cast<int>(now.year());
    // Short forms take the year from the date of the load; on the last day of a year that could differ.
    const bool shortFormsSafe = !(now.month() == std::chrono::December && now.day() == std::chrono::day(31));
    switch (uniform(random, 0, 5)) {
    case 0:
        return formatted("%u/%u/%d", month, dayOfMonth, year);
    case 1:
        return formatted(" %u / %u / %d ", month, dayOfMonth, year);
    case 2:
        return formatted("%02u/%02u/%04d/", month, dayOfMonth, year);
    case 3:
        if (shortFormsSafe && year / 100 == thisYear / 100)
            return formatted("%u/%u/%02d", month, dayOfMonth, year % 100);
        break;
    case 4:
        if (shortFormsSafe && year == thisYear)
            return formatted("%u/%u", month, dayOfMonth);
        break;
    default:
        break;
    }
    return formatted("%02u/%02u/%04d", month, dayOfMonth, year);
}

constexpr auto BadDates = std::to_array<const char*>(
    {"", "02/30/2031", "13/01/2030", "0/10/2030", "12/32/2030", "2/29/2100", "tomorrow", "1.2.2030", "6/15/",
     "6/", "/6/15", "6-15-2030", "12/31/10000", "6/15/2030x", "00/00/0000"});

DateChoice chooseDate(Random& random, Day today)
{
    const int roll = uniform(random, 0, 99);
    Day day = today;
    if (roll < 10) {
        return {std::nullopt, pick(random, BadDates)};
    } else if (roll < 25) {
        day = today - std::chrono::days(uniform(random, 1, 3000));
    } else if (roll < 35) {
        day = today;
    } else if (roll < 40) {
        day = pick(random, std::to_array<Day>({Day(std::chrono::year(9999) / 12 / 31),
                                               Day(std::chrono::year(2400) / 2 / 29),
                                               Day(std::chrono::year(5000) / 1 / 1)}));
    } else {
        day = today + std::chrono::days(uniform(random, 1, 800));
    }
    return {day, spellDate(random, day, today)};
}

struct KindChoice {
    std::optional<int> value;
    std::string text;
};

KindChoice chooseKind(Random& random)
{
    static constexpr auto valid =
        std::to_array<std::pair<int, const char*>>({{3, "3"},
                                                    {3, " 3"},
                                                    {3, "+3"},
                                                    {3, "$3"},
                                                    {3, "$03"},
                                                    {3, "03"},
                                                    {3, "  3"},
                                                    {0, "0"},
                                                    {-1, "-1"},
                                                    {17, "17"},
                                                    {10, "$A"},
                                                    {255, "$ff"},
                                                    {2147483647, "2147483647"},
                                                    {-2147483647 - 1, "-2147483648"},
                                                    {0, "+0"}});
    static constexpr auto invalid =
        std::to_array<const char*>({"", "x", "3x", "3 ", "2147483648", "$", "-", "$G", "0x3", "3.0", "--3",
                                    "+-3", "$-3", "-2147483649"});
    if (chance(random, 0.9)) {
        const auto& [value, text] = pick(random, valid);
        return {value, text};
    }
    return {std::nullopt, pick(random, invalid)};
}

std::pair<int, std::string> chooseMode(Random& random)
{
    static constexpr auto modes = std::to_array<std::pair<int, const char*>>({{0, "0"},
                                                                              {1, "1"},
                                                                              {2, "2"},
                                                                              {1, "10"},
                                                                              {2, "2x"},
                                                                              {2, "21"},
                                                                              {0, "9"},
                                                                              {0, "x"},
                                                                              {0, ""},
                                                                              {0, "-1"},
                                                                              {0, " 1"},
                                                                              {0, "3"},
                                                                              {0, "\xE9"}});
    const auto& [value, text] = pick(random, modes);
    return {value, text};
}

std::string chooseWeekdays(Random& random)
{
    if (chance(random, 0.75))
        return {};
    static constexpr auto odd =
        std::to_array<const char*>({"0", "89", "xyz", "xxxxxxx1", "1 7", "7777777777", "1234567",
                                    "\xE9"
                                    "1"});
    if (chance(random, 0.3))
        return pick(random, odd);
    std::string days;
    for (int n = uniform(random, 1, 7); n > 0; --n)
        days += static_cast<char>('1' + uniform(random, 0, 6));
    return days;
}

// How many characters a message or path gets: mostly short, sometimes past the capacity, now and then
// huge.
std::size_t textLength(Random& random, std::size_t usual)
{
    const int roll = uniform(random, 0, 99);
    if (roll < 85)
        return static_cast<std::size_t>(uniform(random, 0, static_cast<int>(usual)));
    if (roll < 95)
        return static_cast<std::size_t>(uniform(random, 100, 400));
    if (roll < 99)
        return static_cast<std::size_t>(uniform(random, 1000, 20000));
    return static_cast<std::size_t>(uniform(random, 100000, 400000));
}

std::string chooseWaveFile(Random& random, bool windows1252)
{
    static constexpr auto paths =
        std::to_array<const char*>({"/usr/share/sounds/alsa/Front_Center.wav",
                                    "C:\\WINDOWS\\MEDIA\\chimes.wav", "ding.wav", "/home/user/My Sounds/"});
    if (chance(random, 0.5))
        return {};
    std::string path = pick(random, paths);
    if (path.back() == '/')
        path += fieldText(random, windows1252, textLength(random, 40)) + ".wav";
    return path;
}

Line usableLine(Random& random, Day today)
{
    LineMeaning meaning;
    meaning.usable = true;
    meaning.hour = uniform(random, 0, 23);
    meaning.minute = uniform(random, 0, 59);
    const bool windows1252 = chance(random, 0.3);
    std::string line = spellTime(random, meaning.hour, meaning.minute);
    line += '^' + fieldText(random, windows1252, textLength(random, 120));
    line += '^' + chooseWeekdays(random);
    KindChoice kind = chooseKind(random);
    while (!kind.value)
        kind = chooseKind(random);
    line += '^' + kind.text;
    meaning.kind = *kind.value;
    if (chance(random, 0.05))
        return {line, meaning}; // the date, sound file and mode fields are missing
    const DateChoice date = chooseDate(random, today);
    meaning.date = date.day;
    line += '^' + date.text + '^' + chooseWaveFile(random, windows1252);
    const auto [mode, modeText] = chooseMode(random);
    meaning.mode = mode;
    line += '^' + modeText;
    if (chance(random, 0.1))
        line += '^' + fieldText(random, windows1252, 20) + (chance(random, 0.5) ? "^more^" : "");
    return {line, meaning};
}

// A line that must leave nothing: blank, prose, binary, or an alarm whose time or kind does not convert.
Line droppedLine(Random& random, Day today)
{
    switch (uniform(random, 0, 5)) {
    case 0:
        return {pick(random, std::to_array<const char*>({"", "   ", "\t", " \x0B"})), {}};
    case 1:
        return {pick(random, std::to_array<const char*>(
                                 {"not an alarm", "[Sounds]", "Silent=1", "# comment", "^^^^^^^"})),
                {}};
    case 2: {
        // The time field must begin with a digit or a space; this one begins with neither.
        std::string junk(1, static_cast<char>(uniform(random, 'A', 'Z')));
        for (int n = uniform(random, 0, 200); n > 0; --n) {
            const char c = static_cast<char>(uniform(random, 0, 255));
            if (c != '\r' && c != '\n' && c != '\x1A')
                junk += c;
        }
        return {junk, {}};
    }
    case 3:
    case 4: {
        Line line = usableLine(random, today);
        const std::size_t firstSeparator = line.first.find('^');
        line.first.replace(0, firstSeparator, pick(random, BadTimes));
        return {line.first, {}};
    }
    default: {
        KindChoice kind = chooseKind(random);
        while (kind.value)
            kind = chooseKind(random);
        int minute = uniform(random, 0, 59);
        return {spellTime(random, uniform(random, 0, 23), minute) + "^Tea^^" + kind.text + "^01/01/2099^^1",
                {}};
    }
    }
}

std::string lineEnd(Random& random, int style)
{
    static constexpr auto ends = std::to_array<const char*>({"\r\n", "\n", "\r"});
    return ends[static_cast<std::size_t>(style < 3 ? style : uniform(random, 0, 2))];
}

} // namespace

ComposedFile composeAlarmFile(Random& random, Day today)
{
    ComposedFile file;
    const int roll = uniform(random, 0, 99);
    const int lineCount = roll < 2 ? 0 : roll < 5 ? uniform(random, 300, 1500) : uniform(random, 1, 40);
    const int endStyle = uniform(random, 0, 4); // CR LF, LF, CR, or mixed line by line
    const int endOfFileAt = chance(random, 0.08) ? uniform(random, 0, lineCount) : -1;
    for (int i = 0; i < lineCount; ++i) {
        if (i == endOfFileAt)
            file.bytes += '\x1A';
        auto [bytes, meaning] = chance(random, 0.7) ? usableLine(random, today) : droppedLine(random, today);
        file.bytes += bytes;
        file.known.emplace(std::move(bytes), meaning);
        if (i + 1 < lineCount || chance(random, 0.8))
            file.bytes += lineEnd(random, endStyle);
    }
    return file;
}

} // namespace klaxora::badinput
