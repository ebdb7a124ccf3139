#include "store/text_helpers.h"

#include "store/date_time_text.h"

#include <cmath>

namespace klaxora {

std::string extractField(std::string_view text, char separator, int index)
{
    if (index < 1)
        return {};
    std::size_t start = 0;
    for (int field = 1; field < index; ++field) {
        const std::size_t next = text.find(separator, start);
        if (next == std::string_view::npos)
            return {};
        start = next + 1;
    }
    const std::size_t end = text.find(separator, start);
    return std::string(
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string trimLeadingSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string trimTrailingSpaces(std::string_view text)
{
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string trimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (prefix.empty() || text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char a = text[i];
        char b = prefix[i];
        if (a >= 'a' && a <= 'z')
            a = static_cast<char>(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z')
            b = static_cast<char>(b - 'a' + 'A');
        if (a != b)
            return false;
    }
    return true;
}

bool isValidTimeText(std::string_view text, const FormatSettings& settings)
{
    DateTime ignored = 0;
    return tryStrToTime(text, settings, ignored);
}

bool isValidDateText(std::string_view text, const FormatSettings& settings, int currentYear)
{
    DateTime ignored = 0;
    return tryStrToDate(text, settings, currentYear, ignored);
}

DateTime addMinutes(std::int32_t minutes, DateTime value)
{
    const DateTime sum = value + minutesToDays(minutes);
    return std::isfinite(sum) && sum > 0 ? sum : 0;
}

DateTime addMinutesToTimeOfDay(std::int32_t minutes, DateTime timeOfDay, DateTime today,
                               const FormatSettings& settings)
{
    DateTime sum = today + timeOfDay + minutesToDays(minutes);
    // Below day 0 the fraction would count forward again; step whole days so the clock time stays.
    if (sum < 0)
        sum -= std::floor(sum);
    return strToTime(formatDateTime(settings.longTimePattern, sum, settings), settings);
}

double minutesToDays(std::int32_t minutes)
{
    return minutes * OneMinute;
}

} // namespace klaxora
