// Writing date-time values with the program's pattern language.
#include "store/date_time_text.h"

#include "store/text_helpers.h"

namespace klaxora {

namespace {

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// A pattern may name the short or long date pattern, or a time pattern, which may name one again.
constexpr int MaxNesting = 2;

class PatternWriter {
public:
    PatternWriter(DateTime value, const FormatSettings& settings, std::string& out)
        : settings_(settings), date_(decodeDate(value)), time_(decodeTime(value)),
          dayOfWeek_(dayOfWeek(value)), out_(out)
    {
    }

    void write(std::string_view pattern, int nesting)
    {
        char lastToken = ' ';
        std::size_t pos = 0;
        while (pos < pattern.size()) {
            const char starter = pattern[pos];
            const std::size_t start = pos++;
            char token = upperAscii(starter);
            if (token >= 'A' && token <= 'Z') {
                // "m" right after an hour means minutes.
                if (token == 'M' && lastToken == 'H')
                    token = 'N';
                lastToken = token;
            }
            const auto runLength = [&] {
                while (pos < pattern.size() && pattern[pos] == starter)
                    ++pos;
                return static_cast<int>(pos - start);
            };
            switch (token) {
            case 'Y':
                if (runLength() <= 2)
                    number(date_.year % 100, 2);
                else
                    number(date_.year, 4);
                break;
            case 'M':
                month(runLength());
                break;
            case 'D':
                day(runLength(), nesting);
                break;
            case 'H': {
                const int count = runLength();
                if (amPmFollows(pattern.substr(pos)))
                    use12Hour_ = true;
                number(use12Hour_ ? twelveHour(time_.hour) : time_.hour, count > 2 ? 2 : count);
                break;
            }
            case 'N':
                number(time_.minute, runLength() > 1 ? 2 : 1);
                break;
            case 'S':
                number(time_.second, runLength() > 1 ? 2 : 1);
                break;
            case 'Z': {
                const int count = runLength();
                number(time_.millisecond, count > 3 ? 3 : count);
                break;
            }
            case 'T': {
                const int count = runLength();
                if (nesting < MaxNesting)
                    write(count == 1 ? settings_.shortTimePattern : settings_.longTimePattern, nesting + 1);
                break;
            }
            case 'A':
                pos = start + dayHalf(pattern.substr(start));
                break;
            case '/':
                out_ += settings_.dateSeparator;
                break;
            case ':':
                out_ += settings_.timeSeparator;
                break;
            case '\'':
            case '"': {
                const std::size_t close = pattern.find(starter, pos);
                const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
                out_.append(pattern.substr(pos, end - pos));
                pos = end == pattern.size() ? end : end + 1;
                break;
            }
            default:
                out_ += starter;
                break;
            }
        }
    }

private:
    static int twelveHour(int hour) { return hour == 0 ? 12 : hour > 12 ? hour - 12 : hour; }

    // Whether the hour just written is followed by a day-half marker before the next hour, outside
    // quoted text: such an hour is given on the 12-hour clock.
    static bool amPmFollows(std::string_view rest)
    {
        char quote = 0;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            const char c = rest[i];
            if (quote != 0) {
                if (c == quote)
                    quote = 0;
            } else if (c == '\'' || c == '"') {
                quote = c;
            } else if (c == 'h' || c == 'H') {
                return false;
            } else if (c == 'a' || c == 'A') {
                const std::string_view at = rest.substr(i);
                return startsWithNoCase(at, "am/pm") || startsWithNoCase(at, "a/p") ||
                       startsWithNoCase(at, "ampm");
            }
        }
        return false;
    }

    // Writes the marker that starts the text; returns how much of the pattern it took.
    std::size_t dayHalf(std::string_view at)
    {
        const bool afternoon = time_.hour >= 12;
        if (startsWithNoCase(at, "am/pm")) {
            out_.append(at.substr(afternoon ? 3 : 0, 2)); // in the case the pattern uses
            use12Hour_ = true;
            return 5;
        }
        if (startsWithNoCase(at, "a/p")) {
            out_ += at[afternoon ? 2 : 0];
            use12Hour_ = true;
            return 3;
        }
        if (startsWithNoCase(at, "ampm")) {
            out_ += afternoon ? settings_.timePmString : settings_.timeAmString;
            use12Hour_ = true;
            return 4;
        }
        out_ += at[0];
        return 1;
    }

    void month(int count)
    {
        if (count <= 2)
            number(date_.month, count);
        else if (count == 3)
            out_ += settings_.shortMonthNames[static_cast<std::size_t>(date_.month - 1)];
        else
            out_ += settings_.longMonthNames[static_cast<std::size_t>(date_.month - 1)];
    }

    void day(int count, int nesting)
    {
        const auto dayIndex = static_cast<std::size_t>(dayOfWeek_ - 1);
        if (count <= 2)
            number(date_.day, count);
        else if (count == 3)
            out_ += settings_.shortDayNames[dayIndex];
        else if (count == 4)
            out_ += settings_.longDayNames[dayIndex];
        else if (nesting < MaxNesting)
            write(count == 5 ? settings_.shortDatePattern : settings_.longDatePattern, nesting + 1);
    }

    // At least minDigits digits, zero-padded.
    void number(int value, int minDigits)
    {
        if (value < 0) { // only years before year 1
            out_ += '-';
            value = -value;
        }
        char digits[12];
        int length = 0;
        do {
            digits[length++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0);
        for (int i = length; i < minDigits; ++i)
            out_ += '0';
        while (length > 0)
            out_ += digits[--length];
    }

    const FormatSettings& settings_;
    CivilDate date_;
    ClockTime time_;
    int dayOfWeek_;
    std::string& out_;
    bool use12Hour_ = false;
};

} // namespace

std::string formatDateTime(std::string_view pattern, DateTime value, const FormatSettings& settings)
{
    std::string out;
    out.reserve(pattern.size() + 16);
    PatternWriter(value, settings, out).write(pattern, 0);
    return out;
}

std::string timeToStr(DateTime value, const FormatSettings& settings)
{
    return formatDateTime(settings.longTimePattern, value, settings);
}

std::string dateToStr(DateTime value, const FormatSettings& settings)
{
    return formatDateTime(settings.shortDatePattern, value, settings);
}

} // namespace klaxora
