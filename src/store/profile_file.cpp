#include "store/profile_file.h"

#include "store/atomic_file.h"
#include "store/io_error.h"
#include "store/text_encoding.h"

#include <cerrno>

namespace klaxora {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

// The section name of a header line "[name]", or nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// Key and value of a line "key=value"; comments (";") and lines without "=" hold no key.
std::optional<KeyLine> SplitKeyLine(std::string_view line)
{
    const std::string_view trimmed = Trim(line);
    const std::size_t equals = trimmed.find('=');
    if (trimmed.empty() || trimmed.front() == ';' || equals == std::string_view::npos)
        return std::nullopt;
    std::string_view value = Trim(trimmed.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return KeyLine{Trim(trimmed.substr(0, equals)), value};
}

} // namespace

ProfileText::ProfileText(std::string_view contents)
    : byteOrderMark_(SkipByteOrderMark(contents).size() != contents.size()), lines_(DecodeLines(contents))
{
}

std::optional<ProfileText::Range> ProfileText::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (!name || !EqualNoCase(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end]))
            ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileText::FindKey(Range range, std::string_view key) const
{
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const auto keyLine = SplitKeyLine(lines_[i]);
        if (keyLine && EqualNoCase(keyLine->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileText::Read(std::string_view section, std::string_view key) const
{
    const auto range = FindSection(section);
    if (!range)
        return std::nullopt;
    const auto index = FindKey(*range, key);
    if (!index)
        return std::nullopt;
    return std::string(SplitKeyLine(lines_[*index])->value);
}

void ProfileText::Write(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string line = std::string(key) + "=" + std::string(value);
    const auto range = FindSection(section);
    if (!range) {
        lines_.push_back('[' + std::string(section) + ']');
        lines_.push_back(line);
        return;
    }
    if (const auto index = FindKey(*range, key)) {
        // Keeps the key as it was spelled in the file.
        lines_[*index] = std::string(SplitKeyLine(lines_[*index])->key) + "=" + std::string(value);
        return;
    }
    // After the section's last line that is not empty, so the blank lines before the next section stay.
    std::size_t insertAt = range->end;
    while (insertAt > range->begin && Trim(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string ProfileText::Text() const
{
    std::string text = byteOrderMark_ ? "\xEF\xBB\xBF" : "";
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string ReadProfileString(FileSystem& fileSystem, const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue)
{
    std::string contents;
    std::optional<std::string> value;
    if (fileSystem.ReadWholeFile(path, contents) == 0)
        value = ProfileText(contents).Read(section, key);
    return std::string(CutToCharacters(value ? *value : defaultValue, ProfileValueCapacity));
}

bool WriteProfileString(FileSystem& fileSystem, const std::string& path, std::string_view section,
                        std::string_view key, std::string_view value)
{
    // A line break would end the line early and turn the rest of the value into a line of its own.
    if (value.find_first_of("\r\n") != std::string_view::npos ||
        key.find_first_of("\r\n=") != std::string_view::npos ||
        section.find_first_of("\r\n]") != std::string_view::npos)
        return false;
    std::string contents;
    // A file that exists but cannot be read is never overwritten: its other lines would be lost.
    if (const int error = fileSystem.ReadWholeFile(path, contents); error != 0 && error != ENOENT)
        return false;
    ProfileText text(contents);
    text.Write(section, key, value);
    try {
        ReplaceFileAtomically(fileSystem, path, text.Text());
    } catch (const InOutError&) {
        return false;
    }
    return true;
}

} // namespace klaxora
