// Reading date, time and integer text. Called for every line of the alarm file, so nothing here
// allocates unless a conversion fails.
#include "store/date_time_text.h"

#include "store/text_helpers.h"

#include <cstdint>

namespace klaxora {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

class TextScanner {
public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    void skipSpaces()
    {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }

    // Decimal digits; reading stops once the value has reached 1000, so the value cannot overflow
    // and longer digit runs leave digits behind that make the text invalid.
    bool number(int& value)
    {
        if (pos_ >= text_.size() || !isDigit(text_[pos_]))
            return false;
        value = 0;
        while (pos_ < text_.size() && isDigit(text_[pos_]) && value < 1000)
            value = value * 10 + (text_[pos_++] - '0');
        return true;
    }

    bool literal(std::string_view literal)
    {
        if (literal.empty() || text_.substr(pos_, literal.size()) != literal)
            return false;
        pos_ += literal.size();
        return true;
    }

    bool literalNoCase(std::string_view literal)
    {
        if (!startsWithNoCase(text_.substr(pos_), literal))
            return false;
        pos_ += literal.size();
        return true;
    }

    bool atEnd() const { return pos_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

DateOrder dateOrderOf(std::string_view shortDatePattern)
{
    for (const char c : shortDatePattern) {
        switch (c) {
        case 'd':
        case 'D':
            return DateOrder::DayMonthYear;
        case 'y':
        case 'Y':
            return DateOrder::YearMonthDay;
        case 'm':
        case 'M':
            return DateOrder::MonthDayYear;
        default:
            break;
        }
    }
    return DateOrder::MonthDayYear;
}

// `refusal` leaves %1 for the text.
[[noreturn]] void throwConversionError(std::string_view text, const char* refusal)
{
    throw ConversionError({"DateTimeText", refusal, {{nullptr, std::string(text), {}}}});
}

} // namespace

bool tryStrToTime(std::string_view text, const FormatSettings& settings, DateTime& result)
{
    TextScanner scan(text);
    int hour = 0;
    int minute = 0;
    int second = 0;
    scan.skipSpaces();
    if (!scan.number(hour))
        return false;
    scan.skipSpaces();
    if (scan.literal(settings.timeSeparator)) {
        scan.skipSpaces();
        if (!scan.number(minute))
            return false;
        scan.skipSpaces();
        if (scan.literal(settings.timeSeparator)) {
            scan.skipSpaces();
            if (!scan.number(second))
                return false;
        }
    }
    scan.skipSpaces();
    const bool morning = scan.literalNoCase(settings.timeAmString) || scan.literalNoCase("AM");
    const bool afternoon =
        !morning && (scan.literalNoCase(settings.timePmString) || scan.literalNoCase("PM"));
    if (morning || afternoon) {
        if (hour < 1 || hour > 12)
            return false;
        hour = (hour == 12 ? 0 : hour) + (afternoon ? 12 : 0);
    }
    scan.skipSpaces();
    if (!scan.atEnd() || hour > 23 || minute > 59 || second > 59)
        return false;
    result = encodeTime(hour, minute, second, 0);
    return true;
}

DateTime strToTime(std::string_view text, const FormatSettings& settings)
{
    DateTime result = 0;
    if (!tryStrToTime(text, settings, result))
        throwConversionError(text, QT_TRANSLATE_NOOP("DateTimeText", "'%1' is not a valid time"));
    return result;
}

bool tryStrToDate(std::string_view text, const FormatSettings& settings, int currentYear, DateTime& result)
{
    TextScanner scan(text);
    int first = 0;
    int second = 0;
    int third = 0;
    scan.skipSpaces();
    if (!scan.number(first))
        return false;
    scan.skipSpaces();
    if (!scan.literal(settings.dateSeparator))
        return false;
    scan.skipSpaces();
    if (!scan.number(second))
        return false;
    scan.skipSpaces();

    const DateOrder order = dateOrderOf(settings.shortDatePattern);
    int year = currentYear;
    int month = 0;
    int day = 0;
    if (scan.literal(settings.dateSeparator)) {
        scan.skipSpaces();
        if (!scan.number(third))
            return false;
        switch (order) {
        case DateOrder::MonthDayYear:
            month = first, day = second, year = third;
            break;
        case DateOrder::DayMonthYear:
            day = first, month = second, year = third;
            break;
        case DateOrder::YearMonthDay:
            year = first, month = second, day = third;
            break;
        }
    } else if (order == DateOrder::DayMonthYear) {
        day = first, month = second;
    } else {
        month = first, day = second;
    }
    if (year < 100)
        year += currentYear / 100 * 100;

    scan.skipSpaces();
    scan.literal(settings.dateSeparator);
    scan.skipSpaces();
    if (!scan.atEnd() || !isValidDate(year, month, day))
        return false;
    result = encodeDate(year, month, day);
    return true;
}

DateTime strToDate(std::string_view text, const FormatSettings& settings, int currentYear)
{
    DateTime result = 0;
    if (!tryStrToDate(text, settings, currentYear, result))
        throwConversionError(text, QT_TRANSLATE_NOOP("DateTimeText", "'%1' is not a valid date"));
    return result;
}

int strToInt(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    const bool hex = pos < text.size() && text[pos] == '$';
    if (hex)
        ++pos;

    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t magnitude = 0;
    const std::size_t firstDigit = pos;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        int digit = -1;
        if (isDigit(c))
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            break;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (magnitude > limit)
            throwConversionError(text,
                                 QT_TRANSLATE_NOOP("DateTimeText", "'%1' is not a valid integer value"));
    }
    if (pos == firstDigit || pos != text.size())
        throwConversionError(text, QT_TRANSLATE_NOOP("DateTimeText", "'%1' is not a valid integer value"));
    return negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
}

} // namespace klaxora
