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

std::vector<std::string_view> SplitInput(std::string_view input, std::size_t count)
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
TDateTime ValueFrom(std::string_view bytes)
{
    std::uint64_t n = 0;
    for (const char c : bytes.substr(0, 8))
        n = n << 8 | static_cast<unsigned char>(c);
    constexpr std::int64_t kFirst = -693593LL * 86400000;
    constexpr std::int64_t kSpan = (2958466LL + 693593) * 86400000;
    return static_cast<double>(kFirst + static_cast<std::int64_t>(n % kSpan)) / 86400000.0;
}

// what() ends at the first NUL character, so the texts are compared up to there.
void RequireErrorText(const ConversionError& error, std::string_view text, const char* what)
{
    const std::string expected = "'" + std::string(text) + "' is not a valid " + what;
    Require(std::strcmp(error.what(), expected.c_str()) == 0,
            std::string("the text of the error: ") + error.what());
}

void CheckStorageRoundTrips(std::string_view text, const FormatSettings& storage)
{
    TDateTime time = 0;
    if (TryStrToTime(text, storage, time)) {
        Require(time >= 0 && time < 1, "a time of day");
        Require(DecodeTime(time).millisecond == 0, "whole seconds");
        const TDateTime again = StrToTime(FormatDateTime("hh:nn:ssam/pm", time, storage), storage);
        Require(again == time, "a time written as hh:nn:ssam/pm reads back the same");
        Require(StrToTime(FormatDateTime("hh:mmam/pm", time, storage), storage) ==
                    EncodeTime(DecodeTime(time).hour, DecodeTime(time).minute, 0, 0),
                "the file's time pattern keeps hours and minutes");
    }
    Require(IsValidTimeText(text, storage) == TryStrToTime(text, storage, time), "IsValidTimeText");

    TDateTime date = 0;
    if (TryStrToDate(text, storage, 2026, date)) {
        const CivilDate civil = DecodeDate(date);
        Require(IsValidDate(civil.year, civil.month, civil.day) && date == DateOf(date),
                "a valid whole date");
        Require(StrToDate(FormatDateTime("mm/dd/yyyy", date, storage), storage, 2026) == date,
                "a date written as mm/dd/yyyy reads back the same");
    }
    Require(IsValidDateText(text, storage, 2026) == TryStrToDate(text, storage, 2026, date),
            "IsValidDateText");

    try {
        const int number = StrToInt(text);
        Require(StrToInt(std::to_string(number)) == number, "an integer reads back the same");
    } catch (const ConversionError& error) {
        RequireErrorText(error, text, "integer value");
    }
}

} // namespace
} // namespace klaxora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace klaxora;
    using fuzz::Require;
    const auto parts = fuzz::SplitInput(std::string_view(reinterpret_cast<const char*>(data), size), 8);
    const auto part = [&parts](std::size_t i) { return i < parts.size() ? parts[i] : std::string_view(); };
    const std::string_view text = part(0);
    const std::string_view pattern = part(1);

    const FormatSettings storage = StorageFormatSettings(FormatSettings{});
    fuzz::CheckStorageRoundTrips(text, storage);

    FormatSettings settings = storage;
    std::string* const fields[] = {&settings.DateSeparator,    &settings.TimeSeparator,
                                   &settings.TimeAMString,     &settings.TimePMString,
                                   &settings.ShortDatePattern, &settings.LongTimePattern};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (i + 2 < parts.size() - 1)
            *fields[i] = std::string(part(i + 2));
    }

    try {
        (void)StrToTime(text, settings);
    } catch (const ConversionError& error) {
        fuzz::RequireErrorText(error, text, "time");
    }
    try {
        (void)StrToDate(text, settings, 2026);
    } catch (const ConversionError& error) {
        fuzz::RequireErrorText(error, text, "date");
    }

    const TDateTime value = fuzz::ValueFrom(part(parts.size() - 1));
    (void)FormatDateTime(pattern, value, settings);
    (void)FormatDateTime(pattern, DateOf(value), settings);
    (void)TimeToStr(value, settings);
    (void)DateToStr(value, settings);
    try {
        const TDateTime time = AddMinutesToTimeOfDay(static_cast<std::int32_t>(size * 7919 % 200000) - 100000,
                                                     TimeOf(value), DateOf(value), settings);
        Require(time >= 0 && time < 1, "AddMinutesToTimeOfDay gives a time of day");
    } catch (const ConversionError&) {
        // A long time pattern that does not read back as a time: only a made-up one does that.
    }
    return 0;
}
