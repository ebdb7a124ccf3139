// Profile strings in an INI file with the behaviour of the Windows profile functions: sections and keys
// match without regard to case, values are trimmed (and lose one pair of enclosing quotes), and a write
// changes one key and leaves every other section, key, comment and line as it was.
#pragma once

#include "store/file_system.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klaxora {

// The text of one INI file, line by line.
class ProfileText {
public:
    // Lines end at CR LF, LF or CR; a line that is not valid UTF-8 is read as Windows-1252.
    explicit ProfileText(std::string_view contents);

    // The value of the first matching key in the first matching section.
    std::optional<std::string> read(std::string_view section, std::string_view key) const;
    // Replaces the key's value, or adds the key at the end of its section, or the section at the end.
    void write(std::string_view section, std::string_view key, std::string_view value);
    // Every line followed by CR LF.
    std::string text() const;

private:
    // [first line after the section header, end) of the first matching section.
    struct Range {
        std::size_t begin;
        std::size_t end;
    };
    std::optional<Range> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(Range range, std::string_view key) const;

    // A leading byte-order mark is written back, so that a save changes no line but its own.
    bool byteOrderMark_;
    std::vector<std::string> lines_;
};

// Values longer than this many characters are cut, as a 1024-byte buffer would.
constexpr std::size_t ProfileValueCapacity = 1023;

// The value, or `defaultValue` when the file, the section or the key is missing or cannot be read.
std::string readProfileString(FileSystem& fileSystem, const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue);
// Writes one key; creates the file when there is none. False when it fails; the file is then unchanged.
bool writeProfileString(FileSystem& fileSystem, const std::string& path, std::string_view section,
                        std::string_view key, std::string_view value);

} // namespace klaxora
