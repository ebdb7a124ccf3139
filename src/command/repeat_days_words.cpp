#include "command/repeat_days_words.h"

#include <array>

namespace klaxora {

namespace {

// From Sunday on, as RepeatDays counts them.
const std::array<std::string, 7> DayWords{"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
constexpr int Monday = 2;

RepeatDays weekdays()
{
    RepeatDays days;
    for (int day = 2; day <= 6; ++day)
        days.add(day);
    return days;
}

RepeatDays weekends()
{
    RepeatDays days;
    days.add(7);
    days.add(1);
    return days;
}

// 1 Sunday ... 7 Saturday, or 0.
int dayNumber(std::string_view word)
{
    for (std::size_t i = 0; i < DayWords.size(); ++i) {
        if (word == DayWords[i])
            return static_cast<int>(i) + 1;
    }
    return 0;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// One item of the comma list: a keyword, a day, or a range of days.
std::optional<RepeatDays> readItem(std::string_view item)
{
    if (item == "daily")
        return RepeatDays::everyDay();
    if (item == "weekdays")
        return weekdays();
    if (item == "weekends")
        return weekends();
    const auto dash = item.find('-');
    const int first = dayNumber(trimmed(item.substr(0, dash)));
    const int last = dash == std::string_view::npos ? first : dayNumber(trimmed(item.substr(dash + 1)));
    if (first == 0 || last == 0)
        return std::nullopt;
    RepeatDays days;
    for (int day = first;; day = day % 7 + 1) {
        days.add(day);
        if (day == last)
            return days;
    }
}

} // namespace

std::optional<RepeatDays> readRepeatDays(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    RepeatDays days;
    std::string_view rest = lower;
    while (true) {
        const auto comma = rest.find(',');
        const auto item = readItem(trimmed(rest.substr(0, comma)));
        if (!item)
            return std::nullopt;
        days = RepeatDays::fromBits(static_cast<std::uint8_t>(days.bits() | item->bits()));
        if (comma == std::string_view::npos)
            return days;
        rest.remove_prefix(comma + 1);
    }
}

std::string repeatDaysWords(RepeatDays days)
{
    if (days == RepeatDays::everyDay())
        return "daily";
    if (days == weekdays())
        return "weekdays";
    if (days == weekends())
        return "weekends";
    return repeatDaysText(days, DayWords, Monday, "-", ",");
}

} // namespace klaxora
