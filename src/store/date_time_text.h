// Conversion between date-time values and text, with the settings passed in.
#pragma once

#include "store/date_time.h"
#include "store/format_settings.h"
#include "store/user_error.h"

#include <string>
#include <string_view>

namespace klaxora {

// "'%s' is not a valid time", "'%s' is not a valid date", "'%s' is not a valid integer value".
class ConversionError : public UserError {
public:
    using UserError::UserError;
};

// Time of day in whole seconds (whole part 0). Throws ConversionError.
DateTime strToTime(std::string_view text, const FormatSettings& settings);
// A date (fraction 0); a two-part date takes currentYear, a two-digit year its century. Throws
// ConversionError.
DateTime strToDate(std::string_view text, const FormatSettings& settings, int currentYear);
bool tryStrToTime(std::string_view text, const FormatSettings& settings, DateTime& result);
bool tryStrToDate(std::string_view text, const FormatSettings& settings, int currentYear, DateTime& result);
// Optional blanks and sign, then decimal digits or '$' and hexadecimal digits. Throws ConversionError.
int strToInt(std::string_view text);

// Formats with the pattern language of the program: d dd ddd dddd ddddd dddddd, m mm mmm mmmm,
// yy yyyy, h hh, n nn, s ss, z zzz, t tt, am/pm a/p ampm, '/' ':' and quoted literals.
// The value is rounded to the nearest millisecond first; seconds are then cut, never rounded.
std::string formatDateTime(std::string_view pattern, DateTime value, const FormatSettings& settings);
// The long time pattern, and the short date pattern.
std::string timeToStr(DateTime value, const FormatSettings& settings);
std::string dateToStr(DateTime value, const FormatSettings& settings);

} // namespace klaxora
