// Date and time format settings. The program keeps two sets, the storage set with which every text of
// the alarm file is written and read, and the user's own set for text the user sees or types. They are
// values handed to each conversion, never process-wide state.
#pragma once

#include <array>
#include <string>

namespace klaxora {

struct FormatSettings {
    // Switched between the two sets.
    std::string shortDatePattern = "mm/dd/yyyy";
    std::string dateSeparator = "/"; // replaces '/' in patterns
    std::string timeSeparator = ":"; // replaces ':' in patterns
    std::string timeAmString = "AM";
    std::string timePmString = "PM";

    // Taken from the user's locale once and never switched.
    std::string longDatePattern = "dddd, mmmm d, yyyy";
    std::string shortTimePattern = "h:mm AMPM";
    std::string longTimePattern = "h:mm:ss AMPM";
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> longMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    int firstDayOfWeek = 1; // 1 Sunday ... 7 Saturday

    friend bool operator==(const FormatSettings&, const FormatSettings&) = default;
};

// The user's settings with the five switched values replaced by the storage values
// ("mm/dd/yyyy", "/", ":", "AM", "PM"); the fixed patterns and names stay the user's.
FormatSettings storageFormatSettings(const FormatSettings& user);

// The two sets side by side: constructing it plays the part of saving the user's settings; User() is what
// is in force inside a user bracket, Storage() everywhere else.
class DateTimeFormats {
public:
    explicit DateTimeFormats(const FormatSettings& user) : user_(user), storage_(storageFormatSettings(user))
    {
    }
    const FormatSettings& user() const { return user_; }
    const FormatSettings& storage() const { return storage_; }

private:
    FormatSettings user_;
    FormatSettings storage_;
};

} // namespace klaxora
