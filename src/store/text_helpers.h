// Small text and minute helpers shared by the store, the tick and the dialogs.
#pragma once

#include "store/date_time.h"
#include "store/format_settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace klaxora {

// Field Index (from 1) of Text split at Separator; a missing field, and the field after a final
// separator, is empty.
std::string extractField(std::string_view text, char separator, int index);

// "Blank" is the space character only; tabs and line breaks stay.
std::string trimLeadingSpaces(std::string_view text);
std::string trimTrailingSpaces(std::string_view text);
std::string trimSpaces(std::string_view text);

// True when Text begins with Prefix, ASCII letters compared without case; other bytes (the parts of
// UTF-8 characters) must match exactly. An empty Prefix never matches.
bool startsWithNoCase(std::string_view text, std::string_view prefix);

bool isValidTimeText(std::string_view text, const FormatSettings& settings);
bool isValidDateText(std::string_view text, const FormatSettings& settings, int currentYear);

// Value + Minutes x OneMinute, never below 0.
DateTime addMinutes(std::int32_t minutes, DateTime value);
// Clock time of today + TimeOfDay + Minutes x OneMinute in whole seconds (wraps past midnight both ways),
// through the long time pattern of the given settings.
DateTime addMinutesToTimeOfDay(std::int32_t minutes, DateTime timeOfDay, DateTime today,
                               const FormatSettings& settings);
double minutesToDays(std::int32_t minutes);

} // namespace klaxora
