// Date and time format settings. The program keeps two sets, the storage set with which every text of
// the alarm file is written and read, and the user's own set for text the user sees or types. They are
// values handed to each conversion, never process-wide state.
#pragma once

#include <array>
#include <string>

namespace klaxora {

struct FormatSettings {
    // Switched between the two sets.
    std::string ShortDatePattern = "mm/dd/yyyy";
    std::string DateSeparator = "/"; // replaces '/' in patterns
    std::string TimeSeparator = ":"; // replaces ':' in patterns
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";

    // Taken from the user's locale once and never switched.
    std::string LongDatePattern = "dddd, mmmm d, yyyy";
    std::string ShortTimePattern = "h:mm AMPM";
    std::string LongTimePattern = "h:mm:ss AMPM";
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};

    friend bool operator==(const FormatSettings&, const FormatSettings&) = default;
};

// The user's settings with the five switched values replaced by the storage values
// ("mm/dd/yyyy", "/", ":", "AM", "PM"); the fixed patterns and names stay the user's.
FormatSettings StorageFormatSettings(const FormatSettings& user);

// The two sets side by side: constructing it plays the part of saving the user's settings; User() is what
// is in force inside a user bracket, Storage() everywhere else.
class DateTimeFormats {
public:
    explicit DateTimeFormats(const FormatSettings& user) : user_(user), storage_(StorageFormatSettings(user))
    {
    }
    const FormatSettings& User() const { return user_; }
    const FormatSettings& Storage() const { return storage_; }

private:
    FormatSettings user_;
    FormatSettings storage_;
};

} // namespace klaxora
