// The days of a repeating alarm as the command line writes them: daily, weekdays, weekends, or English
// day abbreviations (mon ... sun) as a comma list of days and ranges, such as mon-fri or mon,wed,fri.
#pragma once

#include "store/repeat_days.h"

#include <optional>
#include <string>
#include <string_view>

namespace klaxora {

// Reads --repeat's value, in any case; a range may wrap round the week's end (fri-mon). Nothing for a
// value that names no days or has a word that is not one of them.
std::optional<RepeatDays> readRepeatDays(std::string_view text);

// The days in a form readRepeatDays() takes back: daily, weekdays, weekends, otherwise Monday first,
// runs of three days or more as ranges ("mon-thu,sat"). Empty for none.
std::string repeatDaysWords(RepeatDays days);

} // namespace klaxora
