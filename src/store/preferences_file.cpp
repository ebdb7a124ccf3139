#include "store/preferences_file.h"

#include "store/date_time_text.h"
#include "store/profile_file.h"

namespace klaxora {

namespace {

constexpr std::string_view SoundsSection = "Sounds";
constexpr std::string_view TraySection = "Tray";

bool readBoolean(FileSystem& fileSystem, const std::string& path, std::string_view section,
                 std::string_view key)
{
    return profileBoolean(readProfileString(fileSystem, path, section, key, ""), false);
}

void writeOrThrow(FileSystem& fileSystem, const std::string& path, std::string_view section,
                  std::string_view key, std::string_view value)
{
    if (!writeProfileString(fileSystem, path, section, key, value))
        throw PreferencesError({"PreferencesFile",
                                QT_TRANSLATE_NOOP("PreferencesFile", "Unable to write to %1"),
                                {{nullptr, path, {}}}});
}

} // namespace

bool profileBoolean(std::string_view value, bool defaultValue)
{
    std::string number(value);
    if (number.size() > 2 && number[0] == '0' && (number[1] == 'x' || number[1] == 'X'))
        number = '$' + number.substr(2);
    try {
        return strToInt(number) != 0;
    } catch (const ConversionError&) {
        return defaultValue;
    }
}

Preferences loadPreferences(FileSystem& fileSystem, const std::string& folder)
{
    const std::string path = joinPath(folder, PreferencesFileName);
    fileSystem.removeLeftoverTemporaries(path);
    Preferences preferences;
    preferences.defaultWaveFile = readProfileString(fileSystem, path, SoundsSection, "WaveFile", "");
    preferences.noAlarmSound = readBoolean(fileSystem, path, SoundsSection, "Silent");
    preferences.useTray = readBoolean(fileSystem, path, TraySection, "Use");
    return preferences;
}

void savePreferences(FileSystem& fileSystem, const std::string& folder, const Preferences& preferences)
{
    const std::string path = joinPath(folder, PreferencesFileName);
    writeOrThrow(fileSystem, path, SoundsSection, "WaveFile", preferences.defaultWaveFile);
    writeOrThrow(fileSystem, path, SoundsSection, "Silent", preferences.noAlarmSound ? "1" : "0");
    writeOrThrow(fileSystem, path, TraySection, "Use", preferences.useTray ? "1" : "0");
}

} // namespace klaxora
