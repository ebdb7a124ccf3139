#include "app/user_locale.h"

#include <QStringView>

namespace klaxora {

namespace {

bool IsAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Index of the quote that closes the text quoted at Open, or the size when none does. Qt quotes with
// '; inside, two quotes stand for one.
qsizetype ClosingQuote(const QString& pattern, qsizetype open)
{
    qsizetype i = open + 1;
    while (i < pattern.size()) {
        if (pattern[i] == u'\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                i += 2;
                continue;
            }
            return i;
        }
        ++i;
    }
    return i;
}

qsizetype AfterQuoted(const QString& pattern, qsizetype open)
{
    const qsizetype close = ClosingQuote(pattern, open);
    return close < pattern.size() ? close + 1 : close;
}

// Index of the first unquoted character of Pattern that is one of Wanted, or the size.
qsizetype FindUnquoted(const QString& pattern, QStringView wanted)
{
    qsizetype i = 0;
    while (i < pattern.size() && !wanted.contains(pattern[i]))
        i = pattern[i] == u'\'' ? AfterQuoted(pattern, i) : i + 1;
    return i;
}

// The text between the first field of Pattern and the next, spaces trimmed: "M/d/yy" gives "/".
std::string SeparatorAfterFirstField(const QString& pattern, QStringView fields, const char* fallback)
{
    qsizetype i = FindUnquoted(pattern, fields);
    if (i < pattern.size()) {
        const QChar field = pattern[i];
        while (i < pattern.size() && pattern[i] == field)
            ++i;
    }
    const qsizetype start = i;
    while (i < pattern.size() && !fields.contains(pattern[i]) && pattern[i] != u'\'')
        ++i;
    const QString separator = pattern.mid(start, i - start).trimmed();
    return separator.isEmpty() ? std::string(fallback) : separator.toStdString();
}

// A Qt time pattern with a day-half designator (A, AP, a, ap) belongs to a 12-hour locale.
bool UsesTwelveHourClock(const QString& timePattern)
{
    return FindUnquoted(timePattern, u"aA") < timePattern.size();
}

bool HourHasLeadingZero(const QString& timePattern)
{
    const qsizetype hour = FindUnquoted(timePattern, u"hH");
    return hour + 1 < timePattern.size() && timePattern[hour + 1] == timePattern[hour];
}

// Literal text in the program's pattern language: double-quoted, with a double quote single-quoted.
void AppendLiteral(QString& out, const QString& literal)
{
    bool open = false;
    for (const QChar ch : literal) {
        if (ch == u'"') {
            if (open)
                out += u'"';
            open = false;
            out += u"'\"'";
        } else {
            if (!open)
                out += u'"';
            open = true;
            out += ch;
        }
    }
    if (open)
        out += u'"';
}

template <std::size_t N>
void FillNames(std::array<std::string, N>& names, QString (QLocale::*name)(int, QLocale::FormatType) const,
               const QLocale& locale, QLocale::FormatType type, int firstQtIndex)
{
    // Qt counts months from 1 and days from Monday = 1 to Sunday = 7; the program from 0 and Sunday.
    for (std::size_t i = 0; i < N; ++i) {
        const int qtIndex = (static_cast<int>(i) + firstQtIndex - 1) % static_cast<int>(N) + 1;
        names[i] = (locale.*name)(qtIndex, type).toStdString();
    }
}

} // namespace

std::string DatePatternFromQt(const QString& qtPattern, const std::string& dateSeparator)
{
    QString out;
    QString literal;
    const auto flushLiteral = [&] {
        AppendLiteral(out, literal);
        literal.clear();
    };
    for (qsizetype i = 0; i < qtPattern.size();) {
        const QChar c = qtPattern[i];
        if (c == u'\'') {
            if (i + 1 < qtPattern.size() && qtPattern[i + 1] == u'\'') {
                literal += u'\''; // '' outside quotes
                i += 2;
                continue;
            }
            const qsizetype close = ClosingQuote(qtPattern, i);
            literal += qtPattern.mid(i + 1, close - i - 1).replace(QStringLiteral("''"), QStringLiteral("'"));
            i = close < qtPattern.size() ? close + 1 : close;
            continue;
        }
        if (c == u'd' || c == u'M' || c == u'y') {
            flushLiteral();
            qsizetype end = i;
            while (end < qtPattern.size() && qtPattern[end] == c)
                ++end;
            out += QString(end - i, c == u'M' ? QChar(u'm') : c);
            i = end;
            continue;
        }
        // Letters, quotes and ':' mean something to the program, and '/' is its date separator.
        if (IsAsciiLetter(c) || c == u'"' || c == u':' || (c == u'/' && dateSeparator != "/")) {
            literal += c;
        } else {
            flushLiteral();
            out += c;
        }
        ++i;
    }
    flushLiteral();
    return out.toStdString();
}

FormatSettings UserFormatSettings(const QLocale& locale)
{
    FormatSettings settings;
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);

    settings.DateSeparator = SeparatorAfterFirstField(shortDate, u"dMy", "/");
    settings.TimeSeparator = SeparatorAfterFirstField(shortTime, u"hHm", ":");
    settings.ShortDatePattern = DatePatternFromQt(shortDate, settings.DateSeparator);
    settings.LongDatePattern =
        DatePatternFromQt(locale.dateFormat(QLocale::LongFormat), settings.DateSeparator);
    settings.TimeAMString = locale.amText().toStdString();
    settings.TimePMString = locale.pmText().toStdString();

    const std::string hour = HourHasLeadingZero(shortTime) ? "hh" : "h";
    const std::string dayHalf = UsesTwelveHourClock(shortTime) ? " AMPM" : "";
    settings.ShortTimePattern = hour + ":mm" + dayHalf;
    settings.LongTimePattern = hour + ":mm:ss" + dayHalf;

    FillNames(settings.ShortMonthNames, &QLocale::monthName, locale, QLocale::ShortFormat, 1);
    FillNames(settings.LongMonthNames, &QLocale::monthName, locale, QLocale::LongFormat, 1);
    FillNames(settings.ShortDayNames, &QLocale::dayName, locale, QLocale::ShortFormat, 7);
    FillNames(settings.LongDayNames, &QLocale::dayName, locale, QLocale::LongFormat, 7);
    return settings;
}

} // namespace klaxora
