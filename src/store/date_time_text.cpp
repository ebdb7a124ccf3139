// Reading date, time and integer text. Called for every line of the alarm file, so nothing here
// allocates unless a conversion fails.
#include "store/date_time_text.h"

#include "store/text_helpers.h"

#include <cstdint>

namespace klaxora {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

class TextScanner {
public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    void SkipSpaces()
    {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }

    // Decimal digits; reading stops once the value has reached 1000, so the value cannot overflow
    // and longer digit runs leave digits behind that make the text invalid.
    bool Number(int& value)
    {
        if (pos_ >= text_.size() || !IsDigit(text_[pos_]))
            return false;
        value = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_]) && value < 1000)
            value = value * 10 + (text_[pos_++] - '0');
        return true;
    }

    bool Literal(std::string_view literal)
    {
        if (literal.empty() || text_.substr(pos_, literal.size()) != literal)
            return false;
        pos_ += literal.size();
        return true;
    }

    bool LiteralNoCase(std::string_view literal)
    {
        if (!StartsWithNoCase(text_.substr(pos_), literal))
            return false;
        pos_ += literal.size();
        return true;
    }

    bool AtEnd() const { return pos_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

DateOrder DateOrderOf(std::string_view shortDatePattern)
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

[[noreturn]] void ThrowConversionError(std::string_view text, const char* what)
{
    std::string message;
    message.reserve(text.size() + 32);
    message.append("'").append(text).append("' is not a valid ").append(what);
    throw ConversionError(message);
}

} // namespace

bool TryStrToTime(std::string_view text, const FormatSettings& settings, TDateTime& result)
{
    TextScanner scan(text);
    int hour = 0;
    int minute = 0;
    int second = 0;
    scan.SkipSpaces();
    if (!scan.Number(hour))
        return false;
    scan.SkipSpaces();
    if (scan.Literal(settings.TimeSeparator)) {
        scan.SkipSpaces();
        if (!scan.Number(minute))
            return false;
        scan.SkipSpaces();
        if (scan.Literal(settings.TimeSeparator)) {
            scan.SkipSpaces();
            if (!scan.Number(second))
                return false;
        }
    }
    scan.SkipSpaces();
    const bool morning = scan.LiteralNoCase(settings.TimeAMString) || scan.LiteralNoCase("AM");
    const bool afternoon =
        !morning && (scan.LiteralNoCase(settings.TimePMString) || scan.LiteralNoCase("PM"));
    if (morning || afternoon) {
        if (hour < 1 || hour > 12)
            return false;
        hour = (hour == 12 ? 0 : hour) + (afternoon ? 12 : 0);
    }
    scan.SkipSpaces();
    if (!scan.AtEnd() || hour > 23 || minute > 59 || second > 59)
        return false;
    result = EncodeTime(hour, minute, second, 0);
    return true;
}

TDateTime StrToTime(std::string_view text, const FormatSettings& settings)
{
    TDateTime result = 0;
    if (!TryStrToTime(text, settings, result))
        ThrowConversionError(text, "time");
    return result;
}

bool TryStrToDate(std::string_view text, const FormatSettings& settings, int currentYear, TDateTime& result)
{
    TextScanner scan(text);
    int first = 0;
    int second = 0;
    int third = 0;
    scan.SkipSpaces();
    if (!scan.Number(first))
        return false;
    scan.SkipSpaces();
    if (!scan.Literal(settings.DateSeparator))
        return false;
    scan.SkipSpaces();
    if (!scan.Number(second))
        return false;
    scan.SkipSpaces();

    const DateOrder order = DateOrderOf(settings.ShortDatePattern);
    int year = currentYear;
    int month = 0;
    int day = 0;
    if (scan.Literal(settings.DateSeparator)) {
        scan.SkipSpaces();
        if (!scan.Number(third))
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

    scan.SkipSpaces();
    scan.Literal(settings.DateSeparator);
    scan.SkipSpaces();
    if (!scan.AtEnd() || !IsValidDate(year, month, day))
        return false;
    result = EncodeDate(year, month, day);
    return true;
}

TDateTime StrToDate(std::string_view text, const FormatSettings& settings, int currentYear)
{
    TDateTime result = 0;
    if (!TryStrToDate(text, settings, currentYear, result))
        ThrowConversionError(text, "date");
    return result;
}

int StrToInt(std::string_view text)
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
        if (IsDigit(c))
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            break;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (magnitude > limit)
            ThrowConversionError(text, "integer value");
    }
    if (pos == firstDigit || pos != text.size())
        ThrowConversionError(text, "integer value");
    return negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
}

} // namespace klaxora
