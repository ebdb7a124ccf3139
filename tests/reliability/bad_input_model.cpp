#include "reliability/bad_input_model.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace klaxora::badinput {

namespace {

constexpr std::size_t ModelMessageCapacity = 100;
constexpr std::size_t ModelWaveFileCapacity = 255;
constexpr std::size_t WeekdaysCapacity = 7;

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// 0x80 to 0x9F of Windows-1252; the five undefined bytes stay the control characters of their number.
constexpr auto HighControls = std::to_array<char32_t>(
    {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
     0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
     0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178});
static_assert(HighControls.size() == 32);

std::string formatLine(int hour, int minute, std::string_view message, Day date, std::string_view waveFile,
                       int mode, std::string_view weekdays = {})
{
    const std::chrono::year_month_day ymd(date);
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d%s", hour % 12 == 0 ? 12 : hour % 12, minute,
                  hour < 12 ? "am" : "pm");
    char dateText[16];
    std::snprintf(dateText, sizeof dateText, "%02u/%02u/%04d", static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()), static_cast<int>(ymd.year()));
    return std::string(time) + '^' + std::string(message) + '^' + std::string(weekdays) +
           (weekdays.empty() ? "^3^" : "^1^") + dateText + '^' + std::string(waveFile) + '^' +
           std::to_string(mode);
}

// The digits 1 (Sunday) to 7 (Saturday) that occur, in order.
std::string repeatDigits(std::string_view field)
{
    std::string digits;
    for (char digit = '1'; digit <= '7'; ++digit) {
        if (field.find(digit) != std::string_view::npos)
            digits += digit;
    }
    return digits;
}

bool repeatsOn(const std::string& digits, Day day)
{
    return digits.find(static_cast<char>('1' + std::chrono::weekday(day).c_encoding())) != std::string::npos;
}

} // namespace

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find('^', start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

Moment localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Moment(std::chrono::sys_days(std::chrono::year(local.tm_year + 1900) / (local.tm_mon + 1) /
                                        local.tm_mday)) +
           std::chrono::seconds(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
}

Day localToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Day(std::chrono::year(local.tm_year + 1900) / (local.tm_mon + 1) / local.tm_mday);
}

bool isStrictUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0)
            extra = 1, value = lead & 0x1F, minimum = 0x80;
        else if ((lead & 0xF0) == 0xE0)
            extra = 2, value = lead & 0x0F, minimum = 0x800;
        else if ((lead & 0xF8) == 0xF0)
            extra = 3, value = lead & 0x07, minimum = 0x10000;
        else
            return false;
        if (bytes.size() - i <= static_cast<std::size_t>(extra))
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::string windows1252AsUtf8(std::string_view bytes)
{
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(out, byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char32_t{byte});
    }
    return out;
}

std::string firstCharacters(std::string_view utf8, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t characters = 0; end < utf8.size(); ++end) {
        if ((static_cast<unsigned char>(utf8[end]) & 0xC0) != 0x80 && characters++ == count)
            break;
    }
    return std::string(utf8.substr(0, end));
}

std::vector<std::string> fileLines(std::string_view contents)
{
    contents = contents.substr(0, contents.find('\x1A'));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < contents.size()) {
        const std::size_t end = contents.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(contents.substr(start));
            break;
        }
        lines.emplace_back(contents.substr(start, end - start));
        start = end + 1;
        if (contents[end] == '\r' && start < contents.size() && contents[start] == '\n')
            ++start;
    }
    return lines;
}

std::vector<std::string> expectedAlarmLines(std::string_view lineBytes, const LineMeaning& meaning,
                                            Moment now)
{
    if (!meaning.usable)
        return {};
    const Day today = std::chrono::floor<std::chrono::days>(now);
    const Day date = meaning.date.value_or(today);
    // The whole line is read as Windows-1252 when it is not UTF-8; "^" is the same byte in both.
    const std::string text = isStrictUtf8(lineBytes) ? std::string(lineBytes) : windows1252AsUtf8(lineBytes);
    std::vector<std::string_view> parts = fields(text);
    parts.resize(7);
    const std::string message = firstCharacters(parts[1], ModelMessageCapacity);
    const std::string weekdays = repeatDigits(firstCharacters(parts[2], WeekdaysCapacity));
    const std::string waveFile = firstCharacters(parts[5], ModelWaveFileCapacity);
    const auto line = [&](Day day) {
        return formatLine(meaning.hour, meaning.minute, message, day, waveFile, meaning.mode);
    };
    // A passed date is kept: the alarm was missed and waits to be told.
    if (weekdays.empty())
        return {line(date)};
    // A repeating alarm: one line, dated its next occurrence that has not passed (30 seconds of grace).
    const auto passed = [&](Day day) {
        return day < today ||
               (day == today &&
                now - Moment(today) > std::chrono::seconds(meaning.hour * 3600 + meaning.minute * 60 + 30));
    };
    const auto repeatLine = [&](Day from) {
        Day day = std::max(from, today);
        while (!repeatsOn(weekdays, day) || passed(day))
            day += std::chrono::days(1);
        return formatLine(meaning.hour, meaning.minute, message, day, waveFile, meaning.mode, weekdays);
    };
    // A line of another kind than a repeating one comes from an older file, whose reader ignored its date.
    if (meaning.kind != 1)
        return {repeatLine(today)};
    Day next = date;
    while (!repeatsOn(weekdays, next))
        next += std::chrono::days(1);
    if (!passed(next))
        return {repeatLine(next)};
    // Occurrences passed unanswered: the latest of them stays behind as a missed alarm.
    Day latest = today;
    while (!repeatsOn(weekdays, latest) || !passed(latest))
        latest -= std::chrono::days(1);
    return {line(latest), repeatLine(next)};
}

Expectation expectRewrite(std::string_view contents, const KnownLines& known, Moment now)
{
    Expectation expectation;
    expectation.complete = true;
    for (const std::string& line : fileLines(contents)) {
        const auto found = known.find(line);
        if (found == known.end()) {
            expectation.complete = false;
            continue;
        }
        std::vector<std::string> lines = expectedAlarmLines(line, found->second, now);
        ++(lines.empty() ? expectation.droppedLines : expectation.keptLines);
        expectation.lines.insert(expectation.lines.end(), lines.begin(), lines.end());
    }
    return expectation;
}

bool isSubsequence(const std::vector<std::string>& expected, const std::vector<std::string>& actual)
{
    std::size_t next = 0;
    for (const std::string& line : actual) {
        if (next < expected.size() && line == expected[next])
            ++next;
    }
    return next == expected.size();
}

} // namespace klaxora::badinput
