// The user's own date and time format settings, read once from the locale at start-up.
#pragma once

#include "store/format_settings.h"

#include <QLocale>
#include <QString>

#include <string>

namespace klaxora {

// Short and long date patterns, separators, day-half designators, the short and long time patterns
// ("h" or "hh", ":mm" and ":mm:ss", " AMPM" for a 12-hour locale) and month and day names.
FormatSettings userFormatSettings(const QLocale& locale);

// A date pattern of Qt's pattern language in the program's: M becomes m, d and y stay, text that the
// program would read as a field or a separator is quoted, and '/' stands for itself only when it is the
// date separator.
std::string datePatternFromQt(const QString& qtPattern, const std::string& dateSeparator);

} // namespace klaxora
