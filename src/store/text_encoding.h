// The files are UTF-8; text written by Windows programs in the ANSI code page (Windows-1252) still
// reads correctly because a line that is not valid UTF-8 is taken as Windows-1252.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace klaxora {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);
// Every byte as a Windows-1252 character, written in UTF-8. The five bytes the code page leaves
// undefined become the control characters of the same number, as Windows converts them.
std::string windows1252ToUtf8(std::string_view text);
// The text itself when it is valid UTF-8, otherwise its Windows-1252 reading.
std::string decodeFileText(std::string_view text);
// The same without a copy for valid UTF-8: the result views `text`, or `buffer` that received the
// Windows-1252 reading.
std::string_view decodeFileText(std::string_view text, std::string& buffer);

// The lines of a text file as they stand. CR LF, a lone CR and a lone LF each end a line; text after
// the last line end is a line of its own.
std::vector<std::string_view> splitLines(std::string_view contents);

// `contents` without a leading UTF-8 byte-order mark, which some Windows editors write; it would
// otherwise stick to the first line and spoil it.
std::string_view skipByteOrderMark(std::string_view contents);

// SplitLines after SkipByteOrderMark, each line in UTF-8 by DecodeFileText.
std::vector<std::string> decodeLines(std::string_view contents);

// The number of characters (code points) of UTF-8 text.
std::size_t characterCount(std::string_view text);
// The first `count` characters; never cuts inside a character.
std::string_view cutToCharacters(std::string_view text, std::size_t count);

} // namespace klaxora
