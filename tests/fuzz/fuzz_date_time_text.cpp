// The time, date and integer conversions and the pattern language, with settings from the input.
// Input: lines (LF) of text to convert, a format pattern, then optional settings: date separator, time
// separator, morning and afternoon designators, short date pattern, long time pattern; a missing line
// keeps the storage setting. The bytes after them pick the value to format.
#include "fuzz_check.h"
#include "store/date_time_text.h"
#include "store/text_helpers.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace klaxora::fuzz {
namespace {

std::vector<std::string_view> splitInput(std::string_view input, std::size_t count)
{
    std::vector<std::string_view> lines;
    while (lines.size() < count && !input.empty()) {
        const std::size_t end = input.find('\n');
        lines.push_back(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    lines.push_back(input);
    return lines;
}

// A value from day -693593 (1 January of year 1) to day 2958465 (31 December 9999), to the millisecond.
DateTime valueFrom(std::string_view bytes)
{
    std::uint64_t n = 0;
    for (const char c : bytes.substr(0, 8))
        n = n << 8 | static_cast<unsigned char>(c);
    constexpr std::int64_t FirstRepresentableMs = -693593LL * 86400000;
    constexpr std::int64_t Span = (2958466LL + 693593) * 86400000;
    return static_cast<double>(FirstRepresentableMs + static_cast<std::int64_t>(n % Span)) / 86400000.0;
}

// what() ends at the first NUL character, so the texts are compared up to there.
void requireErrorText(const ConversionError& error, std::string_view text, const char* what)
{
    const std::string expected = "'" + std::string(text) + "' is not a valid " + what;
    require(std::strcmp(error.what(), expected.c_str()) == 0,
            std::string("the text of the error: ") + error.what());
}

void checkStorageRoundTrips(std::string_view text, const FormatSettings& storage)
{
    DateTime time = 0;
    if (tryStrToTime(text, storage, time)) {
        require(time >= 0 && time < 1, "a time of day");
        require(decodeTime(time).millisecond == 0, "whole seconds");
        const DateTime again = strToTime(formatDateTime("hh:nn:ssam/pm", time, storage), storage);
        require(again == time, "a time written as hh:nn:ssam/pm reads back the same");
        require(strToTime(formatDateTime("hh:mmam/pm", time, storage), storage) ==
                    encodeTime(decodeTime(time).hour, decodeTime(time).minute, 0, 0),
                "the file's time pattern keeps hours and minutes");
    }
    require(isValidTimeText(text, storage) == tryStrToTime(text, storage, time), "isValidTimeText");

    DateTime date = 0;
    if (tryStrToDate(text, storage, 2026, date)) {
        const CivilDate civil = decodeDate(date);
        require(isValidDate(civil.year, civil.month, civil.day) && date == dateOf(date),
                "a valid whole date");
        require(strToDate(formatDateTime("mm/dd/yyyy", date, storage), storage, 2026) == date,
                "a date written as mm/dd/yyyy reads back the same");
    }
    require(isValidDateText(text, storage, 2026) == tryStrToDate(text, storage, 2026, date),
            "IsValidDateText");

    try {
        const int number = strToInt(text);
        require(strToInt(std::to_string(number)) == number, "an integer reads back the same");
    } catch (const ConversionError& error) {
        requireErrorText(error, text, "integer value");
    }
}

} // namespace
} // namespace klaxora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace klaxora;
    using fuzz::require;
    const auto parts = fuzz::splitInput(std::string_view(reinterpret_cast<const char*>(data), size), 8);
    const auto part = [&parts](std::size_t i) { return i < parts.size() ? parts[i] : std::string_view(); };
    const std::string_view text = part(0);
    const std::string_view pattern = part(1);

    const FormatSettings storage = storageFormatSettings(FormatSettings{});
    fuzz::checkStorageRoundTrips(text, storage);

    FormatSettings settings = storage;
    std::string* const fields[] = {&settings.dateSeparator,    &settings.timeSeparator,
                                   &settings.timeAmString,     &settings.timePmString,
                                   &settings.shortDatePattern, &settings.longTimePattern};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (i + 2 < parts.size() - 1)
            *fields[i] = std::string(part(i + 2));
    }

    try {
        (void)strToTime(text, settings);
    } catch (const ConversionError& error) {
        fuzz::requireErrorText(error, text, "time");
    }
    try {
        (void)strToDate(text, settings, 2026);
    } catch (const ConversionError& error) {
        fuzz::requireErrorText(error, text, "date");
    }

    const DateTime value = fuzz::valueFrom(part(parts.size() - 1));
    (void)formatDateTime(pattern, value, settings);
    (void)formatDateTime(pattern, dateOf(value), settings);
    (void)timeToStr(value, settings);
    (void)dateToStr(value, settings);
    try {
        const DateTime time = addMinutesToTimeOfDay(static_cast<std::int32_t>(size * 7919 % 200000) - 100000,
                                                    timeOf(value), dateOf(value), settings);
        require(time >= 0 && time < 1, "AddMinutesToTimeOfDay gives a time of day");
    } catch (const ConversionError&) {
        // A long time pattern that does not read back as a time: only a made-up one does that.
    }
    return 0;
}
