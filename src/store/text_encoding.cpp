#include "store/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace klaxora {

namespace {

// Unicode code points of the bytes 0x80 to 0x9F in Windows-1252.
constexpr std::array<std::uint16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, std::uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool isValidUtf8(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        // Plain ASCII, the common case, eight bytes at a time.
        if (size - i >= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes + i, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;  // allowed range of the second byte, which rules out overlong forms,
        unsigned char high = 0xBF; // surrogates and code points above U+10FFFF
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (size - i < length || bytes[i + 1] < low || bytes[i + 1] > high)
            return false;
        for (std::size_t k = 2; k < length; ++k) {
            if (!isContinuation(bytes[i + k]))
                return false;
        }
        i += length;
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0)
            appendUtf8(out, HighControlRange[byte - 0x80]);
        else
            appendUtf8(out, byte);
    }
    return out;
}

std::string decodeFileText(std::string_view text)
{
    if (isValidUtf8(text))
        return std::string(text);
    return windows1252ToUtf8(text);
}

std::string_view decodeFileText(std::string_view text, std::string& buffer)
{
    if (isValidUtf8(text))
        return text;
    buffer = windows1252ToUtf8(text);
    return buffer;
}

std::vector<std::string_view> splitLines(std::string_view contents)
{
    std::vector<std::string_view> lines;
    // The next CR and the next LF are each searched for with one fast scan (memchr) and kept until the
    // line start passes them, so every byte is scanned at most once for each of the two characters.
    const auto next = [contents](char c, std::size_t from) {
        return std::min(contents.find(c, from), contents.size());
    };
    std::size_t nextCr = next('\r', 0);
    std::size_t nextLf = next('\n', 0);
    std::size_t start = 0;
    while (start < contents.size()) {
        if (nextCr < start)
            nextCr = next('\r', start);
        if (nextLf < start)
            nextLf = next('\n', start);
        const std::size_t end = std::min(nextCr, nextLf);
        lines.push_back(contents.substr(start, end - start));
        start = end;
        if (start < contents.size() && contents[start] == '\r')
            ++start;
        if (start < contents.size() && contents[start] == '\n')
            ++start;
    }
    return lines;
}

std::string_view skipByteOrderMark(std::string_view contents)
{
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    return contents.substr(0, mark.size()) == mark ? contents.substr(mark.size()) : contents;
}

std::vector<std::string> decodeLines(std::string_view contents)
{
    std::vector<std::string> lines;
    for (const std::string_view line : splitLines(skipByteOrderMark(contents)))
        lines.push_back(decodeFileText(line));
    return lines;
}

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        if (!isContinuation(static_cast<unsigned char>(c)))
            ++count;
    }
    return count;
}

std::string_view cutToCharacters(std::string_view text, std::size_t count)
{
    if (text.size() <= count) // no more characters than bytes
        return text;
    std::size_t started = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuation(static_cast<unsigned char>(text[i])))
            continue;
        if (started == count)
            return text.substr(0, i);
        ++started;
    }
    return text;
}

} // namespace klaxora
