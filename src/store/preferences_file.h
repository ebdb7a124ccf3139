// The user's three preferences in "ALARM.INI" beside the program.
#pragma once

#include "store/file_system.h"
#include "store/user_error.h"

#include <string>
#include <string_view>

namespace klaxora {

constexpr std::string_view PreferencesFileName = "ALARM.INI";

struct Preferences {
    std::string defaultWaveFile; // "Sounds"/"WaveFile": the sound for new alarms
    bool noAlarmSound = false;   // "Sounds"/"Silent": alarm sounds switched off
    bool useTray = false;        // "Tray"/"Use": minimising goes to the notification area
};

// "Unable to write to %s" with the full path of the file.
class PreferencesError : public UserError {
public:
    using UserError::UserError;
};

// Missing file, section or key: the defaults above.
Preferences loadPreferences(FileSystem& fileSystem, const std::string& folder);
// Writes all three keys, each by itself; the first that fails throws PreferencesError and the keys after
// it are not written.
void savePreferences(FileSystem& fileSystem, const std::string& folder, const Preferences& preferences);

// A boolean value: a whole number, decimal, or hexadecimal when longer than two characters and beginning
// with "0x"; any number but 0 is true, anything that is not a number gives `defaultValue`.
bool profileBoolean(std::string_view value, bool defaultValue);

} // namespace klaxora
