#include "app/user_locale.h"

#include <QStringView>

namespace klaxora {

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Index of the quote that closes the text quoted at Open, or the size when none does. Qt quotes with
// '; inside, two quotes stand for one.
qsizetype closingQuote(const QString& pattern, qsizetype open)
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

qsizetype afterQuoted(const QString& pattern, qsizetype open)
{
    const qsizetype close = closingQuote(pattern, open);
    return close < pattern.size() ? close + 1 : close;
}

// Index of the first unquoted character of Pattern that is one of Wanted, or the size.
qsizetype findUnquoted(const QString& pattern, QStringView wanted)
{
    qsizetype i = 0;
    while (i < pattern.size() && !wanted.contains(pattern[i]))
        i = pattern[i] == u'\'' ? afterQuoted(pattern, i) : i + 1;
    return i;
}

// The text between the first field of Pattern and the next, spaces trimmed: "M/d/yy" gives "/".
std::string separatorAfterFirstField(const QString& pattern, QStringView fields, const char* fallback)
{
    qsizetype i = findUnquoted(pattern, fields);
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
bool usesTwelveHourClock(const QString& timePattern)
{
    return findUnquoted(timePattern, u"aA") < timePattern.size();
}

bool hourHasLeadingZero(const QString& timePattern)
{
    const qsizetype hour = findUnquoted(timePattern, u"hH");
    return hour + 1 < timePattern.size() && timePattern[hour + 1] == timePattern[hour];
}

// Literal text in the program's pattern language: double-quoted, with a double quote single-quoted.
void appendLiteral(QString& out, const QString& literal)
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
void fillNames(std::array<std::string, N>& names, QString (QLocale::*name)(int, QLocale::FormatType) const,
               const QLocale& locale, QLocale::FormatType type, int firstQtIndex)
{
    // Qt counts months from 1 and days from Monday = 1 to Sunday = 7; the program from 0 and Sunday.
    for (std::size_t i = 0; i < N; ++i) {
        const int qtIndex = (static_cast<int>(i) + firstQtIndex - 1) % static_cast<int>(N) + 1;
        names[i] = (locale.*name)(qtIndex, type).toStdString();
    }
}

} // namespace

std::string datePatternFromQt(const QString& qtPattern, const std::string& dateSeparator)
{
    QString out;
    QString literal;
    const auto flushLiteral = [&] {
        appendLiteral(out, literal);
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
            const qsizetype close = closingQuote(qtPattern, i);
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
        if (isAsciiLetter(c) || c == u'"' || c == u':' || (c == u'/' && dateSeparator != "/")) {
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

FormatSettings userFormatSettings(const QLocale& locale)
{
    FormatSettings settings;
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);

    settings.dateSeparator = separatorAfterFirstField(shortDate, u"dMy", "/");
    settings.timeSeparator = separatorAfterFirstField(shortTime, u"hHm", ":");
    settings.shortDatePattern = datePatternFromQt(shortDate, settings.dateSeparator);
    settings.longDatePattern =
        datePatternFromQt(locale.dateFormat(QLocale::LongFormat), settings.dateSeparator);
    settings.timeAmString = locale.amText().toStdString();
    settings.timePmString = locale.pmText().toStdString();

    const std::string hour = hourHasLeadingZero(shortTime) ? "hh" : "h";
    const std::string dayHalf = usesTwelveHourClock(shortTime) ? " AMPM" : "";
    settings.shortTimePattern = hour + ":mm" + dayHalf;
    settings.longTimePattern = hour + ":mm:ss" + dayHalf;

    fillNames(settings.shortMonthNames, &QLocale::monthName, locale, QLocale::ShortFormat, 1);
    fillNames(settings.longMonthNames, &QLocale::monthName, locale, QLocale::LongFormat, 1);
    fillNames(settings.shortDayNames, &QLocale::dayName, locale, QLocale::ShortFormat, 7);
    fillNames(settings.longDayNames, &QLocale::dayName, locale, QLocale::LongFormat, 7);
    // Qt counts Monday 1 to Sunday 7; the program Sunday 1 to Saturday 7.
    settings.firstDayOfWeek = static_cast<int>(locale.firstDayOfWeek()) % 7 + 1;
    return settings;
}

} // namespace klaxora
