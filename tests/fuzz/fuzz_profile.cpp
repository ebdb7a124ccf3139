// Arbitrary bytes as "ALARM.INI": the preferences load, and a save changes only the three keys it writes
// (or adds them, with their sections), keeps every other line, and loads back as written.
#include "fuzz_check.h"
#include "memory_file_system.h"
#include "store/preferences_file.h"
#include "store/profile_file.h"
#include "store/text_encoding.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace klaxora::fuzz {
namespace {

const std::string FuzzFolder = "/klaxora";
const std::string FuzzAlarmFile = FuzzFolder + "/ALARM.INI";

std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool sameNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The key of a line "key=value" that is not a comment, or nothing.
std::optional<std::string_view> keyOf(std::string_view line)
{
    const std::string_view trimmed = trim(line);
    const std::size_t equals = trimmed.find('=');
    if (trimmed.empty() || trimmed.front() == ';' || equals == std::string_view::npos)
        return std::nullopt;
    return trim(trimmed.substr(0, equals));
}

struct Written {
    std::string key;
    std::string value;
};

// A line a save writes: "[Sounds]" or "[Tray]" for a new section, or one of the keys, spelled in any
// case, "=" and its new value.
const Written* writtenLine(std::string_view line, const std::vector<Written>& written)
{
    static const Written Section{};
    if (line == "[Sounds]" || line == "[Tray]")
        return &Section;
    for (const Written& w : written) {
        const std::size_t equals = w.key.size();
        if (line.size() > equals && line[equals] == '=' && sameNoCase(line.substr(0, equals), w.key) &&
            line.substr(equals + 1) == w.value)
            return &w;
    }
    return nullptr;
}

void requireOtherLinesKept(std::string_view before, std::string_view after,
                           const std::vector<Written>& written)
{
    const std::vector<std::string> old = decodeLines(before);
    const std::vector<std::string> now = decodeLines(after);
    std::size_t i = 0;
    int changes = 0;
    for (const std::string& line : now) {
        if (i < old.size() && old[i] == line) {
            ++i;
            continue;
        }
        const Written* ours = writtenLine(line, written);
        require(ours != nullptr, "a line that the save did not write and the file did not hold: " + line);
        const auto oldKey = i < old.size() ? keyOf(old[i]) : std::nullopt;
        if (!ours->key.empty() && oldKey && sameNoCase(*oldKey, ours->key))
            ++i; // the key's line, changed in place
        ++changes;
    }
    require(i == old.size(), "every other line of the file is kept, in its order");
    require(changes <= 5, "three keys and at most two new sections");
}

// A sound file path that reads back exactly as written.
bool readsBackAsWritten(const std::string& value)
{
    return isValidUtf8(value) && characterCount(value) <= ProfileValueCapacity && trim(value) == value &&
           !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
             value.back() == value.front());
}

const std::string Paths[] = {"",
                             "/home/user/Sounds/ring.wav",
                             "C:\\SOUNDS\\RING.WAV",
                             "/é/☕ 𝄞.wav",
                             " spaced ",
                             "\"quoted\"",
                             "a=b;c",
                             "[Tray]",
                             "x\r\ny",
                             std::string(1100, 'a')};

} // namespace
} // namespace klaxora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace klaxora;
    using fuzz::require;
    const std::string contents(reinterpret_cast<const char*>(data), size);
    fuzz::MemoryFileSystem files;
    files.files[fuzz::FuzzAlarmFile] = contents;

    (void)loadPreferences(files, fuzz::FuzzFolder);
    const Preferences wanted{fuzz::Paths[size % std::size(fuzz::Paths)], size % 3 == 1, size % 5 < 2};
    try {
        savePreferences(files, fuzz::FuzzFolder, wanted);
    } catch (const PreferencesError& error) {
        require(wanted.defaultWaveFile.find_first_of("\r\n") != std::string::npos,
                std::string("a save failed: ") + error.what());
        require(files.files.size() == 1 && files.files.at(fuzz::FuzzAlarmFile) == contents,
                "a refused save leaves the file as it was");
        return 0;
    }
    require(files.files.size() == 1, "no temporary file is left");
    const std::string saved = files.files.at(fuzz::FuzzAlarmFile);
    fuzz::requireOtherLinesKept(contents, saved,
                                {{"WaveFile", wanted.defaultWaveFile},
                                 {"Silent", wanted.noAlarmSound ? "1" : "0"},
                                 {"Use", wanted.useTray ? "1" : "0"}});

    const Preferences loaded = loadPreferences(files, fuzz::FuzzFolder);
    require(loaded.noAlarmSound == wanted.noAlarmSound && loaded.useTray == wanted.useTray,
            "the switches load back as saved");
    if (fuzz::readsBackAsWritten(wanted.defaultWaveFile))
        require(loaded.defaultWaveFile == wanted.defaultWaveFile, "the sound file loads back as saved");

    savePreferences(files, fuzz::FuzzFolder, wanted);
    require(files.files.at(fuzz::FuzzAlarmFile) == saved,
            "saving the same preferences again changes nothing");
    return 0;
}
