// What the saver of the crash test writes in generation g: the alarm file and ALARM.INI, byte for byte,
// so that a file found after a kill can be recognised as one that a finished save wrote.
#pragma once

#include "store/preferences_file.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace klaxora::testing {

// What generation g of the saver holds: alarm k of LineCount(g), all in 2027 and so kept by every load.
inline int lineCount(std::int64_t g)
{
    return 1 + static_cast<int>(g * 37 % 150);
}

struct AlarmTexts {
    std::string time, message, date, wave, mode;
};

inline AlarmTexts alarmOf(std::int64_t g, int k)
{
    char time[16];
    char date[16];
    std::snprintf(time, sizeof time, "%02d:%02d%s", static_cast<int>(1 + (g + k) % 12),
                  static_cast<int>((g * 7 + k) % 60), (g + k) % 2 == 0 ? "am" : "pm");
    std::snprintf(date, sizeof date, "%02d/%02d/2027", static_cast<int>(1 + (g + k) % 12),
                  static_cast<int>(1 + (g * 3 + k) % 28));
    return {time,
            "gen " + std::to_string(g) + " alarm " + std::to_string(k) + " " + std::string(k % 40, 'x') + "é",
            date, k % 3 == 0 ? "" : "/snd/" + std::to_string(g) + ".wav", std::to_string(k % 3)};
}

// The file as the writer gives it for generation g.
inline std::string alarmFileOf(std::int64_t g)
{
    std::string file;
    for (int k = 0; k < lineCount(g); ++k) {
        const AlarmTexts a = alarmOf(g, k);
        file += a.time + "^" + a.message + "^^3^" + a.date + "^" + a.wave + "^" + a.mode + "\r\n";
    }
    return file;
}

inline Preferences preferencesOf(std::int64_t g)
{
    return {"/sounds/generation-" + std::to_string(g) + ".wav", g % 2 == 1, g % 3 == 0};
}

// The three values as written ("WaveFile", "Silent", "Use"); a save replaces them one after another.
using IniValues = std::array<std::string, 3>;

inline IniValues iniValuesOf(std::int64_t g)
{
    const Preferences p = preferencesOf(g);
    return {p.defaultWaveFile, p.noAlarmSound ? "1" : "0", p.useTray ? "1" : "0"};
}

inline std::string iniFileOf(const IniValues& v)
{
    return "; kept by every save\r\n[Sounds]\r\nWaveFile=" + v[0] + "\r\nSilent=" + v[1] +
           "\r\n[Tray]\r\nUse=" + v[2] + "\r\n";
}

} // namespace klaxora::testing
