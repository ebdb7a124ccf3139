// Alarm files composed line by line, each line with a meaning the test knows: alarms in every spelling
// the reader accepts (12- and 24-hour times, short dates, signed and hexadecimal kinds, weekday lists,
// Windows-1252 and UTF-8 texts, huge fields, extra fields) among lines it must drop, with mixed line ends.
#pragma once

#include "reliability/bad_input_model.h"
#include "reliability/bad_input_random.h"

#include <string>

namespace klaxora::badinput {

struct ComposedFile {
    std::string bytes;
    KnownLines known; // every line of `bytes` up to a Ctrl-Z
};

// Dates are chosen around `today`: passed, today, coming, and far ahead.
ComposedFile composeAlarmFile(Random& random, Day today);

} // namespace klaxora::badinput
