#include "command/repeat_days_words.h"

#include "store/text_helpers.h"

#include <array>

namespace klaxora {

namespace {

// From Sunday on, as RepeatDays counts them.
const std::array<std::string, 7> DayWords{"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
constexpr int Monday = 2;

const RepeatDays Weekdays = RepeatDays::fromField("23456");
const RepeatDays Weekends = RepeatDays::fromField("17");

// 1 Sunday ... 7 Saturday, or 0.
int dayNumber(std::string_view word)
{
    for (std::size_t i = 0; i < DayWords.size(); ++i) {
        if (word == DayWords[i])
            return static_cast<int>(i) + 1;
    }
    return 0;
}

// One item of the comma list: a keyword, a day, or a range of days.
std::optional<RepeatDays> readItem(std::string_view item)
{
    if (item == "daily")
        return RepeatDays::everyDay();
    if (item == "weekdays")
        return Weekdays;
    if (item == "weekends")
        return Weekends;
    const auto dash = item.find('-');
    const int first = dayNumber(trimSpaces(item.substr(0, dash)));
    const int last = dash == std::string_view::npos ? first : dayNumber(trimSpaces(item.substr(dash + 1)));
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
        const auto item = readItem(trimSpaces(rest.substr(0, comma)));
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
    if (days == Weekdays)
        return "weekdays";
    if (days == Weekends)
        return "weekends";
    return repeatDaysText(days, DayWords, Monday, "-", ",");
}

} // namespace klaxora
