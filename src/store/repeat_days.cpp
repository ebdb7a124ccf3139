#include "store/repeat_days.h"

namespace klaxora {

RepeatDays RepeatDays::fromField(std::string_view digits)
{
    RepeatDays days;
    for (const char c : digits) {
        if (c >= '1' && c <= '7')
            days.add(c - '0');
    }
    return days;
}

void RepeatDays::add(int day)
{
    if (day >= 1 && day <= 7)
        bits_ = static_cast<std::uint8_t>(bits_ | 1u << (day - 1));
}

std::string RepeatDays::field() const
{
    std::string digits;
    for (int day = 1; day <= 7; ++day) {
        if (contains(day))
            digits += static_cast<char>('0' + day);
    }
    return digits;
}

DateTime RepeatDays::firstOnOrAfter(DateTime date) const
{
    for (int k = 0; k < 7 && !empty(); ++k) {
        if (contains(dayOfWeek(date + k)))
            return date + k;
    }
    return date;
}

DateTime RepeatDays::lastOnOrBefore(DateTime date) const
{
    for (int k = 0; k < 7 && !empty(); ++k) {
        if (contains(dayOfWeek(date - k)))
            return date - k;
    }
    return date;
}

std::vector<std::pair<int, int>> repeatDayRuns(RepeatDays days, int firstDay)
{
    std::vector<std::pair<int, int>> runs;
    bool inRun = false;
    for (int k = 0; k < 7; ++k) {
        const int day = (firstDay - 1 + k) % 7 + 1;
        if (!days.contains(day)) {
            inRun = false;
            continue;
        }
        if (inRun)
            runs.back().second = day;
        else
            runs.emplace_back(day, day);
        inRun = true;
    }
    return runs;
}

std::string repeatDaysText(RepeatDays days, const std::array<std::string, 7>& names, int firstDay,
                           std::string_view rangeMark, std::string_view separator)
{
    std::string text;
    const auto append = [&](int day) {
        if (!text.empty())
            text += separator;
        text += names[static_cast<std::size_t>(day - 1)];
    };
    for (const auto& [first, last] : repeatDayRuns(days, firstDay)) {
        const int length = (last - first + 7) % 7 + 1;
        if (length >= 3) {
            append(first);
            text += rangeMark;
            text += names[static_cast<std::size_t>(last - 1)];
            continue;
        }
        for (int k = 0; k < length; ++k)
            append((first - 1 + k) % 7 + 1);
    }
    return text;
}

std::string userRepeatDaysText(RepeatDays days, const FormatSettings& user)
{
    return repeatDaysText(days, user.shortDayNames, user.firstDayOfWeek, "\u2013", ", ");
}

} // namespace klaxora
