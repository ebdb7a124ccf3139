// Alarm file text as an older reader sees it: each line without the identity after its seventh "^".
// For tests that pin the seven fields; the identities are random unless the store is seeded.
#pragma once

#include <string>
#include <string_view>

namespace klaxora::test {

inline std::string withoutUids(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    int separators = 0;
    bool cutting = false;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            separators = 0;
            cutting = false;
        } else if (c == '^' && ++separators == 7) {
            cutting = true;
        }
        if (!cutting)
            out += c;
    }
    return out;
}

} // namespace klaxora::test
