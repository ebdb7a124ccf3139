#include "reliability/bad_input_preferences.h"

#include "reliability/bad_input_mutations.h"

#include <vector>

namespace klaxora::badinput {

namespace {

// The first three are used alone; a mixed file also gets the odd pairs.
constexpr auto LineEnds = std::to_array<const char*>({"\r\n", "\n", "\r", "\n\r", "\r\r", "\n\n"});

} // namespace

PreferencesInput composePreferences(Random& random)
{
    PreferencesInput input;
    const int form = uniform(random, 0, 99);
    if (form < 8) {
        input.form = PreferencesInput::Form::Missing;
        input.description = "no ALARM.INI";
        return input;
    }
    if (form < 10) {
        input.form = PreferencesInput::Form::Folder;
        input.description = "ALARM.INI is a folder";
        return input;
    }
    static constexpr auto flags =
        std::to_array<const char*>({"1", "0", "yes", "0x1", "2", "", " 1 ", "\"1\"", "-1", "0X10",
                                    "99999999999999999999", "0x", "0xZZ", "1.5", "\xB9"});
    static constexpr auto extras =
        std::to_array<const char*>({"; comment", "# comment", "[Other]", "Key=Value", "", "  ", "[",
                                    "[Sounds", "[]", "=orphan", "no equals sign", "[SOUNDS]"});
    static constexpr auto sections =
        std::to_array<const char*>({"[Sounds]", "[sounds]", " [Sounds] ", "[Tray]", "[TRAY]", "[Tray]x"});
    std::vector<std::string> lines;
    const auto maybeExtra = [&] {
        if (chance(random, 0.3))
            lines.emplace_back(pick(random, extras));
    };
    const auto waveValue = [&]() -> std::string {
        switch (uniform(random, 0, 5)) {
        case 0:
            return "";
        case 1:
            return "\"/usr/share/sounds/alsa/Front_Left.wav\"";
        case 2:
            return fieldText(random, chance(random, 0.5),
                             static_cast<std::size_t>(uniform(random, 1000, 100000)));
        case 3:
            return fieldText(random, chance(random, 0.5), 40);
        default:
            return "/usr/share/sounds/alsa/Front_Center.wav";
        }
    };
    for (int block = uniform(random, 0, 3); block >= 0; --block) {
        maybeExtra();
        if (chance(random, 0.85))
            lines.emplace_back(pick(random, sections));
        for (int key = uniform(random, 0, 4); key > 0; --key) {
            maybeExtra();
            switch (uniform(random, 0, 3)) {
            case 0:
                lines.push_back((chance(random, 0.8) ? "WaveFile=" : " wavefile = ") + waveValue());
                break;
            case 1:
                lines.push_back(std::string(chance(random, 0.8) ? "Silent=" : "SILENT = ") +
                                pick(random, flags));
                break;
            case 2:
                lines.push_back(std::string(chance(random, 0.8) ? "Use=" : "use =") + pick(random, flags));
                break;
            default:
                lines.emplace_back(chance(random, 0.5) ? "Silent" : "Use");
                break;
            }
        }
    }
    const int endStyle = uniform(random, 0, 3);
    for (const std::string& line : lines) {
        input.bytes += line;
        input.bytes += endStyle == 3 ? pick(random, LineEnds) : LineEnds[static_cast<std::size_t>(endStyle)];
    }
    input.description = "composed ALARM.INI";
    if (chance(random, 0.35))
        input.description += " damaged by " + damage(random, input.bytes, 3);
    return input;
}

} // namespace klaxora::badinput
