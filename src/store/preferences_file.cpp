#include "store/preferences_file.h"

#include "store/date_time_text.h"
#include "store/profile_file.h"

namespace klaxora {

namespace {

constexpr std::string_view kSounds = "Sounds";
constexpr std::string_view kTray = "Tray";

bool ReadBoolean(FileSystem& fileSystem, const std::string& path, std::string_view section,
                 std::string_view key)
{
    return ProfileBoolean(ReadProfileString(fileSystem, path, section, key, ""), false);
}

void WriteOrThrow(FileSystem& fileSystem, const std::string& path, std::string_view section,
                  std::string_view key, std::string_view value)
{
    if (!WriteProfileString(fileSystem, path, section, key, value))
        throw PreferencesError("Unable to write to " + path);
}

} // namespace

bool ProfileBoolean(std::string_view value, bool defaultValue)
{
    std::string number(value);
    if (number.size() > 2 && number[0] == '0' && (number[1] == 'x' || number[1] == 'X'))
        number = '$' + number.substr(2);
    try {
        return StrToInt(number) != 0;
    } catch (const ConversionError&) {
        return defaultValue;
    }
}

Preferences LoadPreferences(FileSystem& fileSystem, const std::string& folder)
{
    const std::string path = JoinPath(folder, PreferencesFileName);
    fileSystem.RemoveLeftoverTemporaries(path);
    Preferences preferences;
    preferences.DefaultWaveFile = ReadProfileString(fileSystem, path, kSounds, "WaveFile", "");
    preferences.NoAlarmSound = ReadBoolean(fileSystem, path, kSounds, "Silent");
    preferences.UseTray = ReadBoolean(fileSystem, path, kTray, "Use");
    return preferences;
}

void SavePreferences(FileSystem& fileSystem, const std::string& folder, const Preferences& preferences)
{
    const std::string path = JoinPath(folder, PreferencesFileName);
    WriteOrThrow(fileSystem, path, kSounds, "WaveFile", preferences.DefaultWaveFile);
    WriteOrThrow(fileSystem, path, kSounds, "Silent", preferences.NoAlarmSound ? "1" : "0");
    WriteOrThrow(fileSystem, path, kTray, "Use", preferences.UseTray ? "1" : "0");
}

} // namespace klaxora
