#include "store/profile_file.h"

#include "store/atomic_file.h"
#include "store/io_error.h"
#include "store/text_encoding.h"

#include <cerrno>

namespace klaxora {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char foldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    }
    return true;
}

// The section name of a header line "[name]", or nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return trim(line.substr(0, line.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// Key and value of a line "key=value"; comments (";") and lines without "=" hold no key.
std::optional<KeyLine> splitKeyLine(std::string_view line)
{
    const std::string_view trimmed = trim(line);
    const std::size_t equals = trimmed.find('=');
    if (trimmed.empty() || trimmed.front() == ';' || equals == std::string_view::npos)
        return std::nullopt;
    std::string_view value = trim(trimmed.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return KeyLine{trim(trimmed.substr(0, equals)), value};
}

} // namespace

ProfileText::ProfileText(std::string_view contents)
    : byteOrderMark_(skipByteOrderMark(contents).size() != contents.size()), lines_(decodeLines(contents))
{
}

std::optional<ProfileText::Range> ProfileText::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (!name || !equalNoCase(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end]))
            ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileText::findKey(Range range, std::string_view key) const
{
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const auto keyLine = splitKeyLine(lines_[i]);
        if (keyLine && equalNoCase(keyLine->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileText::read(std::string_view section, std::string_view key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index)
        return std::nullopt;
    return std::string(splitKeyLine(lines_[*index])->value);
}

void ProfileText::write(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string line = std::string(key) + "=" + std::string(value);
    const auto range = findSection(section);
    if (!range) {
        lines_.push_back('[' + std::string(section) + ']');
        lines_.push_back(line);
        return;
    }
    if (const auto index = findKey(*range, key)) {
        // Keeps the key as it was spelled in the file.
        lines_[*index] = std::string(splitKeyLine(lines_[*index])->key) + "=" + std::string(value);
        return;
    }
    // After the section's last line that is not empty, so the blank lines before the next section stay.
    std::size_t insertAt = range->end;
    while (insertAt > range->begin && trim(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string ProfileText::text() const
{
    std::string text = byteOrderMark_ ? "\xEF\xBB\xBF" : "";
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string readProfileString(FileSystem& fileSystem, const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue)
{
    std::string contents;
    std::optional<std::string> value;
    if (fileSystem.readWholeFile(path, contents) == 0)
        value = ProfileText(contents).read(section, key);
    return std::string(cutToCharacters(value ? *value : defaultValue, ProfileValueCapacity));
}

bool writeProfileString(FileSystem& fileSystem, const std::string& path, std::string_view section,
                        std::string_view key, std::string_view value)
{
    // A line break would end the line early and turn the rest of the value into a line of its own.
    if (value.find_first_of("\r\n") != std::string_view::npos ||
        key.find_first_of("\r\n=") != std::string_view::npos ||
        section.find_first_of("\r\n]") != std::string_view::npos)
        return false;
    std::string contents;
    // A file that exists but cannot be read is never overwritten: its other lines would be lost.
    if (const int error = fileSystem.readWholeFile(path, contents); error != 0 && error != ENOENT)
        return false;
    ProfileText text(contents);
    text.write(section, key, value);
    try {
        replaceFileAtomically(fileSystem, path, text.text());
    } catch (const InOutError&) {
        return false;
    }
    return true;
}

} // namespace klaxora
