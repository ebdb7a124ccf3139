// Random choices for composing and mutating the files given to the program; every run is reproducible
// from its seed.
#pragma once

#include <array>
#include <cstdarg>
#include <cstdio>
#include <random>
#include <string>

namespace klaxora::badinput {

using Random = std::mt19937_64;

inline int uniform(Random& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

inline bool chance(Random& random, double probability)
{
    return std::bernoulli_distribution(probability)(random);
}

template <typename T, std::size_t N>
const T& pick(Random& random, const std::array<T, N>& choices)
{
    return choices[static_cast<std::size_t>(uniform(random, 0, static_cast<int>(N) - 1))];
}

[[gnu::format(printf, 1, 2)]] inline std::string formatted(const char* format, ...)
{
    char buffer[128];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return std::string(buffer, length < 0 ? 0 : static_cast<std::size_t>(length));
}

// Text for one field: `characters` characters, never "^", CR, LF or Ctrl-Z. In UTF-8 it mixes ASCII,
// accented letters, CJK, emoji, combining marks and control characters; as Windows-1252 it mixes ASCII
// with every byte from 0x80 up.
inline std::string fieldText(Random& random, bool windows1252, std::size_t characters)
{
    static constexpr auto wide = std::to_array<const char*>(
        {"\xC3\xA9", "\xC3\xBC", "\xC3\x9F", "\xE2\x82\xAC", "\xE6\x97\xA5", "\xE6\x9C\xAC",
         "\xF0\x9F\x98\x80", "\xCC\x81", "\x01", "\x7F", "\t", " ", "~", "\\"});
    std::string text;
    text.reserve(characters);
    for (std::size_t i = 0; i < characters; ++i) {
        const int roll = uniform(random, 0, 99);
        if (roll < 70) {
            const char c = static_cast<char>(uniform(random, ' ', '}'));
            text += c == '^' ? '_' : c;
        } else if (windows1252) {
            text += static_cast<char>(uniform(random, 0x80, 0xFF));
        } else if (roll == 99 && chance(random, 0.1)) {
            text += '\0';
        } else {
            text += pick(random, wide);
        }
    }
    return text;
}

} // namespace klaxora::badinput
