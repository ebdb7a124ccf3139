// The days of the week a repeating alarm rings on, as the alarm file's weekday field holds them: the
// digits "1" (Sunday) to "7" (Saturday). No day at all is an alarm that rings once.
#pragma once

#include "store/date_time.h"
#include "store/format_settings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace klaxora {

class RepeatDays {
public:
    constexpr RepeatDays() = default;
    // The digits 1 to 7 that occur in the text; anything else in it is ignored.
    static RepeatDays fromField(std::string_view digits);
    static constexpr RepeatDays everyDay() { return RepeatDays(0x7F); }

    bool empty() const { return bits_ == 0; }
    // `day`: 1 Sunday ... 7 Saturday.
    bool contains(int day) const { return day >= 1 && day <= 7 && (bits_ >> (day - 1) & 1) != 0; }
    void add(int day);
    std::uint8_t bits() const { return bits_; }
    static RepeatDays fromBits(std::uint8_t bits)
    {
        return RepeatDays(static_cast<std::uint8_t>(bits & 0x7F));
    }
    // The file's weekday field: the digits in ascending order, "23456" for Monday to Friday.
    std::string field() const;

    // The first of the days on or after `date`, or before or on it (the date itself when there are none).
    DateTime firstOnOrAfter(DateTime date) const;
    DateTime lastOnOrBefore(DateTime date) const;

    friend bool operator==(RepeatDays, RepeatDays) = default;

private:
    constexpr explicit RepeatDays(std::uint8_t bits) : bits_(bits) {}
    std::uint8_t bits_ = 0;
};

// The days as runs of neighbours in the week that starts on `firstDay` (1 Sunday ... 7 Saturday), each
// run as its first and last day: Monday to Friday is one run (2, 6).
std::vector<std::pair<int, int>> repeatDayRuns(RepeatDays days, int firstDay);

// The days for people to read, in the week that starts on `firstDay`: a run of three days or more as its
// ends joined by `rangeMark` ("Mon–Fri"), the others one by one, all joined by `separator`.
// `names` holds the seven day names from Sunday on.
std::string repeatDaysText(RepeatDays days, const std::array<std::string, 7>& names, int firstDay,
                           std::string_view rangeMark, std::string_view separator);

// The days as the user reads them in the list and in questions: the user's short day names in the user's
// week, "Mon–Fri".
std::string userRepeatDaysText(RepeatDays days, const FormatSettings& user);

} // namespace klaxora
